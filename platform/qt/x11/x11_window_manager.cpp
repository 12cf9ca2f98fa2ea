// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/x11/x11_window_manager.h"

#include "platform/qt/x11/x11_native_window.h"

#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

namespace tappon {

namespace {

// How long a window manager may take to say how thick its frame will be. Window
// managers answer within a millisecond or two; one that does not answer at all costs
// this much on each first show.
constexpr int kFrameAnswerMs = 250;

// A property of 32-bit items, empty when the window does not have it.
std::vector<std::uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::vector<std::uint32_t> items;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        items.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return items;
}

// The window manager's check window names itself (EWMH): then one runs.
bool managerRuns(const NativeWindow& native)
{
    const xcb_atom_t check = internAtom(native.connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<std::uint32_t> onRoot = cardinals(native.connection, native.root, check);
    if (onRoot.empty())
        return false;
    const std::vector<std::uint32_t> onChild = cardinals(native.connection, onRoot.front(), check);
    return !onChild.empty() && onChild.front() == onRoot.front();
}

bool managerSupports(const NativeWindow& native, xcb_atom_t feature)
{
    if (!managerRuns(native))
        return false;
    for (const std::uint32_t supported :
         cardinals(native.connection, native.root, internAtom(native.connection, "_NET_SUPPORTED")))
        if (supported == feature)
            return true;
    return false;
}

// The frame in the window's own pixels: the window manager gives it in the screen's,
// of which a window on a screen scaled 2x has two to each of its own.
std::optional<QMargins> readFrameExtents(const NativeWindow& native, xcb_atom_t property, qreal ratio)
{
    const std::vector<std::uint32_t> extents = cardinals(native.connection, native.id, property);
    if (extents.size() != 4)
        return std::nullopt;
    const auto own = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
    // Left, right, top, bottom.
    return QMargins(own(extents[0]), own(extents[2]), own(extents[1]), own(extents[3]));
}

}  // namespace

std::optional<QMargins> requestFrameExtents(QWidget& window)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return std::nullopt;
    const xcb_atom_t request = internAtom(native.connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(native.connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || !managerSupports(native, request))
        return std::nullopt;
    // The frame depends on whether the window can be resized: the size hints go first
    // (the toolkit writes its own, the same, when it maps the window).
    const QSize size = window.size() * window.devicePixelRatioF();
    // Minimum and maximum size, and the window's position given as its client area's.
    constexpr std::uint32_t kMinMaxAndGravity = 16 | 32 | 512;
    constexpr std::uint32_t kStaticGravity = 10;
    std::uint32_t sizeHints[18] = {kMinMaxAndGravity};
    sizeHints[5] = sizeHints[7] = static_cast<std::uint32_t>(size.width());
    sizeHints[6] = sizeHints[8] = static_cast<std::uint32_t>(size.height());
    sizeHints[17] = kStaticGravity;
    xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, sizeHints);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = native.id;
    message.type = request;
    xcb_send_event(native.connection, 0, native.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(native.connection);
    // The toolkit's own thread reads the connection's events: the answer is looked for
    // on the window itself.
    QElapsedTimer waited;
    waited.start();
    do {
        if (const std::optional<QMargins> answer = readFrameExtents(native, extents, window.devicePixelRatioF()))
            return answer;
        QThread::msleep(2);
    } while (waited.elapsed() < kFrameAnswerMs);
    return std::nullopt;
}

std::optional<QMargins> frameExtents(QWidget& window)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return std::nullopt;
    return readFrameExtents(native, internAtom(native.connection, "_NET_FRAME_EXTENTS"), window.devicePixelRatioF());
}

void setSeeThrough(QWidget& window, bool seeThrough)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return;
    const xcb_atom_t opacity = internAtom(native.connection, "_NET_WM_WINDOW_OPACITY");
    if (opacity == XCB_ATOM_NONE)
        return;
    if (seeThrough) {
        const std::uint32_t none = 0;
        xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, opacity, XCB_ATOM_CARDINAL, 32, 1,
                            &none);
    } else {
        xcb_delete_property(native.connection, native.id, opacity);
    }
    xcb_flush(native.connection);
}

std::optional<QPoint> clientPositionOnScreen(QWidget& window)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return std::nullopt;
    const auto cookie = xcb_translate_coordinates(native.connection, native.id, native.root, 0, 0);
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(native.connection, cookie, nullptr);
    if (!reply)
        return std::nullopt;
    const qreal ratio = window.devicePixelRatioF();
    const QPoint position(qRound(reply->dst_x / ratio), qRound(reply->dst_y / ratio));
    std::free(reply);
    return position;
}

bool windowManagerRuns(QWidget& window)
{
    const NativeWindow native = nativeWindowOf(window);
    return native.connection && managerRuns(native);
}

void offerFixedSizeActions(QWidget& window, bool minimisable)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return;
    const xcb_atom_t hints = internAtom(native.connection, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE)
        return;
    // Flags (functions and decorations given), functions, decorations, input mode, status.
    constexpr std::uint32_t kFunctionsAndDecorations = 1 | 2;
    constexpr std::uint32_t kMove = 4;
    constexpr std::uint32_t kMinimise = 8;
    constexpr std::uint32_t kClose = 32;
    constexpr std::uint32_t kBorderTitleAndMenu = 2 | 8 | 16;
    constexpr std::uint32_t kMinimiseButton = 32;
    const std::uint32_t value[5] = {kFunctionsAndDecorations, kMove | kClose | (minimisable ? kMinimise : 0),
                                    kBorderTitleAndMenu | (minimisable ? kMinimiseButton : 0), 0, 0};
    xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, hints, hints, 32, 5, value);
    xcb_flush(native.connection);
}

void setInputFocus(QWidget& window)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return;
    // Only a viewable window can take the focus; anything else is an error on the server.
    const auto cookie = xcb_get_window_attributes(native.connection, native.id);
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(native.connection, cookie, nullptr);
    const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    if (!viewable)
        return;
    xcb_set_input_focus(native.connection, XCB_INPUT_FOCUS_PARENT, native.id, XCB_CURRENT_TIME);
    xcb_flush(native.connection);
}

}  // namespace tappon
