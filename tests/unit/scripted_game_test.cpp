// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// A whole game played from a script against the seeded generator, written down tick by
// tick: every letter's caption and place, the labels, the title's length, which
// controls are enabled, every effect, every message box and every message for the
// screen reader, each with the moment it happened. The transcript is compared with the one checked in beside this file,
// so any change in what a player would see or hear shows up, including the orders that matter: the letters in a tick
// and in the judging of a key, the respawns of a start, the steps of the stop and of the verdict.
#include "tests/support/game_fixture.h"
#include "tests/support/golden.h"

#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

namespace tappon {
namespace {

using namespace std::chrono_literals;
using testing::GameTest;

class ScriptedGameTest : public GameTest {
protected:
    ScriptedGameTest()
    {
        h.sound.onPlay = [this](const std::string& path) { write("sound " + path.substr(path.rfind('/') + 1)); };
        h.screenReader.onAnnounce = [this](const std::string& text) { write("say \"" + text + "\""); };
        h.messageBox.whileOpen = [this](const testing::ShownMessage& box) {
            write("box \"" + box.title + "\" \"" + box.prompt + "\"");
        };
        h.app.scheduler().setOnTick(
            [this](const std::string& name) { ticked += " " + name.substr(name.find('.') + 1); });
        transcript << "# ms    event | Label1(0..4) caption left,top | Label4 Label5 Label10 | title length"
                      " | enabled: Command1 Command2 Command3 pause1 Text1 Picture1 Timer1 Timer2 | paused\n";
    }

    // One line: the moment, what happened, and the window as it is now.
    void write(const std::string& event)
    {
        char moment[16];
        std::snprintf(
            moment, sizeof moment, "%6lld ",
            static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(h.clock.now()).count()));
        transcript << moment << event << " |";
        for (int i = 0; i < 5; ++i) {
            const Label& letter = game.Label1[i];
            transcript << ' ' << letter.caption() << ' ' << letter.left() << ',' << letter.top();
        }
        transcript << " | " << game.Label4.caption() << ' ' << game.Label5.caption() << ' ' << game.Label10.caption()
                   << " | " << game.form().caption().size() << " | ";
        for (const Control* control :
             std::initializer_list<const Control*>{&game.Command1, &game.Command2, &game.Command3, &game.pause1,
                                                   &game.Text1, &game.Picture1, &game.Timer1, &game.Timer2})
            transcript << (control->enabled() ? '+' : '-');
        transcript << " | " << (game.paused ? "paused" : "-") << '\n';
    }

    // A key for the character `letter` shows now.
    void typeCaptionOf(int letter) { type(game.Label1[letter].caption()); }
    // The next respawn draws the character that `letter` shows now.
    void nextRespawnShows(int letter)
    {
        const int code = static_cast<unsigned char>(game.Label1[letter].caption().at(0));
        h.random.queue({(static_cast<float>(code - 'a') + 0.5f) / 26.0f});
    }

    std::ostringstream transcript;
    std::string ticked;
};

TEST_F(ScriptedGameTest, AWholeGamePlaysAsTheTranscriptSays)
{
    struct Step {
        long long atMs;
        const char* what;
        std::function<void()> act;
    };
    const Step script[] = {
        {100, "start .2 minutes", [&] { startGame(".2"); }},
        {1000, "key hits Label1(1)", [&] { typeCaptionOf(1); }},
        {2000, "key hits Label1(4), which comes back as Label1(3)",
         [&] {
             nextRespawnShows(3);
             typeCaptionOf(4);
         }},
        {2000, "key hits Label1(4) and Label1(3)", [&] { typeCaptionOf(3); }},
        {3000, "level advanced", [&] { click(game.jibie[3]); }},
        {4000, "pause", [&] { click(game.Command3); }},
        {4500, "key while paused", [&] { typeCaptionOf(0); }},
        {5000, "resume", [&] { click(game.Command1); }},
        // The time is up at 14000 ms: 12 s of play and 1 s of pause.
        {14200, "start again", [&] { click(game.Command1); }},
        {14300, "stop", [&] { click(game.Command2); }},
    };
    constexpr long long kEndMs = 14500;

    write("load");
    std::size_t next = 0;
    for (long long ms = 0; ms < kEndMs; ms += 50) {
        for (; next < std::size(script) && script[next].atMs == ms; ++next) {
            script[next].act();
            write(script[next].what);
        }
        ticked.clear();
        h.advance(50ms);
        if (!ticked.empty())
            write("tick" + ticked);
    }

    testing::expectTranscript("scripted_game.txt", transcript.str());
}

}  // namespace
}  // namespace tappon
