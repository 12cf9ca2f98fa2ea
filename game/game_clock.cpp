// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The game clock: one tick a second counts the seconds left down; at 0 the verdict.
#include "game/frmtype.h"

#include "platform/values/checked_int.h"
#include "platform/values/number_text.h"
#include "platform/window/application.h"

namespace tappon {

void frmtype::Timer2_Timer()
{
    // The seconds left live only in the caption: read, count down, write back.
    Label5.setCaption(numberText(numberAtStart(Label5.caption()) - 1.0));
    narrator.secondsLeft(Label5.caption());
    if (numberAtStart(Label5.caption()) > 0)
        return;

    Timer1.setEnabled(false);
    Command1.setEnabled(true);
    Label5.setCaption("0");
    Timer2.setEnabled(false);
    Text1.setEnabled(true);
    // A finished game is over even if it had been paused and resumed: the next start
    // begins a new game rather than resuming this one.
    paused = false;
    Command3.setEnabled(false);
    pause1.setEnabled(false);

    narrator.timeUp();
    showVerdict();

    if (numberAtStart(Label10.caption()) < numberAtStart(Label4.caption()))
        Label10.setCaption(Label4.caption());
    Label4.setCaption("0");
    hitCount = 0;
}

void frmtype::showVerdict()
{
    const std::int16_t h = hitCount;
    const std::int32_t t = targetScore;
    const std::int16_t T1 = toInt16(t * 0.7);
    const std::int16_t T2 = toInt16(t);
    const std::int16_t T3 = toInt16(t * 1.2);
    MessageBoxService& box = app().services().messageBox;
    if (h <= T1) {
        box.show("You are a loser man！", "Harder！", MessageIcon::Information);
        Command2_Click();
    } else if (h < T2) {
        box.show("Right.Come on.Continue for a top one！", "Come on ！", MessageIcon::Information);
        Command2_Click();
    } else if (h >= T3) {
        box.show("Congraduation！You are very good！", "Very good！", MessageIcon::Information);
    }
}

}  // namespace tappon
