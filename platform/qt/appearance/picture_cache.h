// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/design/picture.h"

#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <vector>

namespace tappon {

// Loads the pictures, icons and cursors built into the program once and keeps them.
// A picture that cannot be loaded is reported once and comes back empty.
class PictureCache {
public:
    static PictureCache& instance();

    QPixmap pixmap(const Picture& picture);
    QIcon icon(const Picture& picture);
    // A mouse pointer; the normal arrow when the picture cannot be loaded.
    QCursor cursor(const Picture& picture);

    // Lets go of every picture and icon but these (and the stand-ins of their pointers),
    // so that a window gone takes its pictures with it; a picture asked for again is
    // loaded again.
    void keepOnly(const std::vector<Picture>& pictures);
    bool holds(const Picture& picture) const;

private:
    // The picture that stands in for a pointer file Qt cannot load, or the path itself.
    static QString standIn(const QString& path);
    void reportMissing(const QString& path);

    QHash<QString, QPixmap> pixmaps_;
    QHash<QString, QIcon> icons_;
    QSet<QString> reported_;
};

}  // namespace tappon
