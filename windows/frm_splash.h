// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "designs/designs.h"
#include "platform/controls/control_array.h"
#include "platform/controls/image.h"
#include "platform/controls/shape.h"
#include "platform/controls/timer.h"
#include "platform/window/window.h"

#include <cstdint>
#include <functional>

namespace tappon {

// The start-up window: three name tiles appear one after the other with a shot, a
// coloured bar grows across the window, collapses and grows again; at the 40th tick
// the window opens the main window and goes away. It is told how to create the main
// window (which it then shows), so that it needs to know nothing of it.
class frmSplash : public Window {
public:
    using MainWindowLoader = std::function<Window&(Application&)>;

    frmSplash(Application& app, MainWindowLoader loadMainWindow, const FormDesign& design = designs::splashWindow());

    void Timer2_Timer();

    std::int16_t splashTicks = 0;

    Timer& Timer2;
    ControlArray<Image> Image1;
    Shape& Shape2;

private:
    Color randomBarColor();

    MainWindowLoader loadMainWindow_;
};

}  // namespace tappon
