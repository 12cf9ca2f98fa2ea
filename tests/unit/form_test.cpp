// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/window/application.h"
#include "tests/support/harness.h"

#include <gtest/gtest.h>

#include <string>

namespace tappon {
namespace {

using namespace std::chrono_literals;

FormDesign sampleDesign(std::string name)
{
    FormDesign d;
    d.name = std::move(name);
    d.clientWidth = 3000;
    d.clientHeight = 2000;
    d.controls = {
        // One control a line: clang-format would give each field of a long one a line of its own.
        // clang-format off
        ControlDesign{.kind = ControlKind::PictureBox, .name = "Field", .width = 1000, .height = 1000, .tabIndex = 0},
        ControlDesign{.kind = ControlKind::Label, .name = "Note", .container = "Field", .caption = "x"},
        ControlDesign{.kind = ControlKind::TextBox, .name = "Entry", .caption = "12345", .tabIndex = 1, .maxLength = 3},
        ControlDesign{.kind = ControlKind::Button, .name = "Go", .tabIndex = 5, .isDefault = true},
        ControlDesign{.kind = ControlKind::Button, .name = "Back", .tabIndex = 6, .isCancel = true},
        ControlDesign{.kind = ControlKind::Timer, .name = "Tick", .enabled = true, .intervalMs = 100},
        ControlDesign{.kind = ControlKind::MenuItem, .name = "file", .caption = "&File"},
        ControlDesign{.kind = ControlKind::MenuItem, .name = "run", .container = "file", .caption = "&Run", .shortcut = "F2"},
        ControlDesign{.kind = ControlKind::MenuItem, .name = "halt", .container = "file", .caption = "&Halt", .enabled = false, .shortcut = "Ctrl+P"},
        ControlDesign{.kind = ControlKind::MenuItem, .name = "level", .index = 1, .container = "file", .caption = "One"},
        ControlDesign{.kind = ControlKind::MenuItem, .name = "level", .index = 3, .container = "file", .caption = "Three"},
        // clang-format on
    };
    return d;
}

// A window that records what reaches its handlers.
template <int Tag>
class RecordingWindow : public Window {
public:
    RecordingWindow(Application& app, const FormDesign& design) : Window(app, design)
    {
        Form& f = form();
        f.get<Button>("Go").onClick = [this] { log += "Go;"; };
        f.get<Button>("Back").onClick = [this] { log += "Back;"; };
        f.get<PictureBox>("Field").onKeyPress = [this](std::int16_t key) {
            log += "Field:" + std::to_string(key) + ";";
        };
        f.get<TextBox>("Entry").onKeyPress = [this](std::int16_t key) { log += "Entry:" + std::to_string(key) + ";"; };
        f.get<MenuItem>("run").onClick = [this] { log += "run;"; };
        f.get<MenuItem>("halt").onClick = [this] { log += "halt;"; };
        f.get<Timer>("Tick").onTimer = [this] { ++ticks; };
    }
    std::string log;
    int ticks = 0;
};

using WindowA = RecordingWindow<0>;
using WindowB = RecordingWindow<1>;

class FormTest : public ::testing::Test {
protected:
    testing::Harness h;
    FormDesign design = sampleDesign("formA");
    WindowA& a = h.app.load<WindowA>(design);
    Form& form = a.form();
    PictureBox& field = form.get<PictureBox>("Field");
    TextBox& entry = form.get<TextBox>("Entry");
    Button& go = form.get<Button>("Go");
    Button& back = form.get<Button>("Back");
};

TEST_F(FormTest, KeysGoOnlyToTheFocusedControl)
{
    form.keyPress('a');
    form.setFocus(entry);
    form.keyPress('b');
    EXPECT_EQ(a.log, "Field:97;Entry:98;");
}

TEST_F(FormTest, TheFocusStartsOnTheFirstInFocusOrderAndPassesOnFromADisabledControl)
{
    EXPECT_EQ(form.focused(), &field);
    field.setEnabled(false);
    EXPECT_EQ(form.focused(), &entry);
    entry.setEnabled(false);
    EXPECT_EQ(form.focused(), &go);
    go.setEnabled(false);
    EXPECT_EQ(form.focused(), &back);
    field.setEnabled(true);
    back.setVisible(false);
    EXPECT_EQ(form.focused(), &field);  // wraps round to the start
}

TEST_F(FormTest, DisablingAContainerMovesTheFocusOffItsChildren)
{
    FormDesign d = sampleDesign("nested");
    d.controls.push_back(ControlDesign{.kind = ControlKind::PictureBox, .name = "Panel", .tabIndex = 7});
    d.controls.push_back(
        ControlDesign{.kind = ControlKind::Button, .name = "Inner", .container = "Panel", .tabIndex = 8});
    WindowB& b = h.app.load<WindowB>(d);
    Button& inner = b.form().get<Button>("Inner");
    b.form().setFocus(inner);
    b.form().get<PictureBox>("Panel").setEnabled(false);
    EXPECT_FALSE(inner.canTakeFocus());
    EXPECT_EQ(b.form().focused(), &b.form().get<PictureBox>("Field"));
}

TEST_F(FormTest, SetFocusOnAControlThatCannotTakeItIsARuntimeError)
{
    entry.setEnabled(false);
    EXPECT_THROW(form.setFocus(entry), RuntimeError);
    EXPECT_THROW(form.setFocus(form.get<Label>("Note")), RuntimeError);
}

TEST_F(FormTest, EnterPressesTheDefaultButtonUnlessAnotherButtonHasTheFocus)
{
    form.keyPress(13);
    EXPECT_EQ(a.log, "Go;");
    form.setFocus(back);
    form.keyPress(13);
    EXPECT_EQ(a.log, "Go;Back;");
}

TEST_F(FormTest, EnterReachesTheFocusedControlWhenTheDefaultButtonIsDisabled)
{
    go.setEnabled(false);
    form.keyPress(13);
    EXPECT_EQ(a.log, "Field:13;");
}

TEST_F(FormTest, EscPressesTheCancelButton)
{
    form.keyPress(27);
    EXPECT_EQ(a.log, "Back;");
}

TEST_F(FormTest, ClicksOnDisabledControlsAreIgnored)
{
    go.setEnabled(false);
    form.click(go);
    EXPECT_EQ(a.log, "");
}

TEST_F(FormTest, ShortcutsWorkOnlyWhileTheirItemAndItsMenusAreEnabled)
{
    EXPECT_TRUE(form.shortcut("F2"));
    EXPECT_FALSE(form.shortcut("Ctrl+P"));
    form.get<MenuItem>("halt").setEnabled(true);
    EXPECT_TRUE(form.shortcut("Ctrl+P"));
    form.get<MenuItem>("file").setEnabled(false);
    EXPECT_FALSE(form.shortcut("F2"));
    EXPECT_EQ(a.log, "run;halt;");
}

TEST_F(FormTest, ControlArraysKeepTheirOwnIndexes)
{
    const auto levels = form.array<MenuItem>("level");
    EXPECT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[3].caption(), "Three");
    EXPECT_FALSE(levels.contains(2));
    EXPECT_THROW(levels[2], RuntimeError);
}

TEST_F(FormTest, ATextBoxKeepsAtMostItsMaximumLength)
{
    EXPECT_EQ(entry.text(), "123");
    entry.setTextFromInput("最好成绩");
    EXPECT_EQ(entry.text(), "最好成");
}

TEST_F(FormTest, TimersEnabledInTheDesignRunFromLoadAndStopAtUnload)
{
    h.advanceMs(1000);
    EXPECT_EQ(a.ticks, 10);
    h.app.unload(a);
    h.advanceMs(1000);
    EXPECT_TRUE(h.app.windows().empty());
}

TEST_F(FormTest, AModalWindowBlocksInputToTheOthersButNotTheirTimers)
{
    h.app.show(a, ShowMode::Modeless);
    WindowB& b = h.app.load<WindowB>(sampleDesign("formB"));
    h.app.show(b, ShowMode::Modal, &a);
    form.keyPress('a');
    form.click(go);
    EXPECT_FALSE(form.shortcut("F2"));
    b.form().keyPress('b');
    h.advanceMs(500);
    EXPECT_EQ(a.log, "");
    EXPECT_EQ(b.log, "Field:98;");
    EXPECT_EQ(a.ticks, 5);

    h.app.unload(b);
    form.keyPress('a');
    EXPECT_EQ(a.log, "Field:97;");
}

TEST_F(FormTest, ARuntimeErrorInAHandlerIsReportedAndEndsTheProgram)
{
    go.onClick = [] { throw RuntimeError(kErrorOverflow, "Overflow"); };
    form.click(go);
    ASSERT_EQ(h.messageBox.shown.size(), 1u);
    EXPECT_EQ(h.messageBox.shown[0].prompt, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(h.host.quitCalls, (std::vector<int>{1}));
    EXPECT_TRUE(h.app.ended());
    h.advanceMs(1000);
    EXPECT_EQ(a.ticks, 0);  // nothing runs after the report
    form.click(back);
    EXPECT_EQ(a.log, "");
}

}  // namespace
}  // namespace tappon
