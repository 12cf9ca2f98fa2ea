// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "game/game_narrator.h"

#include "designs/spoken.h"
#include "platform/values/number_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tappon {

namespace {

// The last seconds each get a word; before them, every tenth.
inline constexpr double kCountdownSeconds = 5;
inline constexpr double kSecondsBetweenReports = 10;
// About as long as a reader at its default rate takes to say a count.
inline constexpr std::chrono::milliseconds kHitSpacing{700};

}  // namespace

GameNarrator::GameNarrator(ScreenReader& reader, Scheduler& scheduler)
    : reader_(reader), scheduler_(scheduler), hitSpacing_(scheduler.add([this] { sayWaitingCount(); }, "narrator.hits"))
{
}

GameNarrator::~GameNarrator()
{
    scheduler_.remove(hitSpacing_);
}

// A message that the game started, paused or ended makes a waiting count stale; the
// seconds left do not.
void GameNarrator::say(const std::string& text, bool dropsWaitingCount)
{
    if (dropsWaitingCount)
        waitingCount_.clear();
    reader_.announce(text);
}

void GameNarrator::sayWaitingCount()
{
    if (waitingCount_.empty()) {
        spacingHits_ = false;
        scheduler_.stop(hitSpacing_);
        return;
    }
    reader_.announce(waitingCount_);
    waitingCount_.clear();
}

void GameNarrator::started(const std::string& seconds)
{
    running_ = true;
    say(spoken::gameStarted(seconds));
}

void GameNarrator::hit(std::int16_t hits)
{
    const std::string count = spoken::hits(numberText(hits));
    if (spacingHits_) {
        waitingCount_ = count;
        return;
    }
    reader_.announce(count);
    spacingHits_ = true;
    scheduler_.start(hitSpacing_, kHitSpacing);
}

void GameNarrator::secondsLeft(const std::string& seconds)
{
    const double left = numberAtStart(seconds);
    if (left <= 0)
        return;
    if (left <= kCountdownSeconds || std::fmod(left, kSecondsBetweenReports) == 0)
        say(spoken::secondsLeft(seconds), false);
}

void GameNarrator::paused()
{
    say(spoken::kPaused);
}

void GameNarrator::resumed()
{
    say(spoken::kResumed);
}

void GameNarrator::stopped()
{
    if (!running_)
        return;
    running_ = false;
    say(spoken::kStopped);
}

void GameNarrator::timeUp()
{
    running_ = false;
    waitingCount_.clear();
}

void GameNarrator::fallingCharacters(const ControlArray<Label>& letters)
{
    std::vector<const Label*> falling;
    for (const auto& [index, letter] : letters) {
        if (letter->top() + letter->height() > 0)
            falling.push_back(letter);
    }
    // Lowest first: the one nearest the bottom is the one to type before it is lost.
    std::stable_sort(falling.begin(), falling.end(),
                     [](const Label* a, const Label* b) { return a->top() > b->top(); });
    std::vector<std::string> characters;
    for (const Label* letter : falling)
        characters.push_back(letter->caption());
    say(spoken::fallingCharacters(characters), false);
}

}  // namespace tappon
