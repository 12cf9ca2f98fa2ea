// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control_array.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/line.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/timer.h"
#include "platform/window/window.h"

#include <cstdint>

namespace tappon {

// The help window: a black panel with a few lines of advice that drops down from above
// the screen onto the main window, and slides back up and away on Esc or a click.
// It reads the main window's place, size and sound switch, and changes nothing there.
class Frmhelp : public Window {
public:
    Frmhelp(Application& app, const Form& main, const MenuItem& soundSwitch);

    void Form_Load() override;
    void Timer1_Timer();  // slide-in
    void Timer2_Timer();  // slide-out, then unload
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Label1_Click();

    // The controls the behaviour works with.
    Image& Image1;
    ControlArray<Label> Label2;
    Label& Label1;
    ControlArray<Line> Line1;
    Timer& Timer1;
    Timer& Timer2;

private:
    void startSlideOut();

    const Form& main_;
    const MenuItem& soundSwitch_;
};

}  // namespace tappon
