// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/label_view.h"

#include "platform/design/twips.h"
#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/qt/program/trace.h"
#include "platform/qt/views/picture_box_view.h"
#include "platform/window/form.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace tappon {

namespace {

// What a design says of an auto-size label with one line of caption: its height, in
// pixels per pixel of its font's size, is the line height of the designed face.
double designLineHeightPerPixel(const Label& label)
{
    const FormDesign& form = label.form().design();
    for (const ControlDesign& design : form.controls) {
        if (design.name != label.name() || design.index != label.index())
            continue;
        const std::optional<Font>& font = design.font ? design.font : form.font;
        if (!design.autoSize || !font || font->points <= 0.0f || design.height <= 0.0f
            || design.caption.find('\n') != std::string::npos)
            return 0.0;
        return (design.height / kTwipsPerPixel) / (font->points * 4.0 / 3.0);
    }
    return 0.0;
}

// The font at the largest pixel size whose line is no taller than `lineHeight` pixels.
QFont sizedToLine(QFont font, int lineHeight)
{
    int size = std::max(font.pixelSize(), 1);
    const auto heightAt = [&font](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height();
    };
    while (size > 1 && heightAt(size) > lineHeight)
        --size;
    while (heightAt(size + 1) <= lineHeight)
        ++size;
    font.setPixelSize(size);
    return font;
}

}  // namespace

LabelView::LabelView(const ControlViewOwner& owner, Label& label, QWidget* parent, PictureBoxView* drawnBy)
    : QLabel(parent),
      ControlView(owner, label),
      label_(label),
      drawnBy_(drawnBy),
      designLineHeightPerPixel_(designLineHeightPerPixel(label))
{
    // Hidden for good: a hidden widget moves without repainting anything.
    if (drawnBy_)
        hide();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    laidOut_.setTextFormat(Qt::PlainText);
    laidOut_.setPerformanceHint(QStaticText::AggressiveCaching);
}

void LabelView::syncAll()
{
    applyFont();
    applyCaption();
    applyColors();
    if (!label_.mouseIcon().empty())
        setCursor(PictureCache::instance().cursor(label_.mouseIcon()));
    fitToText();
    ControlView::syncAll();
}

void LabelView::apply(Property property)
{
    switch (property) {
    case Property::Caption:
        applyCaption();
        fitToText();
        repaintOnContainer();
        if (trace::enabled())
            trace::event("caption", label_.displayName() + "=" + label_.caption());
        break;
    case Property::Font:
        applyFont();
        fitToText();
        repaintOnContainer();
        break;
    case Property::ForeColor:
    case Property::BackColor:
        applyColors();
        repaintOnContainer();
        break;
    case Property::Visible:
        if (!drawnBy_) {
            ControlView::apply(property);
            break;
        }
        repaintOnContainer();
        announce(label_.visible() ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        break;
    case Property::Enabled:
        ControlView::apply(property);
        repaintOnContainer();
        break;
    case Property::MouseIcon:
        // A pointer of its own needs a window under the mouse.
        if (drawnBy_ && !label_.mouseIcon().empty())
            leaveContainer();
        if (label_.mouseIcon().empty())
            unsetCursor();
        else
            setCursor(PictureCache::instance().cursor(label_.mouseIcon()));
        break;
    default:
        ControlView::apply(property);
        break;
    }
}

void LabelView::applyFont()
{
    QFont font = fontFor(label_.font());
    // The designed faces may be missing; a substitute is sized to fit the designed line,
    // and the label takes that line's height, as designed (so a parked letter lies
    // wholly above the field).
    designLineHeight_ = 0;
    if (designLineHeightPerPixel_ > 0.0 && label_.autoSize() && font.pixelSize() > 0) {
        designLineHeight_ = static_cast<int>(std::lround(designLineHeightPerPixel_ * font.pixelSize()));
        font = sizedToLine(font, designLineHeight_);
    }
    setFont(font);
    coverage_ = QImage();
}

void LabelView::applyCaption()
{
    const QString caption = QString::fromStdString(label_.caption());
    setText(caption);
    laidOut_.setText(caption);
    coverage_ = QImage();
}

void LabelView::applyColors()
{
    QPalette palette = this->palette();
    setPaletteColor(palette, QPalette::WindowText, toQColor(label_.foreColor(), palette));
    if (label_.backColor())
        setPaletteColor(palette, QPalette::Window, toQColor(*label_.backColor(), palette));
    setPalette(palette);
    setAutoFillBackground(!label_.transparent());
}

void LabelView::fitToText()
{
    if (!label_.autoSize())
        return;
    const QFontMetrics metrics(font());
    const QString caption = text();
    // Script faces draw past their advance; the label takes the whole of the ink.
    const int width = caption.isEmpty()
                          ? 0
                          : std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).right() + 1);
    int height = std::max(metrics.height(), designLineHeight_);
    // A face with a tight line (as the Song face at small sizes) puts the underline below it.
    if (font().underline()) {
        const QFontMetricsF exact(font());
        height = std::max(height,
                          static_cast<int>(std::ceil(exact.ascent() + exact.underlinePos() + exact.lineWidth())));
    }
    label_.setMeasuredSize(pixelsToTwips(width), pixelsToTwips(height));
    applyGeometry();
}

