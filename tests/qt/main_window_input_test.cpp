// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Typing, the input method, menu shortcuts and mouse presses on the main window reach
// the model: the default button, the playing field, the menu items, the time box and
// the falling letters.
#include "game/frmtype.h"
#include "platform/qt/window/form_view.h"
#include "platform/window/application.h"
#include "tests/support/qt_program.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using namespace tappon;
using namespace tappon::testing;

namespace {

// Types through the window system, so each key goes to whichever widget has the focus.
void typeInto(QWindow* window, const char* text)
{
    for (const char* c = text; *c; ++c)
        QTest::keyClick(window, *c);
}

// Records each mouse press on a control as "name x,y", in the control's twips.
void recordPresses(Control& control, std::string name, std::vector<std::string>& presses)
{
    control.onMouseDown = [name = std::move(name), &presses](std::int16_t, std::int16_t, float x, float y) {
        presses.push_back(name + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
}

}  // namespace

class MainWindowInputTest : public QtProgramTest {
    Q_OBJECT

private slots:
    void enterPressesTheDefaultButtonAndStartsAGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_Return);
        QCOMPARE(program->labelText("Label5"), QStringLiteral("60"));
        QVERIFY(!program->widget("Command1")->isEnabled());
    }

    void typedKeysReachThePlayingField()
    {
        // Right after load all five letters show "0": one key hits all five.
        typeInto(program->view().windowHandle(), "0");
        QCOMPARE(program->labelText("Label4"), QStringLiteral("5"));
    }

    void inputMethodCommitStringsCountAsTypedCharacters()
    {
        QInputMethodEvent event;
        event.setCommitString(QStringLiteral("0"));
        QApplication::sendEvent(program->widget("Picture1"), &event);
        QCOMPARE(program->labelText("Label4"), QStringLiteral("5"));
    }

    void menuShortcutsRunTheirItemOnlyWhileTheModelLetsThem_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("expected");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        // One row a line: clang-format would break a row between two strings side by side.
        // clang-format off
        QTest::newRow("F1 helps") << Qt::Key_F1 << none << "" << "care";
        QTest::newRow("F2 starts") << Qt::Key_F2 << none << "" << "play";
        QTest::newRow("Ctrl+P pauses") << Qt::Key_P << Qt::KeyboardModifiers(Qt::ControlModifier) << "enable pause"
                                       << "key 17 pause1";
        // A key the menu does not take goes on to the focused control.
        QTest::newRow("Ctrl+P with pause disabled") << Qt::Key_P << Qt::KeyboardModifiers(Qt::ControlModifier) << ""
                                                    << "key 17 key 80";
        QTest::newRow("F2 with its menu disabled") << Qt::Key_F2 << none << "disable menu" << "key 113";
        QTest::newRow("F2 under the about window") << Qt::Key_F2 << none << "about" << "";
        // clang-format on
    }

    void menuShortcutsRunTheirItemOnlyWhileTheModelLetsThem()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, before);
        QFETCH(QString, expected);
        frmtype& main = *program->main;
        QStringList ran;
        for (MenuItem* item : {&main.care, &main.play, &main.pause1})
            item->onClick = [item, &ran] { ran << QString::fromStdString(item->name()); };
        main.Picture1.onKeyDown = [&ran](std::int16_t code, std::int16_t) {
            ran << QStringLiteral("key %1").arg(code);
        };
        if (before == "enable pause")
            main.pause1.setEnabled(true);
        if (before == "disable menu")
            main.form().find("sz").setEnabled(false);
        if (before == "about")
            main.form().click(main.guanyu);
        QTest::keyClick(program->view().windowHandle(), key, modifiers);
        QCOMPARE(ran.join(u' '), expected);
    }

    void clickingTheTimeBoxEmptiesIt()
    {
        auto* box = static_cast<QLineEdit*>(program->widget("Text1"));
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(program->main->Text1.text(), std::string());
    }

    void typingIntoTheTimeBoxReachesTheModel()
    {
        auto* box = static_cast<QLineEdit*>(program->widget("Text1"));
        QTest::mouseClick(box, Qt::LeftButton);
        typeInto(program->view().windowHandle(), "2");
        QCOMPARE(program->main->Text1.text(), std::string("2"));
        QTest::keyClick(program->view().windowHandle(), Qt::Key_Return);
        QCOMPARE(program->labelText("Label5"), QStringLiteral("120"));
    }

    void pressesOnALetterGoToItsLabelAndElsewhereToTheField()
    {
        QWidget* field = program->widget("Picture1");
        Label& letter = program->main->Label1[0];
        letter.setCaption("M");
        letter.setLeft(600);
        letter.setTop(900);
        Label& under = program->main->Label1[4];
        under.setCaption("M");
        under.setLeft(600);
        under.setTop(900);
        std::vector<std::string> got;
        recordPresses(letter, "Label1(0)", got);
        recordPresses(under, "Label1(4)", got);
        recordPresses(program->main->Picture1, "Picture1", got);
        int clicks = 0;
        under.onClick = [&clicks] { ++clicks; };
        // The later label lies on top; positions count from the label's own corner.
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 40 + 3, 2 + 60 + 4));
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 200, 2 + 250));
        under.setEnabled(false);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 40 + 3, 2 + 60 + 4));
        under.setVisible(false);
        under.setEnabled(true);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 40 + 3, 2 + 60 + 4));
        const std::vector<std::string> expected = {"Label1(4) 45,60", "Picture1 3000,3750", "Label1(0) 45,60",
                                                   "Label1(0) 45,60"};
        QCOMPARE(got, expected);
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(MainWindowInputTest)
#include "main_window_input_test.moc"
