// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The main window as the player meets it: built through the application and the Qt
// window host, with fake services and a virtual clock, shown on an offscreen screen.
// How it paints is in main_window_painting_test.cpp, how typing and clicks reach it in
// main_window_input_test.cpp, its controls and menus as designed in window_designs_test.cpp.
#include "game/frmtype.h"
#include "platform/design/twips.h"
#include "platform/qt/services/qt_message_box.h"
#include "platform/qt/window/form_view.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/services/services.h"
#include "platform/window/application.h"
#include "tests/support/qt_program.h"

#include <QAction>
#include <QApplication>
#include <QtTest>

using namespace tappon;
using namespace tappon::testing;

class MainWindowTest : public QtProgramTest {
    Q_OBJECT

private slots:
    void playingFieldHoldsTheKeyboardFocusAtStart()
    {
        QCOMPARE(QApplication::focusWidget(), program->widget("Picture1"));
        QCOMPARE(program->main->form().focused(), &program->main->Picture1);
    }

    void soundItemTogglesOncePerClick()
    {
        // The handler inverts the mark; the action must show the model's mark, not flip again.
        program->action("sound")->trigger();
        QVERIFY(!program->main->sound.checked());
        QVERIFY(!program->action("sound")->isChecked());
        program->action("sound")->trigger();
        QVERIFY(program->main->sound.checked());
        QVERIFY(program->action("sound")->isChecked());
    }

    void levelItemMovesTheCheckMark()
    {
        program->action("jibie", 3)->trigger();
        QVERIFY(program->action("jibie", 3)->isChecked());
        QVERIFY(!program->action("jibie", 1)->isChecked());
        QCOMPARE(program->main->baseSpeed, std::int16_t{80});
    }

    void emptyCaptionStaysEmptyUntilTheBannerTypesIt()
    {
        QCOMPARE(program->view().windowTitle(), QString());
        program->clock.advance(program->app.scheduler(), std::chrono::milliseconds(300));
        QCOMPARE(program->view().windowTitle(), QString::fromStdString(program->main->form().caption()));
        QVERIFY(!program->view().windowTitle().isEmpty());
    }

    void fallingAndRespawnedLettersMoveTheirWidgets()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        program->clock.advance(program->app.scheduler(), std::chrono::milliseconds(500));
        for (int i = 0; i <= 4; ++i)
            QCOMPARE(program->widget("Label1", i)->pos(), QPoint(twipsToPixels(program->main->Label1[i].left()),
                                                                 twipsToPixels(program->main->Label1[i].top())));
    }

    void windowReportsItsOuterFrameToTheModel()
    {
        // The model's Left/Top/Width/Height are the outer frame, menu bar included.
        const QRect frame = program->view().frameGeometry();
        const Form& form = program->main->form();
        QCOMPARE(form.left(), pixelsToTwips(frame.x()));
        QCOMPARE(form.top(), pixelsToTwips(frame.y()));
        QCOMPARE(form.height(), pixelsToTwips(frame.height()));
        QVERIFY(form.height() > form.design().clientHeight);
    }

    void messageBoxWarmUpLeavesNothingBehind()
    {
        // The program warms the message boxes up while its first window is on screen.
        const auto windowsBefore = QGuiApplication::allWindows().size();
        const auto widgetsBefore = QApplication::topLevelWidgets().size();
        QtMessageBox::warmUp();
        QCoreApplication::processEvents();
        QCOMPARE(QGuiApplication::allWindows().size(), windowsBefore);
        QCOMPARE(QApplication::topLevelWidgets().size(), widgetsBefore);
        QCOMPARE(QApplication::activeWindow(), &program->view());
    }

    void closingTheMainWindowEndsTheProgram()
    {
        program->view().close();
        QVERIFY(program->app.ended());
        QVERIFY(program->host.quitRequested());
        QCOMPARE(program->host.exitCode(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