void LabelView::applyGeometry()
{
    if (!drawnBy_) {
        ControlView::applyGeometry();
        return;
    }
    const QRect before = geometry();
    ControlView::applyGeometry();
    const QRect now = geometry();
    if (now == before || !label_.visible())
        return;
    // A falling letter's two places overlap: one rectangle covers both.
    if (before.intersects(now)) {
        drawnBy_->repaintInner(before | now);
    } else {
        drawnBy_->repaintInner(before);
        drawnBy_->repaintInner(now);
    }
}

void LabelView::leaveContainer()
{
    drawnBy_->removeDrawnLabel(this);
    drawnBy_->repaintInner(geometry());
    drawnBy_ = nullptr;
    setVisible(label_.visible());
}

bool LabelView::shownOnContainer() const
{
    // Once the window is torn down the label may be gone; assistive technology can
    // still ask until the widget is deleted.
    return drawnBy_ && liveForm() && label_.visible() && drawnBy_->isVisible();
}

void LabelView::repaintOnContainer() const
{
    if (drawnBy_)
        drawnBy_->repaintInner(geometry());
}

void LabelView::announce(QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, type);
    QAccessible::updateAccessibility(&event);
}

void LabelView::drawOnContainer(QPainter& painter, QPoint innerOrigin, const QRegion& exposed) const
{
    const QRect area = geometry().translated(innerOrigin);
    if (!label_.visible() || !exposed.intersects(area))
        return;
    // Cut off at the label's edges, as its own widget would be.
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    drawText(painter, area.topLeft());
    painter.restore();
}

void LabelView::pressOnContainer(const QMouseEvent& event, QPoint innerOrigin)
{
    deliverMouseDown(event, innerOrigin + pos());
}

void LabelView::releaseOnContainer(const QMouseEvent& event, QPoint innerOrigin)
{
    if (event.button() == Qt::LeftButton && geometry().contains(event.position().toPoint() - innerOrigin))
        deliverClick();
}

const QImage* LabelView::glyphCoverage() const
{
    if (drawnAsPlainLabel() || size().isEmpty())
        return nullptr;
    if (coverage_.size() != size()) {
        coverage_ = QImage(size(), QImage::Format_Alpha8);
        coverage_.fill(0);
        QPainter painter(&coverage_);
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawStaticText(contentsRect().topLeft(), laidOut_);
    }
    return &coverage_;
}

QRgb LabelView::textColor() const
{
    return palette().color(foregroundRole()).rgba();
}

bool LabelView::drawnAsPlainLabel() const
{
    // Several lines, underlined or struck-out text (a laid-out text draws no lines) and
    // the greyed look of a disabled label are drawn as QLabel draws them.
    return !isEnabled() || font().underline() || font().strikeOut() || text().contains(QChar('\n'));
}

void LabelView::paintEvent(QPaintEvent* event)
{
    if (drawnAsPlainLabel()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawText(painter, QPoint());
}

void LabelView::drawText(QPainter& painter, QPoint topLeft) const
{
    const QRect area = contentsRect().translated(topLeft);
    painter.setFont(font());
    if (drawnAsPlainLabel()) {
        style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), text(), foregroundRole());
        return;
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(area.topLeft(), laidOut_);
}

void LabelView::mousePressEvent(QMouseEvent* event)
{
    deliverMouseDown(*event);
    event->accept();
}

void LabelView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        deliverClick();
}

}  // namespace tappon
