// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// libFuzzer target: every text the three-character time box can hold, given to the
// number reader and to the start of a game in a headless main window.
#include "game/frmtype.h"
#include "platform/values/number_text.h"
#include "tests/support/harness.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using tappon::frmtype;
using tappon::isNumeric;
using tappon::numberAtStart;
using tappon::numberText;

[[noreturn]] void fail(const std::string& text, const char* what)
{
    std::fprintf(stderr, "time box text \"%s\" (%zu bytes): %s\n", text.c_str(), text.size(), what);
    std::abort();
}

// One program with its main window, kept across inputs as a player keeps it open.
struct Game {
    Game() { h.app.show(window, tappon::ShowMode::Modeless); }
    tappon::testing::Harness h;
    frmtype& window = h.app.load<frmtype>();
};

void checkReader(const std::string& text)
{
    // Three characters can never reach beyond double: any exception is a fault.
    try {
        const bool numeric = isNumeric(text);
        const double value = numberAtStart(text);
        if (!std::isfinite(value))
            fail(text, "the number read is not finite");
        const std::string written = numberText(value);
        if (numeric && numberAtStart(written) != value)
            fail(text, "the number does not read back from its text");
    } catch (const std::exception& error) {
        fail(text, error.what());
    }
}

void checkGameStart(Game& game, const std::string& text)
{
    frmtype& w = game.window;
    game.h.messageBox.shown.clear();
    game.h.sound.played.clear();
    w.Text1.setTextFromInput(text);
    const std::string held = w.Text1.text();
    w.form().click(w.Command1);
    if (game.h.app.ended())
        fail(text, "starting a game ended the program");

    if (held.empty() || !isNumeric(held)) {
        if (game.h.messageBox.shown.size() != 1 || game.h.messageBox.shown[0].prompt != "请正确输入时间！")
            fail(text, "a rejected time did not give the warning");
        if (w.Timer1.enabled() || w.Timer2.enabled() || !w.Command1.enabled())
            fail(text, "a rejected time started something");
        return;
    }

    const double seconds = numberAtStart(held) * 60.0;
    if (w.Label5.caption() != numberText(seconds))
        fail(text, "Label5 does not hold the game time in seconds");
    if (!w.Timer1.enabled() || !w.Timer2.enabled() || w.Text1.enabled())
        fail(text, "an accepted time did not start the game");

    game.h.advanceMs(1000);
    if (game.h.app.ended())
        fail(text, "the first second of the game ended the program");
    const double left = numberAtStart(numberText(seconds)) - 1;
    if (left > 0) {
        if (w.Label5.caption() != numberText(left) || !w.Timer2.enabled())
            fail(text, "the clock did not count down one second");
        w.form().click(w.Command2);
    } else if (w.Timer2.enabled() || w.Label5.caption() != "0" || game.h.messageBox.shown.empty()) {
        fail(text, "a game of a second or less did not end with its verdict");
    }
    if (w.Command2.enabled())
        w.form().click(w.Command2);
    if (game.h.app.ended() || w.Timer1.enabled() || w.Timer2.enabled() || !w.Command1.enabled())
        fail(text, "the game did not stop");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 3)
        return -1;  // the time box holds three characters: not worth keeping
    static Game game;
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkReader(text);
    checkGameStart(game, text);
    return 0;
}
