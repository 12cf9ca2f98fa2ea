// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Pause, resume, stop, the menus, and which controls are usable in each state.
#include "tests/support/game_fixture.h"

namespace tappon {
namespace {

using testing::GameTest;

// Which of the game's controls are usable, and whether the game runs.
struct Usable {
    bool command1, command2, command3, pause1, picture1, text1, timers, paused;
    friend bool operator==(const Usable&, const Usable&) = default;
};

std::ostream& operator<<(std::ostream& out, const Usable& u)
{
    return out << "C1=" << u.command1 << " C2=" << u.command2 << " C3=" << u.command3 << " pause1=" << u.pause1
               << " P1=" << u.picture1 << " T1=" << u.text1 << " timers=" << u.timers << " paused=" << u.paused;
}

class GameStateTest : public GameTest {
protected:
    Usable usable() const
    {
        EXPECT_EQ(game.Timer1.enabled(), game.Timer2.enabled());
        return {game.Command1.enabled(), game.Command2.enabled(), game.Command3.enabled(), game.pause1.enabled(),
                game.Picture1.enabled(), game.Text1.enabled(),    game.Timer1.enabled(),   game.paused};
    }
};

TEST_F(GameStateTest, EachActionSetsTheControlsOfItsState)
{
    //                                 C1     C2     C3     pause1 P1     Text1  timers paused
    const Usable idle{true, false, false, false, true, true, false, false};
    const Usable running{false, true, true, true, true, false, true, false};
    const Usable paused{true, true, false, false, false, false, false, true};
    const Usable resumed{false, true, true, true, true, false, true, true};
    const Usable stoppedFromPause{true, false, false, false, false, true, false, false};

    EXPECT_EQ(usable(), idle) << "load";
    click(game.Command1);
    EXPECT_EQ(usable(), running) << "start";
    click(game.Command3);
    EXPECT_EQ(usable(), paused) << "pause";
    click(game.Command1);
    EXPECT_EQ(usable(), resumed) << "resume";
    click(game.pause1);
    EXPECT_EQ(usable(), paused) << "pause from the menu";
    click(game.Command2);
    EXPECT_EQ(usable(), stoppedFromPause) << "stop while paused";
    click(game.Command1);
    EXPECT_EQ(usable(), running) << "start after a stop is a new game";
    click(game.Command2);
    EXPECT_EQ(usable(), idle) << "stop while running";
}

TEST_F(GameStateTest, StopResetsTheReadoutsAndParksTheLetters)
{
    startGame();
    showLetters({"5", "a", "b", "c", "d"});
    type("ab");
    h.advanceMs(2500);
    h.sound.played.clear();
    click(game.Command2);
    EXPECT_EQ(game.Label4.caption(), "0");
    EXPECT_EQ(game.Label5.caption(), "0");
    EXPECT_EQ(game.hitCount, 0);
    for (const float top : tops())
        EXPECT_EQ(top, -600);
    EXPECT_EQ(game.Label1[0].caption(), "5");  // captions stay
    EXPECT_EQ(effectsPlayed(), (std::vector<std::string>{"du.WAV"}));
    EXPECT_EQ(game.loopIndex, 5);
}

TEST_F(GameStateTest, ResumeGivesTheKeysBackToTheField)
{
    // That a pause keeps everything where it stands and a resume goes on from there is
    // the scripted game's transcript.
    startGame();
    click(game.Command3);
    click(game.Command1);
    EXPECT_EQ(form().focused(), &game.Picture1);
}

TEST_F(GameStateTest, ResumeDoesNotRecheckTheTime)
{
    startGame();
    click(game.Command3);
    game.Text1.setTextFromInput("abc");
    click(game.Command1);
    EXPECT_TRUE(h.messageBox.shown.empty());
    EXPECT_TRUE(game.Timer1.enabled());
}

TEST_F(GameStateTest, EnterResumesAPausedGame)
{
    startGame();
    click(game.Command3);
    form().setFocus(game.Picture2);
    form().keyPress(13);
    EXPECT_TRUE(game.Timer1.enabled());
    EXPECT_FALSE(game.Command1.enabled());
}

TEST_F(GameStateTest, PlayWhileRunningStartsTheGameAfresh)
{
    startGame();
    showLetters({"5", "a", "b", "c", "d"});
    type("ab");
    h.advanceMs(5000);
    h.sound.played.clear();
    click(game.play);
    EXPECT_EQ(game.hitCount, 0);
    EXPECT_EQ(game.Label4.caption(), "0");
    EXPECT_EQ(game.Label5.caption(), "60");
    EXPECT_NE(game.Label1[1].caption(), "a");
    EXPECT_EQ(effectsPlayed(), (std::vector<std::string>{"du.WAV"}));
}

TEST_F(GameStateTest, PlayInAResumedGameOnlyResumesAgain)
{
    startGame();
    showLetters({"5", "a", "b", "c", "d"});
    type("a");
    click(game.Command3);
    click(game.Command1);
    h.advanceMs(2000);
    const std::string secondsLeft = game.Label5.caption();
    h.sound.played.clear();
    EXPECT_TRUE(form().shortcut("F2"));
    EXPECT_EQ(game.Label5.caption(), secondsLeft);
    EXPECT_EQ(game.Label4.caption(), "1");
    EXPECT_EQ(effectsPlayed(), (std::vector<std::string>{"du.WAV"}));
}

TEST_F(GameStateTest, CtrlPPausesOnlyWhileAGameRuns)
{
    EXPECT_FALSE(form().shortcut("Ctrl+P"));
    startGame();
    EXPECT_TRUE(form().shortcut("Ctrl+P"));
    EXPECT_TRUE(game.paused);
    EXPECT_FALSE(form().shortcut("Ctrl+P"));
}

TEST_F(GameStateTest, PauseThenStopThenStartIsANewGame)
{
    startGame();
    h.advanceMs(10000);
    click(game.Command3);
    click(game.Command2);
    EXPECT_FALSE(game.paused);
    startGame();
    EXPECT_EQ(game.Label5.caption(), "60");
}

TEST_F(GameStateTest, ALevelClickLeavesExactlyThatLevelChecked)
{
    click(game.jibie[2]);
    EXPECT_FALSE(game.jibie[1].checked());
    EXPECT_TRUE(game.jibie[2].checked());
    EXPECT_FALSE(game.jibie[3].checked());
    EXPECT_EQ(game.baseSpeed, 50);
    EXPECT_EQ(game.levelIndex, "2");
    click(game.jibie[3]);
    EXPECT_EQ(game.baseSpeed, 80);
    EXPECT_FALSE(game.jibie[2].checked());
    EXPECT_TRUE(game.jibie[3].checked());
}

TEST_F(GameStateTest, ClickingTheCheckedLevelRemovesItsMarkButKeepsItsSpeed)
{
    click(game.jibie[2]);
    click(game.jibie[2]);
    EXPECT_FALSE(game.jibie[1].checked());
    EXPECT_FALSE(game.jibie[2].checked());
    EXPECT_FALSE(game.jibie[3].checked());
    EXPECT_EQ(game.baseSpeed, 50);
}

TEST_F(GameStateTest, TheSoundSwitchTogglesItsMarkOnly)
{
    EXPECT_TRUE(game.sound.checked());
    click(game.sound);
    EXPECT_FALSE(game.sound.checked());
    click(game.sound);
    EXPECT_TRUE(game.sound.checked());
    EXPECT_TRUE(h.sound.played.empty());
}

TEST_F(GameStateTest, ClickingTheTimeBoxEmptiesItUnlessItIsDisabled)
{
    click(game.Text1);
    EXPECT_EQ(game.Text1.text(), "");
    game.Text1.setTextFromInput("2");
    startGame("2");
    click(game.Text1);
    EXPECT_EQ(game.Text1.text(), "2");
}

TEST_F(GameStateTest, ExitEndsTheProgramAtOnceEvenDuringAGame)
{
    startGame();
    click(game.end);
    EXPECT_TRUE(h.app.ended());
    EXPECT_EQ(h.host.quitCalls, (std::vector<int>{0}));
    EXPECT_TRUE(h.messageBox.shown.empty());
    h.advanceMs(120000);
    EXPECT_EQ(game.Label5.caption(), "60");  // nothing ticks any more
}

}  // namespace
}  // namespace tappon
