// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/image_view.h"

#include "platform/design/twips.h"
#include "platform/qt/appearance/picture_cache.h"
#include "platform/window/form.h"

#include <QMouseEvent>
#include <QPainter>

namespace tappon {

ImageView::ImageView(const ControlViewOwner& owner, Image& image, QWidget* parent)
    : QWidget(parent), ControlView(owner, image), image_(image)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageView::syncAll()
{
    fitToPicture();
    ControlView::syncAll();
}

void ImageView::apply(Property property)
{
    if (property == Property::Picture) {
        fitToPicture();
        update();
        return;
    }
    ControlView::apply(property);
}

void ImageView::fitToPicture()
{
    if (image_.stretch())
        return;
    const QPixmap picture = PictureCache::instance().pixmap(image_.picture());
    if (picture.isNull())
        return;
    // Its logical size: a picture drawn for a 2x screen holds twice the pixels.
    const QSize size = picture.deviceIndependentSize().toSize();
    image_.setMeasuredSize(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
    applyGeometry();
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (!liveForm())
        return;
    const QPixmap picture = PictureCache::instance().pixmap(image_.picture());
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (image_.stretch()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture);
    } else {
        painter.drawPixmap(0, 0, picture);
    }
}

void ImageView::mousePressEvent(QMouseEvent* event)
{
    deliverMouseDown(*event);
    event->accept();
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        deliverClick();
}

}  // namespace tappon
