// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The main window as the player meets it: built through the application and the Qt
// window host, with fake services and a virtual clock, shown on an offscreen screen.
// How it paints is in main_window_painting_test.cpp, how typing and clicks reach it in
// main_window_input_test.cpp.
#include "designs/designs.h"
#include "game/frmtype.h"
#include "platform/application.h"
#include "platform/services.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_window_host.h"
#include "platform/twips.h"
#include "tests/support/qt_program.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <memory>

using namespace tappon;
using namespace tappon::testing;

namespace {

QList<QAction*> menuActions(QAction* menuAction)
{
    return menuAction->menu()->actions();
}

}  // namespace

class MainWindowTest : public QtProgramTest {
    Q_OBJECT

private slots:
    // Every control drawn by a widget of its own sits where its design puts it, counted
    // from its container's inner area (2 pixels inside a panel's border), and shows its
    // caption, text and tip.
    void controlsSitAndReadAsDesigned_data()
    {
        QTest::addColumn<int>("row");
        const auto& controls = designs::mainWindow().controls;
        for (int row = 0; row < int(controls.size()); ++row) {
            const ControlDesign& design = controls[row];
            const bool ownWidget = design.kind == ControlKind::PictureBox || design.kind == ControlKind::Button ||
                                   design.kind == ControlKind::TextBox ||
                                   (design.kind == ControlKind::Label && design.name != "Label1");
            if (ownWidget)
                QTest::addRow("%s(%d)", design.name.c_str(), design.index) << row;
        }
    }
    void controlsSitAndReadAsDesigned()
    {
        QFETCH(int, row);
        const ControlDesign& design = designs::mainWindow().controls[row];
        QWidget* widget = program->widget(design.name.c_str(), design.index);
        QWidget* container = design.container.empty() ? program->view().clientArea()
                                                      : program->widget(design.container.c_str());
        const QPoint inset = design.container.empty() ? QPoint() : QPoint(2, 2);
        QCOMPARE(widget->mapTo(container, QPoint(0, 0)) - inset,
                 QPoint(twipsToPixels(design.left), twipsToPixels(design.top)));
        if (!design.autoSize)
            QCOMPARE(widget->size(), QSize(twipsToPixels(design.width), twipsToPixels(design.height)));
        // The caption the model holds after loading: the design's, or the one the load sets.
        const Control& control = program->main->form().find(design.name, design.index);
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), QString::fromStdString(static_cast<const Label&>(control).caption()));
        else if (auto* box = qobject_cast<QLineEdit*>(widget))
            QCOMPARE(box->text(), QString::fromStdString(static_cast<const TextBox&>(control).text()));
        QCOMPARE(widget->toolTip(), QString::fromStdString(design.toolTip));
    }

    void autoSizeLabelsTakeTheSizeOfTheirText()
    {
        QWidget* label = program->widget("Label2");
        const QFontMetrics metrics(label->font());
        QVERIFY(label->width() >= metrics.horizontalAdvance(QStringLiteral("现在得分：")));
        QCOMPARE(program->main->Label9.width(), pixelsToTwips(program->widget("Label9")->width()));
    }

    void autoSizeLabelsTakeTheHeightOfTheirDesign()
    {
        // A substitute face is sized to the designed line, so each label is as high as designed.
        for (const ControlDesign& design : program->main->form().design().controls) {
            if (design.kind != ControlKind::Label || !design.autoSize)
                continue;
            const Control& label = program->main->form().find(design.name, design.index);
            QVERIFY2(label.height() == design.height, design.name.c_str());
        }
    }

    void menuBarHoldsTheTwoMenusInOrder()
    {
        const QList<QAction*> titles = program->view().menuBar()->actions();
        QCOMPARE(titles.size(), 2);
        QCOMPARE(titles[0]->text(), QStringLiteral(" 设  置(&S)"));
        QCOMPARE(titles[1]->text(), QStringLiteral("  帮  助(&H)"));
    }

    void settingsMenuHoldsItsItemsWithShortcutsAndSeparator()
    {
        const QList<QAction*> items = menuActions(program->action("sz"));
        QCOMPARE(items.size(), 6);
        QCOMPARE(items[0]->text(), QStringLiteral("开 局(&P)"));
        QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(items[1]->text(), QStringLiteral("级 别(&J)"));
        QVERIFY(items[1]->menu() != nullptr);
        QCOMPARE(items[2]->text(), QStringLiteral("音 效"));
        QCOMPARE(items[3]->text(), QStringLiteral("暂 停(&P)"));
        QCOMPARE(items[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(!items[3]->isEnabled());
        QVERIFY(items[4]->isSeparator());
        QCOMPARE(items[5]->text(), QStringLiteral("退 出(&X)"));
    }

    void levelMenuHoldsThreeLevelsWithBeginnerChecked()
    {
        const QList<QAction*> levels = menuActions(program->action("jb"));
        QCOMPARE(levels.size(), 3);
        QCOMPARE(levels[0]->text(), QStringLiteral(" 初 级(&C)"));
        QCOMPARE(levels[1]->text(), QStringLiteral(" 中 级(&Z)"));
        QCOMPARE(levels[2]->text(), QStringLiteral(" 高 级(&G)"));
        QVERIFY(levels[0]->isChecked());
        QVERIFY(!levels[1]->isChecked());
        QVERIFY(!levels[2]->isChecked());
        QVERIFY(program->action("sound")->isChecked());
    }

    void helpMenuHoldsHelpWithF1AndAbout()
    {
        const QList<QAction*> items = menuActions(program->action("help"));
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("帮 助(&Z)"));
        QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(items[1]->text(), QStringLiteral("关 于(&A)"));
    }

    void playingFieldHoldsTheKeyboardFocusAtStart()
    {
        QCOMPARE(QApplication::focusWidget(), program->widget("Picture1"));
        QCOMPARE(program->main->form().focused(), &program->main->Picture1);
    }

    void f2StartsAGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        QCOMPARE(program->labelText("Label5"), QStringLiteral("60"));
        QVERIFY(program->action("pause1")->isEnabled());
    }

    void ctrlPPausesARunningGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        QTest::keyClick(program->view().windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(program->main->paused);
        QVERIFY(program->widget("Command1")->isEnabled());
        QVERIFY(!program->action("pause1")->isEnabled());
    }

    void ctrlPDoesNothingWhilePauseIsDisabled()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!program->main->paused);
        QVERIFY(!program->main->Timer1.enabled());
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

    void movingALetterMovesItsWidget()
    {
        Label& letter = program->main->Label1[2];
        letter.setTop(1500);
        QCOMPARE(program->widget("Label1", 2)->y(), 100);
        letter.setLeft(300);
        QCOMPARE(program->widget("Label1", 2)->x(), 20);
    }

    void fallingLettersFollowTheTimer()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        program->clock.advance(program->app.scheduler(), std::chrono::milliseconds(500));
        for (int i = 0; i <= 4; ++i)
            QCOMPARE(program->widget("Label1", i)->y(), twipsToPixels(program->main->Label1[i].top()));
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
