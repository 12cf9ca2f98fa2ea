// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QRgb>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace tappon {

// Draws changes of a field of glyphs over a picture on the X server, without sending
// its pixels: the picture (the ground) and each glyph's coverage are uploaded once, and
// a draw composes the changed rectangles there from them, a few small requests in one
// flush, where Qt would paint them with its raster engine and send the pixels.
//
// Glyph edges are blended by the X server, linearly, where Qt blends them
// gamma-corrected: a partly covered pixel may differ by some levels; fully covered
// pixels and the ground are exact.
//
// The toolkit's own copy of the window (its backing store) is left behind by these
// draws: when the window is exposed again, the field is repainted through the toolkit
// first, so what the toolkit shows is never older than what was drawn here.
class X11FieldPainter final : public QObject {
public:
    // The picture under the glyphs, opaque.
    struct Ground {
        // Where it lies, in the field's coordinates.
        QRect place;
        // Changes whenever the picture does.
        quint64 version = 0;
        // Paints it, the size of `place`: called only when the server lacks this version.
        std::function<QImage()> paint;
    };
    struct Glyph {
        // Where the glyph goes, in the field's coordinates; its coverage is that size.
        QRect place;
        // Format_Alpha8: how much of each pixel the glyph covers.
        const QImage* coverage = nullptr;
        QRgb color = 0;
    };

    explicit X11FieldPainter(QWidget& field);
    ~X11FieldPainter() override;

    // Draws `area` (field coordinates) on the window: the ground, then the glyphs in
    // order. False, having drawn nothing, where it cannot stand in for the toolkit: off
    // X11, no RENDER extension, a window not shown or scaled, an area the ground does not
    // cover or that another widget covers. The caller then repaints the area through the
    // toolkit.
    bool draw(const QRegion& area, const Ground& ground, const std::vector<Glyph>& glyphs);

    // How many draws were made here: what the tests tell the two paths apart by.
    int drawsMade() const { return drawsMade_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Server;

    bool usable(const QRegion& area) const;
    void watchWindow();

    QWidget& field_;
    std::unique_ptr<Server> server_;
    // The window shows draws made here that the toolkit's backing store does not hold.
    bool aheadOfToolkit_ = false;
    QObject* watchedWindow_ = nullptr;
    int drawsMade_ = 0;
};

}  // namespace tappon
