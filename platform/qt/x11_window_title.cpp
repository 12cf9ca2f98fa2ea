#include "platform/qt/x11_window_title.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tappon {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t result = reply->atom;
    std::free(reply);
    return result;
}

}  // namespace

void clearNativeWindowTitle(QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // Only a window that exists natively has properties to remove; creating it here
    // would fix its flags too early. The show clears the title again.
    if (!window.windowHandle() || !window.windowHandle()->handle())
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_VISIBLE_NAME", "WM_NAME"}) {
        const xcb_atom_t property = atom(connection, name);
        if (property != XCB_ATOM_NONE)
            xcb_delete_property(connection, id, property);
    }
    xcb_flush(connection);
}

}  // namespace tappon
