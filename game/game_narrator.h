// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control_array.h"
#include "platform/controls/label.h"
#include "platform/services/screen_reader.h"
#include "platform/time/scheduler.h"

#include <cstdint>
#include <string>

namespace tappon {

// What a game says to a player who plays by ear, through the screen reader: its start
// and length, each hit with the new count, the seconds left every ten seconds and each
// of the last five, pause, resume and stop; and, when the player asks, which characters
// fall. The verdict speaks for itself in its box.
//
// A count takes the reader most of a second to say, and a fast typist hits faster than
// that: a hit is said at once, but within the spacing after it only the newest count
// waits to be said, replacing any that waited before it.
class GameNarrator {
public:
    GameNarrator(ScreenReader& reader, Scheduler& scheduler);
    ~GameNarrator();
    GameNarrator(const GameNarrator&) = delete;
    GameNarrator& operator=(const GameNarrator&) = delete;

    void started(const std::string& seconds);
    void hit(std::int16_t hits);
    void secondsLeft(const std::string& seconds);
    void paused();
    void resumed();
    // A stop says so only while a game runs: the stop that follows a verdict is silent.
    void stopped();
    void timeUp();

    // Says the characters in the field, lowest first; those parked above it are not there.
    void fallingCharacters(const ControlArray<Label>& letters);

private:
    void say(const std::string& text, bool dropsWaitingCount = true);
    void sayWaitingCount();

    ScreenReader& reader_;
    Scheduler& scheduler_;
    Scheduler::TimerId hitSpacing_;
    bool spacingHits_ = false;
    std::string waitingCount_;
    bool running_ = false;
};

}  // namespace tappon
