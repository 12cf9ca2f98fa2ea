// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/picture_box_view.h"

#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/qt/views/label_view.h"
#include "platform/qt/window/form_input.h"
#include "platform/qt/x11/x11_field_painter.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

namespace tappon {

namespace {

// The sunken two-pixel border, pixel for pixel as qDrawWinPanel draws it on a 1x
// screen, but of filled rectangles: its cosmetic lines stay one pixel of the screen
// wide, which on a screen scaled 2x would leave half of each ring unpainted.
void drawSunkenBorder(QPainter& painter, const QRect& r, const QPalette& palette)
{
    const int x = r.x();
    const int y = r.y();
    const int w = r.width();
    const int h = r.height();
    if (w < 2 || h < 2)
        return;
    // The outer ring: dark along the top and the left, light along the bottom and right.
    painter.fillRect(x, y, w - 1, 1, palette.dark());
    painter.fillRect(x, y, 1, h - 1, palette.dark());
    painter.fillRect(x, y + h - 1, w, 1, palette.light());
    painter.fillRect(x + w - 1, y, 1, h, palette.light());
    if (w <= 4 || h <= 4)
        return;
    // The inner ring: shadow along the top and the left, midlight along the bottom and right.
    painter.fillRect(x + 1, y + 1, w - 3, 1, palette.shadow());
    painter.fillRect(x + 1, y + 1, 1, h - 3, palette.shadow());
    painter.fillRect(x + 1, y + h - 2, w - 2, 1, palette.midlight());
    painter.fillRect(x + w - 2, y + 1, 1, h - 2, palette.midlight());
}

}  // namespace

PictureBoxView::PictureBoxView(const ControlViewOwner& owner, PictureBox& box, QWidget* parent)
    : QWidget(parent), ControlView(owner, box), box_(box)
{
    setFocusPolicy(box.tabIndex() >= 0 ? Qt::StrongFocus : Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A plain widget passes mouse presses on to this one; it paints nothing itself.
    inner_ = new QWidget(this);
    inner_->setFocusPolicy(Qt::NoFocus);
    if (QGuiApplication::platformName() == QLatin1String("xcb") && qgetenv("TAPPON_X11_FIELD") != "0") {
        serverPainter_ = std::make_unique<X11FieldPainter>(*this);
        // Each letter of a tick reports its own move; they go to the server together
        // once the event loop has nothing left to do, without waking it again.
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                &PictureBoxView::drawPendingOnServer);
    }
}

PictureBoxView::~PictureBoxView() = default;

QPoint PictureBoxView::innerOrigin() const
{
    return box_.bordered() ? QPoint(kBorderPixels, kBorderPixels) : QPoint();
}

QRect PictureBoxView::innerRect() const
{
    const QPoint inner = innerOrigin();
    return rect().adjusted(inner.x(), inner.y(), -inner.x(), -inner.y());
}

void PictureBoxView::addDrawnLabel(LabelView* label)
{
    drawnLabels_.push_back(label);
}

void PictureBoxView::removeDrawnLabel(LabelView* label)
{
    std::erase(drawnLabels_, label);
    if (pressedLabel_ == label)
        pressedLabel_ = nullptr;
}

void PictureBoxView::repaintInner(const QRect& area)
{
    const QRect changed = area.translated(innerOrigin()) & innerRect();
    if (changed.isEmpty())
        return;
    if (!serverPainter_) {
        update(changed);
        return;
    }
    pendingOnServer_ += changed;
}

int PictureBoxView::serverDraws() const
{
    return serverPainter_ ? serverPainter_->drawsMade() : 0;
}

void PictureBoxView::drawPendingOnServer()
{
    if (pendingOnServer_.isEmpty())
        return;
    const QRegion area = std::exchange(pendingOnServer_, QRegion());
    if (!drawOnServer(area))
        update(area);
}

bool PictureBoxView::drawOnServer(const QRegion& area)
{
    if (!liveForm())
        return false;
    const QPoint inner = innerOrigin();
    // A control with a widget of its own lies over the field: the toolkit paints it.
    for (const QObject* object : inner_->children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (child && child->isVisible() && area.intersects(child->geometry().translated(inner)))
            return false;
    }
    std::vector<X11FieldPainter::Glyph> glyphs;
    for (const LabelView* label : drawnLabels_) {
        const QRect place = label->geometry().translated(inner);
        if (!label->shownOnContainer() || !area.intersects(place))
            continue;
        const QImage* coverage = label->glyphCoverage();
        if (!coverage)
            return false;
        glyphs.push_back({place, coverage, label->textColor()});
    }
    return serverPainter_->draw(area, {innerRect(), groundVersion_, [this] { return groundImage(); }}, glyphs);
}

QImage PictureBoxView::groundImage() const
{
    const QRect innerRect = this->innerRect();
    QImage image(innerRect.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(-innerRect.topLeft());
    paintGround(painter, innerRect);
    return image;
}

LabelView* PictureBoxView::drawnLabelAt(QPoint point) const
{
    for (auto it = drawnLabels_.rbegin(); it != drawnLabels_.rend(); ++it)
        // A disabled label lets presses through to the box, as a disabled widget would.
        if ((*it)->shownOnContainer() && (*it)->isEnabled() && (*it)->geometry().contains(point))
            return *it;
    return nullptr;
}

void PictureBoxView::syncAll()
{
    ControlView::syncAll();
    ++groundVersion_;
    update();
}

void PictureBoxView::apply(Property property)
{
    switch (property) {
    case Property::BackColor:
    case Property::Picture:
        ++groundVersion_;
        update();
        break;
    default:
        ControlView::apply(property);
        break;
    }
}

void PictureBoxView::paintGround(QPainter& painter, const QRegion& region) const
{
    const QPoint inner = innerOrigin();
    const QRect innerRect = this->innerRect();
    // A letter moving over the field exposes only a few small rectangles: paint just
    // those, so a tick copies a few hundred pixels of the picture rather than all of it.
    const QPixmap picture = PictureCache::instance().pixmap(box_.picture());
    const QColor back = toQColor(box_.backColor(), palette());
    for (const QRect& exposed : region) {
        const QRect area = exposed & innerRect;
        if (area.isEmpty())
            continue;
        const QRect pictured = picture.isNull() ? QRect()
                                                : area & QRect(inner, picture.deviceIndependentSize().toSize());
        if (pictured != area)
            painter.fillRect(area, back);
        if (pictured.isEmpty())
            continue;
        // The source rectangle counts the picture's own pixels, twice as many in a
        // picture drawn for a 2x screen.
        const qreal ratio = picture.devicePixelRatio();
        const QRectF source(QPointF(pictured.topLeft() - inner) * ratio, QSizeF(pictured.size()) * ratio);
        painter.drawPixmap(QRectF(pictured), picture, source);
    }
}

void PictureBoxView::paintEvent(QPaintEvent* event)
{
    if (!liveForm())
        return;
    QPainter painter(this);
    const QPoint inner = innerOrigin();
    const QRect innerRect = this->innerRect();
    paintGround(painter, event->region());
    if (!drawnLabels_.empty()) {
        const QRegion exposed = event->region() & innerRect;
        painter.setClipRegion(exposed);
        for (const LabelView* label : drawnLabels_)
            label->drawOnContainer(painter, inner, exposed);
        painter.setClipping(false);
    }
    if (box_.bordered() && !event->region().subtracted(innerRect).isEmpty())
        drawSunkenBorder(painter, rect(), palette());
}

void PictureBoxView::changeEvent(QEvent* event)
{
    // A back colour of the system's follows the palette.
    if (event->type() == QEvent::PaletteChange)
        ++groundVersion_;
    QWidget::changeEvent(event);
}

void PictureBoxView::focusInEvent(QFocusEvent* event)
{
    reportFocusIn();
    QWidget::focusInEvent(event);
}

void PictureBoxView::keyPressEvent(QKeyEvent* event)
{
    owner().input.deliverKey(*event);
    event->accept();
}

void PictureBoxView::inputMethodEvent(QInputMethodEvent* event)
{
    owner().input.deliverCommitString(event->commitString());
    event->accept();
}

QVariant PictureBoxView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

void PictureBoxView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!liveForm())
        return;
    const QPoint inner = innerOrigin();
    pressedLabel_ = drawnLabelAt(event->position().toPoint() - inner);
    if (pressedLabel_) {
        pressedLabel_->pressOnContainer(*event, inner);
        return;
    }
    deliverMouseDown(*event, inner);
}

void PictureBoxView::applyGeometry()
{
    ControlView::applyGeometry();
    ++groundVersion_;
    const QPoint inner = innerOrigin();
    inner_->setGeometry(rect().adjusted(inner.x(), inner.y(), -inner.x(), -inner.y()));
}

void PictureBoxView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    LabelView* label = pressedLabel_;
    if (event->buttons() == Qt::NoButton)
        pressedLabel_ = nullptr;
    if (label) {
        label->releaseOnContainer(*event, innerOrigin());
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        deliverClick();
}

}  // namespace tappon
