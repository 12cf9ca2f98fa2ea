// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "windows/frm_splash.h"

#include "platform/values/checked_int.h"
#include "platform/window/application.h"
#include "sound/effects.h"

#include <algorithm>

namespace tappon {

namespace {

// A colour component from a random number in [0, 1): the nearest integer to r x 256,
// halves to the even one; 256 is shown as 255.
std::uint8_t colorComponent(float r)
{
    const double nearest = roundHalfEven(static_cast<double>(r * 256.0f));
    return static_cast<std::uint8_t>(std::min(nearest, 255.0));
}

}  // namespace

frmSplash::frmSplash(Application& app, MainWindowLoader loadMainWindow, const FormDesign& design)
    : Window(app, design),
      Timer2(form().get<Timer>("Timer2")),
      Image1(form().array<Image>("Image1")),
      Shape2(form().get<Shape>("Shape2")),
      loadMainWindow_(std::move(loadMainWindow))
{
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

// The splash ignores the main window's sound switch: its effects always play.
void frmSplash::Timer2_Timer()
{
    splashTicks = incrementInt16(splashTicks);

    if (splashTicks == 2) {
        Image1[0].setVisible(true);
        playEffect(app().services(), kSoundGun);
    }
    if (splashTicks == 4) {
        Image1[1].setVisible(true);
        playEffect(app().services(), kSoundGun);
    }
    if (splashTicks == 6) {
        Image1[2].setVisible(true);
        playEffect(app().services(), kSoundGun);
    }

    // The bar grows from the centre of the window until it is at least as wide.
    if (Shape2.width() < form().width() && splashTicks >= 9) {
        app().services().random.seedFromClock();
        Shape2.setWidth(Shape2.width() + 2000.0f);
        Shape2.setLeft((form().width() - Shape2.width()) / 2.0f);
        Shape2.setBorderColor(randomBarColor());
        Shape2.setVisible(true);
    }

    if (splashTicks == 14 || splashTicks == 20) {
        Shape2.setWidth(0.0f);
        Shape2.setLeft(0.0f);
    }

    if (splashTicks == 40) {
        Window& main = loadMainWindow_(app());
        app().show(main, ShowMode::Modeless);
        playEffect(app().services(), kSoundDing);
        // Unloading ends this window; nothing of it may be touched after this line.
        app().unload(*this);
    }
}

Color frmSplash::randomBarColor()
{
    // Drawn one by one: red first, then green, then blue.
    const float r1 = app().services().random.next();
    const float r2 = app().services().random.next();
    const float r3 = app().services().random.next();
    return Color::rgb(colorComponent(r1), colorComponent(r2), colorComponent(r3));
}

}  // namespace tappon
