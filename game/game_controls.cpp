// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Starting, resuming, pausing and stopping a game; the menus and the time box.
#include "game/frmtype.h"

#include "platform/values/checked_int.h"
#include "platform/values/number_text.h"
#include "platform/window/application.h"
#include "sound/effects.h"
#include "windows/frm_about.h"
#include "windows/frmhelp.h"

#include <algorithm>

namespace tappon {

namespace {

// The verdict's target for a game: the hits per minute a player of the chosen level
// should manage, times the minutes of the game.
int hitsPerMinute(std::int16_t baseSpeed)
{
    switch (baseSpeed) {
    case 50:
        return 45;
    case 80:
        return 60;
    default:
        return 30;
    }
}

// The largest target whose verdict thresholds (x 0.7, x 1, x 1.2) all fit 16 bits.
inline constexpr double kLargestTarget = 27306;

}  // namespace

void frmtype::Command1_Click()
{
    playEffectIf(sound.checked(), app().services(), kSoundDu);
    if (paused) {
        resume();
        return;
    }
    const std::string& time = Text1.text();
    if (time.empty() || !isNumeric(time)) {
        app().services().messageBox.show("请正确输入时间！", app().services().appInfo.title(), MessageIcon::Warning);
        if (Text1.canTakeFocus())
            form().setFocus(Text1);
        return;
    }
    startNewGame();
}

// The start button also resumes a paused game: the letters and the clock go on from
// where they stood, and `paused` stays set until a stop.
void frmtype::resume()
{
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Picture1.setEnabled(true);
    form().setFocus(Picture1);
    Command3.setEnabled(true);
    pause1.setEnabled(true);
    Command2.setEnabled(true);
    Command1.setEnabled(false);
    narrator.resumed();
}

void frmtype::startNewGame()
{
    hitCount = 0;
    Label4.setCaption("0");
    Label5.setCaption("0");
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    const double minutes = numberAtStart(Text1.text());
    Label5.setCaption(numberText(minutes * 60.0));
    targetScore = static_cast<std::int32_t>(
        std::clamp(roundHalfEven(minutes * hitsPerMinute(baseSpeed)), 0.0, kLargestTarget));
    Text1.setEnabled(false);
    Picture1.setEnabled(true);
    form().setFocus(Picture1);
    Command3.setEnabled(true);
    pause1.setEnabled(true);
    Command2.setEnabled(true);
    Command1.setEnabled(false);
    // Label1(0) is not respawned: it falls from where it is parked.
    init1();
    init2();
    init13();
    init14();
    narrator.started(Label5.caption());
}

void frmtype::Command2_Click()
{
    playEffectIf(sound.checked(), app().services(), kSoundDu);
    Text1.setEnabled(true);
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Command2.setEnabled(false);
    Command1.setEnabled(true);
    Command3.setEnabled(false);
    pause1.setEnabled(false);
    Label4.setCaption("0");
    hitCount = 0;
    Label5.setCaption("0");
    parkLetters();
    paused = false;
    narrator.stopped();
}

void frmtype::Command3_Click()
{
    paused = true;
    Picture1.setEnabled(false);
    Command1.setEnabled(true);
    Command3.setEnabled(false);
    pause1.setEnabled(false);
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    playEffectIf(sound.checked(), app().services(), kSoundDu);
    narrator.paused();
}

void frmtype::pause1_Click()
{
    Command3_Click();
}

void frmtype::play_Click()
{
    Command1_Click();
}

void frmtype::jibie_Click(std::int16_t Index)
{
    levelIndex = numberText(Index);
    MenuItem& clicked = jibie[toInt16(numberAtStart(levelIndex))];
    clicked.setChecked(!clicked.checked());
    if (levelIndex == "1") {
        baseSpeed = 25;
        jibie[2].setChecked(false);
        jibie[3].setChecked(false);
    } else if (levelIndex == "2") {
        baseSpeed = 50;
        jibie[1].setChecked(false);
        jibie[3].setChecked(false);
    } else if (levelIndex == "3") {
        baseSpeed = 80;
        jibie[1].setChecked(false);
        jibie[2].setChecked(false);
    }
}

void frmtype::sound_Click()
{
    sound.setChecked(!sound.checked());
}

void frmtype::Text1_Click()
{
    Text1.setText("");
}

void frmtype::care_Click()
{
    Frmhelp& help = app().load<Frmhelp>(form(), sound);
    app().show(help, ShowMode::Modal, this);
}

void frmtype::guanyu_Click()
{
    frmAbout& about = app().load<frmAbout>(form());
    app().show(about, ShowMode::Modal, this);
}

void frmtype::end_Click()
{
    app().end(0);
}

}  // namespace tappon
