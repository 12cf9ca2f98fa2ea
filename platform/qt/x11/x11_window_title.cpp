// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/x11/x11_window_title.h"

#include "platform/qt/x11/x11_native_window.h"

#include <QString>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>
#include <unordered_map>

namespace tappon {

namespace {

// The atoms of the title properties, interned once per connection: a round trip each.
struct TitleAtoms {
    xcb_connection_t* connection = nullptr;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t netWmVisibleName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

const TitleAtoms& titleAtoms(xcb_connection_t* connection)
{
    static TitleAtoms atoms;
    if (atoms.connection != connection) {
        atoms.connection = connection;
        atoms.netWmName = internAtom(connection, "_NET_WM_NAME");
        atoms.netWmVisibleName = internAtom(connection, "_NET_WM_VISIBLE_NAME");
        atoms.utf8String = internAtom(connection, "UTF8_STRING");
    }
    return atoms;
}

// This client's own event mask on a window, read once per window (a round trip) and
// kept: the toolkit sets it when it makes the window and leaves it alone after.
std::optional<std::uint32_t> ownEventMask(const NativeWindow& native)
{
    static xcb_connection_t* connection = nullptr;
    static std::unordered_map<xcb_window_t, std::uint32_t> masks;
    if (connection != native.connection) {
        connection = native.connection;
        masks.clear();
    }
    if (const auto known = masks.find(native.id); known != masks.end())
        return known->second;
    const xcb_get_window_attributes_cookie_t cookie = xcb_get_window_attributes(native.connection, native.id);
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(native.connection, cookie, nullptr);
    if (!reply)
        return std::nullopt;
    const std::uint32_t mask = reply->your_event_mask;
    std::free(reply);
    masks.emplace(native.id, mask);
    return mask;
}

void deleteTitleProperties(const NativeWindow& native)
{
    const TitleAtoms& atoms = titleAtoms(native.connection);
    for (const xcb_atom_t property : {atoms.netWmName, atoms.netWmVisibleName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        if (property != XCB_ATOM_NONE)
            xcb_delete_property(native.connection, native.id, property);
    }
}

// What the toolkit writes to WM_NAME as type STRING (ISO 8859-1): printable Latin-1,
// tabs and line feeds.
bool fitsLatin1String(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool printable = (u >= 0x20 && u < 0x7f) || (u >= 0xa0 && u <= 0xff) || u == '\t' || u == '\n';
        if (!printable)
            return false;
    }
    return true;
}

}  // namespace

void clearNativeWindowTitle(QWidget& window)
{
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return;  // not made natively yet: the show clears the title again
    deleteTitleProperties(native);
    xcb_flush(native.connection);
}

bool writeNativeWindowTitle(QWidget& window, const QString& title)
{
    // The toolkit removes the modification placeholder from a title it shows.
    if (!fitsLatin1String(title) || title.contains(QLatin1String("[*]")))
        return false;
    const NativeWindow native = nativeWindowOf(window);
    if (!native.connection)
        return false;
    const TitleAtoms& atoms = titleAtoms(native.connection);
    if (atoms.netWmName == XCB_ATOM_NONE || atoms.utf8String == XCB_ATOM_NONE)
        return false;
    // The server tells every client that listens for property changes on the window about
    // each title write, this one included: its X thread would wake to read the notice
    // and wake the main thread to hand it over, twice the cost of the write itself.
    // Nothing here needs news of its own title, so this client stops listening for the
    // write and listens again at once. The server runs the requests of one flush one
    // after another, as a rule with nothing of another client's in between.
    const std::optional<std::uint32_t> eventMask = ownEventMask(native);
    const bool quiet = eventMask && (*eventMask & XCB_EVENT_MASK_PROPERTY_CHANGE);
    if (quiet) {
        const std::uint32_t withoutPropertyChanges = *eventMask & ~std::uint32_t(XCB_EVENT_MASK_PROPERTY_CHANGE);
        xcb_change_window_attributes(native.connection, native.id, XCB_CW_EVENT_MASK, &withoutPropertyChanges);
    }
    if (title.isEmpty()) {
        deleteTitleProperties(native);
    } else {
        const QByteArray utf8 = title.toUtf8();
        const QByteArray latin1 = title.toLatin1();
        xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, atoms.netWmName, atoms.utf8String, 8,
                            static_cast<std::uint32_t>(utf8.size()), utf8.constData());
        xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                            static_cast<std::uint32_t>(latin1.size()), latin1.constData());
    }
    if (quiet)
        xcb_change_window_attributes(native.connection, native.id, XCB_CW_EVENT_MASK, &*eventMask);
    xcb_flush(native.connection);
    return true;
}

}  // namespace tappon
