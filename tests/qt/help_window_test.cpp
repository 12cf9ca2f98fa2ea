// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The real help window on the Qt binding: opened from the main window's menu, closed
// by Esc or a click on its instruction. Time is the virtual clock's, advanced by hand.
#include "game/frmtype.h"
#include "platform/qt/window/form_view.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/services/services.h"
#include "platform/window/application.h"
#include "tests/support/qt_program.h"
#include "windows/frmhelp.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>

#include <chrono>

namespace tappon {
namespace {

using namespace std::chrono_literals;

}  // namespace

class HelpWindowQtTest : public testing::QtProgramTest {
    Q_OBJECT

private slots:
    void escSlidesTheWindowOutAndUnloadsIt()
    {
        // After the slide-in, Esc pressed in the window takes it away six ticks later.
        QPointer<FormView> view = openFromMenu();
        QVERIFY(view);
        program->advance(300ms);
        Frmhelp* help = program->app.find<Frmhelp>();
        QVERIFY(help);
        QVERIFY(!help->Timer1.enabled());
        QCOMPARE(view->frameGeometry().topLeft(),
                 QPoint(twipsToPixels(help->form().left()), twipsToPixels(help->form().top())));
        QTest::keyClick(view->clientArea(), Qt::Key_Escape);
        QVERIFY(help->Timer2.enabled());
        program->advance(300ms);
        QVERIFY(!program->app.find<Frmhelp>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.isNull());
        QVERIFY(program->app.acceptsInput(program->main->form()));
    }

    void theHelpItemOpensAModalWindowInAFixedDialogFrame()
    {
        // `care` shows it modally, blocking the main window. The window draws its own
        // dialog frame; its Width and Height, read by its load handler already, are the
        // outer size, frame included, as the window really is.
        FormView* view = openFromMenu();
        QVERIFY(view);
        QVERIFY(view->isVisible());
        QCOMPARE(view->windowModality(), Qt::ApplicationModal);
        QVERIFY(!program->app.acceptsInput(program->main->form()));
        Frmhelp* help = program->app.find<Frmhelp>();
        QVERIFY(help);
        const QSize client = view->clientArea()->size();
        QVERIFY(view->frameGeometry().width() > client.width());
        QVERIFY(view->frameGeometry().height() > client.height());
        QCOMPARE(help->form().width(), pixelsToTwips(view->frameGeometry().width()));
        QCOMPARE(help->form().height(), pixelsToTwips(view->frameGeometry().height()));
        // Load placed it with its bottom edge, frame included, on the screen's top edge.
        QCOMPARE(view->frameGeometry().bottom() + 1, 0);
    }

    void anotherKeyLeavesTheWindowOpen()
    {
        // Only Esc closes; any other key just sounds.
        FormView* view = openFromMenu();
        QVERIFY(view);
        program->advance(300ms);
        // Every key of the keyboard rings, keys that type nothing included.
        const Qt::Key keys[] = {Qt::Key_A,         Qt::Key_Return,   Qt::Key_Semicolon, Qt::Key_QuoteLeft,
                                Qt::Key_Backslash, Qt::Key_CapsLock, Qt::Key_Menu,      Qt::Key_Super_L};
        const auto ringsBefore = program->sound.played.size();
        for (const Qt::Key key : keys)
            QTest::keyClick(view->clientArea(), key);
        QTest::keyClick(view->clientArea(), Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(program->sound.played.size() - ringsBefore, std::size(keys) + 1);
        program->advance(1000ms);
        Frmhelp* help = program->app.find<Frmhelp>();
        QVERIFY(help);
        QVERIFY(!help->Timer2.enabled());
    }

    void clickingTheInstructionClosesTheWindow()
    {
        // A left click on Label1 is Label1_Click.
        FormView* view = openFromMenu();
        QVERIFY(view);
        program->advance(300ms);
        Frmhelp* help = program->app.find<Frmhelp>();
        QVERIFY(help);
        QWidget* instruction = view->widgetOf(help->Label1);
        QVERIFY(instruction);
        QTest::mouseClick(instruction, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(help->Timer2.enabled());
        program->advance(300ms);
        QVERIFY(!program->app.find<Frmhelp>());
    }

private:
    FormView* openFromMenu()
    {
        program->action("care")->trigger();
        Frmhelp* help = program->app.find<Frmhelp>();
        return help ? program->host.viewOf(help->form()) : nullptr;
    }
};

}  // namespace tappon

QTEST_MAIN(tappon::HelpWindowQtTest)
#include "help_window_test.moc"
