// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "game/game_narrator.h"
#include "platform/controls/button.h"
#include "platform/controls/control_array.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/window/window.h"

#include <cstdint>
#include <string>

namespace tappon {

// The main window: the playing field where five letters fall, the side panel with the
// hits, the seconds left and the best score, the buttons and the menus. It holds all
// of the game's state for as long as the program runs.
class frmtype : public Window {
public:
    explicit frmtype(Application& app);

    void Form_Load() override;

    // Respawns: a new character, a new shared fall step, a new place above the field.
    void init();    // Label1(0): characters 1 to J
    void init1();   // Label1(1): a to z
    void init2();   // Label1(2): a to z
    void init13();  // Label1(4): a to z
    void init14();  // Label1(3): a to z

    void Command1_Click();  // start, or resume a paused game
    void Command2_Click();  // stop
    void Command3_Click();  // pause
    void Timer1_Timer();    // the letters fall
    void Timer2_Timer();    // the game clock and the verdict
    void Timer4_Timer();    // the title banner
    void Picture1_KeyPress(std::int16_t KeyAscii);
    void Text1_Click();
    void play_Click();
    void pause1_Click();
    void jibie_Click(std::int16_t Index);
    void sound_Click();
    void care_Click();
    void guanyu_Click();
    void end_Click();

    // The game's state.
    std::int16_t hitCount = 0;
    std::int16_t fallStep = 0;
    std::string levelIndex;
    std::int16_t baseSpeed = 0;
    std::int32_t targetScore = 0;
    bool paused = false;
    std::string bannerText;
    std::string bannerShown;
    std::int16_t bannerLength = 0;
    std::int16_t loopIndex = 0;

    // The controls the behaviour works with.
    ControlArray<Label> Label1;
    Label& Label4;
    Label& Label5;
    Label& Label9;
    Label& Label10;
    TextBox& Text1;
    PictureBox& Picture1;
    PictureBox& Picture2;
    Button& Command1;
    Button& Command2;
    Button& Command3;
    Timer& Timer1;
    Timer& Timer2;
    Timer& Timer4;
    MenuItem& play;
    MenuItem& pause1;
    MenuItem& sound;
    MenuItem& end;
    MenuItem& care;
    MenuItem& guanyu;
    ControlArray<MenuItem> jibie;

    // What a player who plays by ear hears of the game.
    GameNarrator narrator;

private:
    void bindHandlers();
    void respawn(Label& letter, int firstCode);
    void parkLetters();
    void startNewGame();
    void resume();
    void showVerdict();
};

}  // namespace tappon
