// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "game/frmtype.h"

#include "designs/designs.h"
#include "platform/values/checked_int.h"
#include "platform/window/application.h"

namespace tappon {

frmtype::frmtype(Application& app)
    : Window(app, designs::mainWindow()),
      Label1(form().array<Label>("Label1")),
      Label4(form().get<Label>("Label4")),
      Label5(form().get<Label>("Label5")),
      Label9(form().get<Label>("Label9")),
      Label10(form().get<Label>("Label10")),
      Text1(form().get<TextBox>("Text1")),
      Picture1(form().get<PictureBox>("Picture1")),
      Picture2(form().get<PictureBox>("Picture2")),
      Command1(form().get<Button>("Command1")),
      Command2(form().get<Button>("Command2")),
      Command3(form().get<Button>("Command3")),
      Timer1(form().get<Timer>("Timer1")),
      Timer2(form().get<Timer>("Timer2")),
      Timer4(form().get<Timer>("Timer4")),
      play(form().get<MenuItem>("play")),
      pause1(form().get<MenuItem>("pause1")),
      sound(form().get<MenuItem>("sound")),
      end(form().get<MenuItem>("end")),
      care(form().get<MenuItem>("care")),
      guanyu(form().get<MenuItem>("guanyu")),
      jibie(form().array<MenuItem>("jibie")),
      narrator(app.services().screenReader, app.scheduler())
{
    bindHandlers();
}

void frmtype::bindHandlers()
{
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Picture1.onKeyPress = [this](std::int16_t keyAscii) { Picture1_KeyPress(keyAscii); };
    Text1.onClick = [this] { Text1_Click(); };
    play.onClick = [this] { play_Click(); };
    pause1.onClick = [this] { pause1_Click(); };
    sound.onClick = [this] { sound_Click(); };
    care.onClick = [this] { care_Click(); };
    guanyu.onClick = [this] { guanyu_Click(); };
    end.onClick = [this] { end_Click(); };
    // F3 in the field asks which characters fall; it is no character, so no hit or miss.
    Picture1.onKeyDown = [this](std::int16_t keyCode, std::int16_t) {
        if (keyCode == kKeyF3)
            narrator.fallingCharacters(Label1);
    };
    for (const auto& [index, item] : jibie)
        item->onClick = [this, index = index] { jibie_Click(static_cast<std::int16_t>(index)); };
}

void frmtype::Form_Load()
{
    jibie[1].setChecked(true);
    paused = false;
    Picture2.setBackColor(Color::rgb(72, 84, 72));
    app().services().random.seedFromClock();
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Label9.setCaption("最好成绩：");
    form().setCaption(app().services().appInfo.title() + "  " + designs::kWebSite);
    bannerText = form().caption();
    // A screen reader names the window by its whole title while the banner types it.
    form().setAccessibleName(bannerText);
    Timer4.setEnabled(true);
    form().setCaption("");
    baseSpeed = 25;
    parkLetters();
}

// Parks the five letters just above the field. The loop's counter is the window's
// shared loopIndex, which the title banner reads: it goes on from five characters.
void frmtype::parkLetters()
{
    for (loopIndex = 0; loopIndex <= 4; loopIndex = incrementInt16(loopIndex))
        Label1[loopIndex].setTop(-600);
}

}  // namespace tappon
