// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/picture_cache.h"

#include "platform/gif_frame.h"

#include <QFile>
#include <QFileInfo>
#include <QtDebug>

namespace tappon {

namespace {

// The tip of the pointing finger in the hand cursor's picture.
const QPoint kHandHotSpot{5, 0};

// Qt reads a GIF as its whole logical screen; the picture is its first frame, which
// may be smaller (the splash's slogan is a 208 x 44 frame on a 211 x 47 screen).
QPixmap firstFrameOnly(const QString& path, const QPixmap& screen)
{
    if (!path.endsWith(".gif", Qt::CaseInsensitive))
        return screen;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return screen;
    const QByteArray bytes = file.readAll();
    const auto frame = firstGifFrame(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
    if (!frame || (frame->width == screen.width() && frame->height == screen.height()))
        return screen;
    return screen.copy(frame->left, frame->top, frame->width, frame->height);
}

}  // namespace

PictureCache& PictureCache::instance()
{
    static PictureCache cache;
    return cache;
}

QPixmap PictureCache::pixmap(const Picture& picture)
{
    if (picture.empty())
        return {};
    const QString path = QString::fromStdString(picture.resource);
    const auto it = pixmaps_.constFind(path);
    if (it != pixmaps_.constEnd())
        return *it;
    QPixmap loaded(path);
    if (loaded.isNull())
        reportMissing(path);
    else
        loaded = firstFrameOnly(path, loaded);
    pixmaps_.insert(path, loaded);
    return loaded;
}

QIcon PictureCache::icon(const Picture& picture)
{
    if (picture.empty())
        return {};
    const QString path = QString::fromStdString(picture.resource);
    const auto it = icons_.constFind(path);
    if (it != icons_.constEnd())
        return *it;
    QIcon loaded(path);
    if (loaded.availableSizes().isEmpty()) {
        reportMissing(path);
        loaded = QIcon();
    }
    icons_.insert(path, loaded);
    return loaded;
}

QCursor PictureCache::cursor(const Picture& picture)
{
    if (picture.empty())
        return {};
    // Cursor files do not always load as pictures; a PNG beside one stands in for it.
    const QString path = QString::fromStdString(picture.resource);
    const QString png = QFileInfo(path).path() + '/' + QFileInfo(path).completeBaseName() + ".png";
    if (path.endsWith(".cur", Qt::CaseInsensitive) && QFileInfo::exists(png)) {
        const QPixmap shape = pixmap(Picture{png.toStdString()});
        if (!shape.isNull())
            return QCursor(shape, kHandHotSpot.x(), kHandHotSpot.y());
    }
    const QPixmap shape = pixmap(picture);
    if (shape.isNull())
        return {};
    return QCursor(shape, kHandHotSpot.x(), kHandHotSpot.y());
}

void PictureCache::reportMissing(const QString& path)
{
    if (reported_.contains(path))
        return;
    reported_.insert(path);
    qWarning().noquote() << "tappon: picture" << path << "cannot be loaded; going on without it";
}

}  // namespace tappon
