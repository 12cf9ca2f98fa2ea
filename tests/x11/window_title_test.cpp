// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The window title written straight to the X server: both title properties hold it, the
// program is not told of its own writes, and it still hears of everyone else's.
#include "platform/qt/x11/x11_window_title.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

using namespace tappon;

namespace {

xcb_connection_t* connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t idOf(QWidget& window)
{
    return static_cast<xcb_window_t>(window.winId());
}

xcb_atom_t atom(const char* name)
{
    const auto cookie = xcb_intern_atom(connection(), 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection(), cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// A property's bytes, or nothing when the window does not have it.
std::optional<QByteArray> propertyOf(xcb_window_t window, xcb_atom_t name)
{
    const auto cookie = xcb_get_property(connection(), 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection(), cookie, nullptr);
    std::optional<QByteArray> result;
    if (reply && reply->type != XCB_ATOM_NONE)
        result = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                            xcb_get_property_value_length(reply));
    std::free(reply);
    return result;
}

std::uint32_t eventMask(xcb_window_t window)
{
    const auto cookie = xcb_get_window_attributes(connection(), window);
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(connection(), cookie, nullptr);
    const std::uint32_t mask = reply ? reply->your_event_mask : 0;
    std::free(reply);
    return mask;
}

// Collects the property change notices the program is sent.
class PropertyNotices : public QAbstractNativeEventFilter {
public:
    PropertyNotices() { qGuiApp->installNativeEventFilter(this); }
    ~PropertyNotices() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (type == "xcb_generic_event_t" && (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY)
            seen.push_back(*reinterpret_cast<const xcb_property_notify_event_t*>(event));
        return false;
    }

    int count(xcb_window_t window, xcb_atom_t name) const
    {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const xcb_property_notify_event_t& notice) {
            return notice.window == window && notice.atom == name;
        }));
    }

    std::vector<xcb_property_notify_event_t> seen;
};

// Lets the server answer everything asked so far and the program read what came back.
void settle()
{
    free(xcb_get_input_focus_reply(connection(), xcb_get_input_focus(connection()), nullptr));
    QTest::qWait(150);
}

}  // namespace

class WindowTitleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
    }

    void bothPropertiesHoldTheTitleAndNoNoticeComesBack()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const xcb_window_t id = idOf(window);
        const xcb_atom_t netWmName = atom("_NET_WM_NAME");
        const std::uint32_t maskBefore = eventMask(id);
        QVERIFY(maskBefore & XCB_EVENT_MASK_PROPERTY_CHANGE);
        PropertyNotices notices;

        for (const char* title : {"Tappon  h", "Tappon  ht", "Tappon  htt"})
            QVERIFY(writeNativeWindowTitle(window, QString::fromLatin1(title)));
        settle();

        QCOMPARE(propertyOf(id, netWmName), QByteArray("Tappon  htt"));
        QCOMPARE(propertyOf(id, XCB_ATOM_WM_NAME), QByteArray("Tappon  htt"));
        QCOMPARE(notices.count(id, netWmName), 0);
        QCOMPARE(notices.count(id, XCB_ATOM_WM_NAME), 0);
        QCOMPARE(eventMask(id), maskBefore);

        // Anyone else's change is still heard: the window listens again after each write.
        const QByteArray other("from elsewhere");
        xcb_change_property(connection(), XCB_PROP_MODE_REPLACE, id, netWmName, atom("UTF8_STRING"), 8,
                            static_cast<std::uint32_t>(other.size()), other.constData());
        settle();
        QCOMPARE(notices.count(id, netWmName), 1);
    }

    void anEmptyTitleRemovesThePropertiesQuietly()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const xcb_window_t id = idOf(window);
        QVERIFY(writeNativeWindowTitle(window, QStringLiteral("Tappon")));
        settle();
        PropertyNotices notices;

        QVERIFY(writeNativeWindowTitle(window, QString()));
        settle();

        QCOMPARE(propertyOf(id, atom("_NET_WM_NAME")), std::nullopt);
        QCOMPARE(propertyOf(id, XCB_ATOM_WM_NAME), std::nullopt);
        QVERIFY(notices.seen.empty());
    }

    void eachWindowGetsItsOwnListeningBack()
    {
        QWidget first;
        QWidget second;
        first.show();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        // The second window also listens for visibility changes, so the two differ.
        const std::uint32_t secondMask = eventMask(idOf(second)) | XCB_EVENT_MASK_VISIBILITY_CHANGE;
        xcb_change_window_attributes(connection(), idOf(second), XCB_CW_EVENT_MASK, &secondMask);
        const std::uint32_t firstMask = eventMask(idOf(first));

        for (int round = 0; round < 2; ++round) {
            QVERIFY(writeNativeWindowTitle(first, QStringLiteral("one")));
            QVERIFY(writeNativeWindowTitle(second, QStringLiteral("two")));
        }
        settle();

        QCOMPARE(eventMask(idOf(first)), firstMask);
        QCOMPARE(eventMask(idOf(second)), secondMask);
    }

    void aTitleTheToolkitWouldWriteOtherwiseIsLeftToIt()
    {
        QWidget window;
        window.setWindowTitle(QStringLiteral("before"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        settle();

        QVERIFY(!writeNativeWindowTitle(window, QStringLiteral("Continue\uff01")));
        QVERIFY(!writeNativeWindowTitle(window, QStringLiteral("Tappon[*]")));
        settle();

        QCOMPARE(propertyOf(idOf(window), atom("_NET_WM_NAME")), QByteArray("before"));
    }
};

QTEST_MAIN(WindowTitleTest)
#include "window_title_test.moc"
