// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/x11/x11_field_painter.h"

#include "platform/qt/x11/x11_native_window.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <xcb/render.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <unordered_map>

namespace tappon {

namespace {

// Frees an xcb reply when it goes out of scope.
template <typename Reply>
struct ReplyPtr {
    Reply* reply = nullptr;
    ~ReplyPtr() { std::free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

// How the server lays out the pixels of a depth in an image: bits per pixel and the
// padding of each row, in bits; nothing when it has no such depth.
struct PixelLayout {
    int bitsPerPixel = 0;
    int rowPad = 0;
};

std::optional<PixelLayout> pixelLayout(const xcb_setup_t* setup, std::uint8_t depth)
{
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == depth)
            return PixelLayout{it.data->bits_per_pixel, it.data->scanline_pad};
    }
    return std::nullopt;
}

xcb_render_pictformat_t formatOfVisual(const xcb_render_query_pict_formats_reply_t* formats, xcb_visualid_t visual)
{
    for (auto screen = xcb_render_query_pict_formats_screens_iterator(formats); screen.rem;
         xcb_render_pictscreen_next(&screen)) {
        for (auto depth = xcb_render_pictscreen_depths_iterator(screen.data); depth.rem;
             xcb_render_pictdepth_next(&depth)) {
            for (auto it = xcb_render_pictdepth_visuals_iterator(depth.data); it.rem; xcb_render_pictvisual_next(&it)) {
                if (it.data->visual == visual)
                    return it.data->format;
            }
        }
    }
    return 0;
}

xcb_render_color_t renderColor(QRgb color)
{
    const auto wide = [](int channel) { return static_cast<std::uint16_t>(channel * 257); };
    return {wide(qRed(color)), wide(qGreen(color)), wide(qBlue(color)), 0xffff};
}

}  // namespace

// What lives on the X server for one field, and how to reach it.
struct X11FieldPainter::Server {
    xcb_connection_t* connection = nullptr;
    // Set once the server has been asked what it can do; `failed` when it cannot.
    bool probed = false;
    bool failed = false;
    xcb_render_pictformat_t alphaFormat = 0;
    std::uint32_t maxRequestBytes = 0;
    PixelLayout alphaLayout;

    // The window drawn on, its depth and the format of its pixels.
    xcb_window_t window = 0;
    std::uint8_t depth = 0;
    xcb_render_pictformat_t windowFormat = 0;
    PixelLayout windowLayout;
    // A GC per depth for uploads, and one for the copy to the window, which clips it to
    // the drawn area; none asks for exposures.
    xcb_gcontext_t windowGc = 0;
    xcb_gcontext_t alphaGc = 0;
    xcb_gcontext_t copyGc = 0;

    // Where a draw is composed before one copy takes it to the window.
    xcb_pixmap_t scratch = 0;
    xcb_render_picture_t scratchPicture = 0;
    QSize scratchSize;

    xcb_pixmap_t ground = 0;
    xcb_render_picture_t groundPicture = 0;
    quint64 groundVersion = 0;

    struct Upload {
        xcb_pixmap_t pixmap = 0;
        xcb_render_picture_t picture = 0;
    };
    std::unordered_map<qint64, Upload> glyphs;
    std::unordered_map<QRgb, xcb_render_picture_t> colors;

    ~Server() { release(); }

