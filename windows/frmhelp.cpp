// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "windows/frmhelp.h"

#include "designs/designs.h"
#include "platform/window/application.h"
#include "sound/effects.h"

namespace tappon {

namespace {

// How far the panel moves on every tick, in or out.
inline constexpr Twips kSlideStep = 1500;
// The slide-in ends once the panel's top edge is this close above the main window's.
inline constexpr Twips kArrivalDistance = 50;

}  // namespace

Frmhelp::Frmhelp(Application& app, const Form& main, const MenuItem& soundSwitch)
    : Window(app, designs::helpWindow()),
      Image1(form().get<Image>("Image1")),
      Label2(form().array<Label>("Label2")),
      Label1(form().get<Label>("Label1")),
      Line1(form().array<Line>("Line1")),
      Timer1(form().get<Timer>("Timer1")),
      Timer2(form().get<Timer>("Timer2")),
      main_(main),
      soundSwitch_(soundSwitch)
{
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Label1.onClick = [this] { Label1_Click(); };
    form().onKeyDown = [this](std::int16_t keyCode, std::int16_t shift) { Form_KeyDown(keyCode, shift); };
    form().onMouseDown = [this](std::int16_t button, std::int16_t shift, float x, float y) {
        Form_MouseDown(button, shift, x, y);
    };
}

// Starts entirely above the screen, horizontally centred on the main window.
void Frmhelp::Form_Load()
{
    form().setLeft((main_.width() - form().width()) / 2 + main_.left());
    form().setTop(-form().height());
    Timer1.setEnabled(true);
}

void Frmhelp::Timer1_Timer()
{
    form().setTop(form().top() + kSlideStep);
    if (main_.top() - form().top() <= kArrivalDistance) {
        form().setTop((main_.height() - form().height()) / 2 + main_.top());
        playEffectIf(soundSwitch_.checked(), app().services(), kSoundDu);
        Timer1.setEnabled(false);
    }
}

void Frmhelp::Timer2_Timer()
{
    form().setTop(form().top() - kSlideStep);
    if (form().top() <= -form().height())
        app().unload(*this);  // gone once this tick returns: touch nothing after it
}

void Frmhelp::Form_KeyDown(std::int16_t KeyCode, [[maybe_unused]] std::int16_t Shift)
{
    if (KeyCode == kKeyEscape)
        startSlideOut();
    playEffectIf(soundSwitch_.checked(), app().services(), kSoundDing);
}

void Frmhelp::Form_MouseDown(std::int16_t Button, [[maybe_unused]] std::int16_t Shift, [[maybe_unused]] float X,
                             [[maybe_unused]] float Y)
{
    if (Button == kLeftButton)
        startSlideOut();
    playEffectIf(soundSwitch_.checked(), app().services(), kSoundDing);
}

void Frmhelp::Label1_Click()
{
    startSlideOut();
}

// A close request during the slide-in ends the slide-in: with both timers running, their
// equal and opposite steps would hold the panel (and the modal wait) where it is.
void Frmhelp::startSlideOut()
{
    Timer2.setEnabled(true);
    Timer1.setEnabled(false);
}

}  // namespace tappon
