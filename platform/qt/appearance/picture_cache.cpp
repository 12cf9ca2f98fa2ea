// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/appearance/picture_cache.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QtDebug>

namespace tappon {

namespace {

// The tip of the pointing finger in the hand cursor's picture.
const QPoint kHandHotSpot{5, 0};

// The scale of the pictures to show: 2 on a screen scaled to more than 1x, where each
// picture also comes drawn at twice its resolution as "name@2x.ext"; 1 otherwise.
int pictureScale()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QString atScale(const QString& path, int scale)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? path + suffix : path.left(dot) + suffix + path.mid(dot);
}

// The picture as drawn at this scale, at the logical size of the plain one; null where
// there is none.
QPixmap loadPicture(const QString& path, int scale)
{
    const QString file = scale == 1 ? path : atScale(path, scale);
    // Read past Qt's own pixmap cache, which would keep every picture ever shown.
    QImageReader reader(file);
    QPixmap loaded = QPixmap::fromImageReader(&reader);
    if (loaded.isNull())
        return {};
    loaded.setDevicePixelRatio(scale);
    return loaded;
}

// A mouse pointer with the hand's hot spot. The X11 platform takes the hot spot in the
// pixels of the pointer's picture whatever its pixel ratio, so on a 2x screen the
// fingertip's logical place counts twice.
QCursor handCursor(const QPixmap& shape)
{
    const qreal ratio = QGuiApplication::platformName() == QLatin1String("xcb") ? shape.devicePixelRatio() : 1.0;
    const QPoint hotSpot = (QPointF(kHandHotSpot) * ratio).toPoint();
    return QCursor(shape, hotSpot.x(), hotSpot.y());
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
    const int scale = pictureScale();
    QPixmap loaded = scale > 1 ? loadPicture(path, scale) : QPixmap();
    if (loaded.isNull())
        loaded = loadPicture(path, 1);
    if (loaded.isNull())
        reportMissing(path);
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
    const QString path = QString::fromStdString(picture.resource);
    const QString png = standIn(path);
    if (png != path) {
        const QPixmap shape = pixmap(Picture{png.toStdString()});
        if (!shape.isNull())
            return handCursor(shape);
    }
    const QPixmap shape = pixmap(picture);
    if (shape.isNull())
        return {};
    return handCursor(shape);
}

QString PictureCache::standIn(const QString& path)
{
    // Cursor files do not always load as pictures; a PNG beside one stands in for it.
    if (!path.endsWith(".cur", Qt::CaseInsensitive))
        return path;
    const QString png = QFileInfo(path).path() + '/' + QFileInfo(path).completeBaseName() + ".png";
    return QFileInfo::exists(png) ? png : path;
}

void PictureCache::keepOnly(const std::vector<Picture>& pictures)
{
    QSet<QString> kept;
    for (const Picture& picture : pictures) {
        const QString path = QString::fromStdString(picture.resource);
        kept.insert(path);
        kept.insert(standIn(path));
    }
    pixmaps_.removeIf([&kept](const auto& entry) { return !kept.contains(entry.key()); });
    icons_.removeIf([&kept](const auto& entry) { return !kept.contains(entry.key()); });
}

bool PictureCache::holds(const Picture& picture) const
{
    const QString path = QString::fromStdString(picture.resource);
    return pixmaps_.contains(path) || icons_.contains(path);
}

void PictureCache::reportMissing(const QString& path)
{
    if (reported_.contains(path))
        return;
    reported_.insert(path);
    qWarning().noquote() << "tappon: picture" << path << "cannot be loaded; going on without it";
}

}  // namespace tappon
