// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "game/frmtype.h"
#include "platform/qt/window/form_view.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/window/application.h"
#include "tests/support/fakes.h"
#include "tests/support/virtual_clock.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QObject>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <memory>

namespace tappon::testing {

// A whole program on the Qt binding: fake services, a virtual clock, the real window
// host, and the main window loaded and shown.
struct QtProgram : FakeServices {
    VirtualClock clock;
    QtWindowHost host;
    Application app{services, clock, host};
    frmtype* main = nullptr;

    QtProgram()
    {
        host.bind(app);
        main = &app.load<frmtype>();
        app.show(*main, ShowMode::Modeless);
    }
    FormView& view() const { return *host.viewOf(main->form()); }
    QWidget* widget(const char* name, int index = kNoIndex) const
    {
        return view().widgetOf(main->form().find(name, index));
    }
    QAction* action(const char* name, int index = kNoIndex) const
    {
        return view().actionOf(main->form().find(name, index));
    }
    QString labelText(const char* name) const { return static_cast<QLabel*>(widget(name))->text(); }
    void advance(std::chrono::milliseconds duration) { clock.advance(app.scheduler(), duration); }
    void advanceMs(int ms) { advance(std::chrono::milliseconds(ms)); }
};

// What a screen reader reads of the object.
inline QString accessibleText(QObject* object, QAccessible::Text which)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QStringLiteral("<no accessible interface>");
}

// The base of the Qt tests of the shown program: every test function gets a program of
// its own, its main window active, and nothing of it outlives the function.
class QtProgramTest : public QObject {
    Q_OBJECT

protected slots:
    void init()
    {
        program = std::make_unique<QtProgram>();
        QVERIFY(QTest::qWaitForWindowActive(&program->view()));
    }
    void cleanup()
    {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

protected:
    std::unique_ptr<QtProgram> program;
};

}  // namespace tappon::testing