    bool probe(xcb_connection_t* c);
    bool bindWindow(xcb_window_t id);
    void ensureScratch(QSize size);
    void uploadImage(xcb_pixmap_t pixmap, xcb_gcontext_t gc, std::uint8_t imageDepth, PixelLayout layout,
                     const QImage& image);
    void ensureGround(const Ground& ground);
    xcb_render_picture_t glyphPicture(const QImage& coverage);
    xcb_render_picture_t colorPicture(QRgb color);
    void freeGlyphs();
    void freeWindowResources();
    void release();
};

bool X11FieldPainter::Server::probe(xcb_connection_t* c)
{
    probed = true;
    connection = c;
    const xcb_query_extension_reply_t* render = xcb_get_extension_data(c, &xcb_render_id);
    if (!render || !render->present)
        return false;
    ReplyPtr<xcb_render_query_version_reply_t> version{
        xcb_render_query_version_reply(c, xcb_render_query_version(c, 0, 11), nullptr)};
    // Solid fills came with version 0.10.
    if (!version || (version->major_version == 0 && version->minor_version < 10))
        return false;
    ReplyPtr<xcb_render_query_pict_formats_reply_t> formats{
        xcb_render_query_pict_formats_reply(c, xcb_render_query_pict_formats(c), nullptr)};
    if (!formats)
        return false;
    for (auto it = xcb_render_query_pict_formats_formats_iterator(formats.reply); it.rem;
         xcb_render_pictforminfo_next(&it)) {
        const xcb_render_pictforminfo_t& info = *it.data;
        if (info.type == XCB_RENDER_PICT_TYPE_DIRECT && info.depth == 8 && info.direct.alpha_mask == 0xff
            && info.direct.red_mask == 0 && info.direct.green_mask == 0 && info.direct.blue_mask == 0)
            alphaFormat = info.id;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    const std::optional<PixelLayout> alpha = pixelLayout(setup, 8);
    // Images are sent as the toolkit holds them: 32-bit pixels, least significant byte first.
    if (!alphaFormat || !alpha || alpha->bitsPerPixel != 8 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    alphaLayout = *alpha;
    maxRequestBytes = xcb_get_maximum_request_length(c) * 4;
    return true;
}

bool X11FieldPainter::Server::bindWindow(xcb_window_t id)
{
    if (id == window)
        return windowFormat != 0;
    freeWindowResources();
    window = id;
    const auto geometryCookie = xcb_get_geometry(connection, id);
    const auto attributesCookie = xcb_get_window_attributes(connection, id);
    const auto formatsCookie = xcb_render_query_pict_formats(connection);
    ReplyPtr<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(connection, geometryCookie, nullptr)};
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes{
        xcb_get_window_attributes_reply(connection, attributesCookie, nullptr)};
    ReplyPtr<xcb_render_query_pict_formats_reply_t> formats{
        xcb_render_query_pict_formats_reply(connection, formatsCookie, nullptr)};
    if (!geometry || !attributes || !formats)
        return false;
    const std::optional<PixelLayout> layout = pixelLayout(xcb_get_setup(connection), geometry->depth);
    if ((geometry->depth != 24 && geometry->depth != 32) || !layout || layout->bitsPerPixel != 32)
        return false;
    windowFormat = formatOfVisual(formats.reply, attributes->visual);
    depth = geometry->depth;
    windowLayout = *layout;
    return windowFormat != 0;
}

void X11FieldPainter::Server::ensureScratch(QSize size)
{
    if (scratch && scratchSize == size)
        return;
    if (scratch) {
        xcb_render_free_picture(connection, scratchPicture);
        xcb_free_pixmap(connection, scratch);
    }
    scratchSize = size;
    scratch = xcb_generate_id(connection);
    xcb_create_pixmap(connection, depth, scratch, window, static_cast<std::uint16_t>(size.width()),
                      static_cast<std::uint16_t>(size.height()));
    scratchPicture = xcb_generate_id(connection);
    xcb_render_create_picture(connection, scratchPicture, scratch, windowFormat, 0, nullptr);
    for (xcb_gcontext_t* gc : {&windowGc, &copyGc}) {
        if (*gc)
            continue;
        *gc = xcb_generate_id(connection);
        const std::uint32_t noExposures = 0;
        xcb_create_gc(connection, *gc, scratch, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    }
}

void X11FieldPainter::Server::uploadImage(xcb_pixmap_t pixmap, xcb_gcontext_t gc, std::uint8_t imageDepth,
                                          PixelLayout layout, const QImage& image)
{
    const int rowBytes = image.width() * layout.bitsPerPixel / 8;
    const int padBytes = layout.rowPad / 8;
    const int stride = (rowBytes + padBytes - 1) / padBytes * padBytes;
    // As many rows a request as the server takes, less the request's own header.
    const int rowsPerRequest = std::max(1,
                                        static_cast<int>((maxRequestBytes - 64) / static_cast<std::uint32_t>(stride)));
    std::vector<std::uint8_t> rows;
    for (int top = 0; top < image.height(); top += rowsPerRequest) {
        const int count = std::min(rowsPerRequest, image.height() - top);
        rows.assign(static_cast<std::size_t>(stride) * count, 0);
        for (int y = 0; y < count; ++y)
            std::memcpy(rows.data() + static_cast<std::size_t>(y) * stride, image.constScanLine(top + y), rowBytes);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(count), 0, static_cast<std::int16_t>(top), 0, imageDepth,
                      static_cast<std::uint32_t>(rows.size()), rows.data());
    }
}

void X11FieldPainter::Server::ensureGround(const Ground& wanted)
{
    if (ground && groundVersion == wanted.version)
        return;
    if (ground) {
        xcb_render_free_picture(connection, groundPicture);
        xcb_free_pixmap(connection, ground);
    }
    groundVersion = wanted.version;
    // Painted for the upload and let go: the server keeps the only copy.
    const QImage image = wanted.paint();
    ground = xcb_generate_id(connection);
    xcb_create_pixmap(connection, depth, ground, window, static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(image.height()));
    // An opaque picture: on a window with an alpha channel its pixels say so.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    uploadImage(ground, windowGc, depth, windowLayout, opaque);
    groundPicture = xcb_generate_id(connection);
    xcb_render_create_picture(connection, groundPicture, ground, windowFormat, 0, nullptr);
}

xcb_render_picture_t X11FieldPainter::Server::glyphPicture(const QImage& coverage)
{
    if (const auto known = glyphs.find(coverage.cacheKey()); known != glyphs.end())
        return known->second.picture;
    // The letters change with every hit; the coverages of captions gone are let go now
    // and then rather than tracked.
    if (glyphs.size() >= 64)
        freeGlyphs();
    Upload upload;
    upload.pixmap = xcb_generate_id(connection);
    xcb_create_pixmap(connection, 8, upload.pixmap, window, static_cast<std::uint16_t>(coverage.width()),
                      static_cast<std::uint16_t>(coverage.height()));
    if (!alphaGc) {
        alphaGc = xcb_generate_id(connection);
        const std::uint32_t noExposures = 0;
        xcb_create_gc(connection, alphaGc, upload.pixmap, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    }
    uploadImage(upload.pixmap, alphaGc, 8, alphaLayout, coverage);
    upload.picture = xcb_generate_id(connection);
    xcb_render_create_picture(connection, upload.picture, upload.pixmap, alphaFormat, 0, nullptr);
    glyphs.emplace(coverage.cacheKey(), upload);
    return upload.picture;
}

xcb_render_picture_t X11FieldPainter::Server::colorPicture(QRgb color)
{
    if (const auto known = colors.find(color); known != colors.end())
        return known->second;
    const xcb_render_picture_t picture = xcb_generate_id(connection);
    xcb_render_create_solid_fill(connection, picture, renderColor(color));
    colors.emplace(color, picture);
    return picture;
}

void X11FieldPainter::Server::freeGlyphs()
{
    for (const auto& [key, upload] : glyphs) {
        xcb_render_free_picture(connection, upload.picture);
        xcb_free_pixmap(connection, upload.pixmap);
    }
    glyphs.clear();
}

void X11FieldPainter::Server::freeWindowResources()
{
    if (!connection)
        return;
    freeGlyphs();
    for (const auto& [color, picture] : colors)
        xcb_render_free_picture(connection, picture);
    colors.clear();
    if (ground) {
        xcb_render_free_picture(connection, groundPicture);
        xcb_free_pixmap(connection, ground);
        ground = 0;
        groundVersion = 0;
    }
    if (scratch) {
        xcb_render_free_picture(connection, scratchPicture);
        xcb_free_pixmap(connection, scratch);
        scratch = 0;
        scratchSize = QSize();
    }
    for (xcb_gcontext_t* gc : {&windowGc, &alphaGc, &copyGc}) {
        if (*gc)
            xcb_free_gc(connection, *gc);
        *gc = 0;
    }
    window = 0;
    windowFormat = 0;
}

void X11FieldPainter::Server::release()
{
    freeWindowResources();
    if (connection)
        xcb_flush(connection);
}

X11FieldPainter::X11FieldPainter(QWidget& field) : field_(field), server_(std::make_unique<Server>())
{
}

X11FieldPainter::~X11FieldPainter() = default;

bool X11FieldPainter::usable(const QRegion& area) const
{
    const QWidget* native = field_.nativeParentWidget();
    const QWindow* window = native ? native->windowHandle() : nullptr;
    // A scaled window would need the ground and the glyphs at the scale's own size.
    return window && window->isExposed() && field_.isVisible() && field_.devicePixelRatio() == 1.0
           && field_.visibleRegion().intersected(area) == area;
}

bool X11FieldPainter::draw(const QRegion& area, const Ground& ground, const std::vector<Glyph>& glyphs)
{
    if (server_->failed || area.isEmpty() || !usable(area))
        return false;
    if (!area.subtracted(ground.place).isEmpty())
        return false;
    QWidget* native = field_.nativeParentWidget();
    const NativeWindow window = nativeWindowOf(*native->window());
    if (!window.connection)
        return false;
    Server& server = *server_;
    if (!server.probed && !server.probe(window.connection)) {
        server.failed = true;
        return false;
    }
    if (!server.bindWindow(static_cast<xcb_window_t>(native->winId())))
        return false;
    for (const Glyph& glyph : glyphs) {
        if (!glyph.coverage || glyph.coverage->format() != QImage::Format_Alpha8
            || glyph.coverage->size() != glyph.place.size())
            return false;
    }

    xcb_connection_t* c = server.connection;
    server.ensureScratch(field_.size());
    server.ensureGround(ground);
    const QPoint toWindow = field_.mapTo(native, QPoint());
    // The area's rectangles clip every request, so that one of each kind covers them all:
    // the ground, each letter, and the copy to the window.
    std::vector<xcb_rectangle_t> clip;
    for (const QRect& rect : area)
        clip.push_back({static_cast<std::int16_t>(rect.x()), static_cast<std::int16_t>(rect.y()),
                        static_cast<std::uint16_t>(rect.width()), static_cast<std::uint16_t>(rect.height())});
    const auto clipCount = static_cast<std::uint32_t>(clip.size());
    const QRect bounds = area.boundingRect();
    xcb_render_set_picture_clip_rectangles(c, server.scratchPicture, 0, 0, clipCount, clip.data());
    xcb_render_composite(c, XCB_RENDER_PICT_OP_SRC, server.groundPicture, XCB_NONE, server.scratchPicture,
                         static_cast<std::int16_t>(bounds.x() - ground.place.x()),
                         static_cast<std::int16_t>(bounds.y() - ground.place.y()), 0, 0,
                         static_cast<std::int16_t>(bounds.x()), static_cast<std::int16_t>(bounds.y()),
                         static_cast<std::uint16_t>(bounds.width()), static_cast<std::uint16_t>(bounds.height()));
    for (const Glyph& glyph : glyphs) {
        const QRect part = bounds & glyph.place;
        if (part.isEmpty())
            continue;
        xcb_render_composite(c, XCB_RENDER_PICT_OP_OVER, server.colorPicture(glyph.color),
                             server.glyphPicture(*glyph.coverage), server.scratchPicture, 0, 0,
                             static_cast<std::int16_t>(part.x() - glyph.place.x()),
                             static_cast<std::int16_t>(part.y() - glyph.place.y()), static_cast<std::int16_t>(part.x()),
                             static_cast<std::int16_t>(part.y()), static_cast<std::uint16_t>(part.width()),
                             static_cast<std::uint16_t>(part.height()));
    }
    xcb_set_clip_rectangles(c, XCB_CLIP_ORDERING_UNSORTED, server.copyGc, static_cast<std::int16_t>(toWindow.x()),
                            static_cast<std::int16_t>(toWindow.y()), clipCount, clip.data());
    xcb_copy_area(c, server.scratch, server.window, server.copyGc, static_cast<std::int16_t>(bounds.x()),
                  static_cast<std::int16_t>(bounds.y()), static_cast<std::int16_t>(bounds.x() + toWindow.x()),
                  static_cast<std::int16_t>(bounds.y() + toWindow.y()), static_cast<std::uint16_t>(bounds.width()),
                  static_cast<std::uint16_t>(bounds.height()));
    xcb_flush(c);
    aheadOfToolkit_ = true;
    ++drawsMade_;
    watchWindow();
    return true;
}

void X11FieldPainter::watchWindow()
{
    QWidget* native = field_.nativeParentWidget();
    QWindow* window = native ? native->windowHandle() : nullptr;
    if (window == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = window;
    if (window) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, [this] { watchedWindow_ = nullptr; });
    }
}

bool X11FieldPainter::eventFilter(QObject* watched, QEvent* event)
{
    // Before the toolkit shows the exposed part from its backing store, the field is
    // marked for a repaint, which the same expose then paints and shows.
    if (watched == watchedWindow_ && aheadOfToolkit_
        && (event->type() == QEvent::Expose || event->type() == QEvent::Paint)) {
        aheadOfToolkit_ = false;
        field_.update();
    }
    return false;
}

}  // namespace tappon
