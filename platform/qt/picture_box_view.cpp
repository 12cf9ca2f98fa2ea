#include "platform/qt/picture_box_view.h"

#include "platform/qt/form_view.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_colors.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace tappon {

PictureBoxView::PictureBoxView(FormView& owner, PictureBox& box, QWidget* parent)
    : QWidget(parent), ControlView(owner, box), box_(box)
{
    setFocusPolicy(box.tabIndex() >= 0 ? Qt::StrongFocus : Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A plain widget passes mouse presses on to this one; it paints nothing itself.
    inner_ = new QWidget(this);
    inner_->setFocusPolicy(Qt::NoFocus);
}

QPoint PictureBoxView::innerOrigin() const
{
    return box_.bordered() ? QPoint(kBorderPixels, kBorderPixels) : QPoint();
}

void PictureBoxView::syncAll()
{
    ControlView::syncAll();
    update();
}

void PictureBoxView::apply(Property property)
{
    switch (property) {
    case Property::BackColor:
    case Property::Picture:
        update();
        break;
    default:
        ControlView::apply(property);
        break;
    }
}

void PictureBoxView::paintEvent(QPaintEvent* event)
{
    if (!owner().liveForm())
        return;
    QPainter painter(this);
    const QPoint inner = innerOrigin();
    const QRect innerRect = rect().adjusted(inner.x(), inner.y(), -inner.x(), -inner.y());
    // A letter moving over the field exposes only a few small rectangles: paint just
    // those, so a tick copies a few hundred pixels of the picture rather than all of it.
    const QPixmap picture = PictureCache::instance().pixmap(box_.picture());
    const QColor back = toQColor(box_.backColor(), palette());
    for (const QRect& exposed : event->region()) {
        const QRect area = exposed & innerRect;
        if (area.isEmpty())
            continue;
        const QRect pictured = picture.isNull() ? QRect() : area & QRect(inner, picture.size());
        if (pictured != area)
            painter.fillRect(area, back);
        if (!pictured.isEmpty())
            painter.drawPixmap(pictured.topLeft(), picture, pictured.translated(-inner));
    }
    if (box_.bordered() && !event->region().subtracted(innerRect).isEmpty())
        qDrawWinPanel(&painter, rect(), palette(), true);
}

void PictureBoxView::focusInEvent(QFocusEvent* event)
{
    reportFocusIn();
    QWidget::focusInEvent(event);
}

void PictureBoxView::keyPressEvent(QKeyEvent* event)
{
    owner().deliverKey(*event);
    event->accept();
}

void PictureBoxView::inputMethodEvent(QInputMethodEvent* event)
{
    owner().deliverCommitString(event->commitString());
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
    deliverMouseDown(*event, innerOrigin());
    event->accept();
}

void PictureBoxView::applyGeometry()
{
    ControlView::applyGeometry();
    const QPoint inner = innerOrigin();
    inner_->setGeometry(rect().adjusted(inner.x(), inner.y(), -inner.x(), -inner.y()));
}

void PictureBoxView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        deliverClick();
}

}  // namespace tappon
