// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the program says only to a screen reader: the names of what shows no text of
// its own, the messages of a game and the description of the playing field. What a
// sighted player reads stays in the designs and the handlers.
namespace tappon::spoken {

// Names.
inline constexpr const char* kField = "游戏区";
inline constexpr const char* kFieldHint = "按 F3 听正在下落的字符";
inline constexpr const char* kScorePanel = "记分板";
inline constexpr const char* kMinutesBox = "分钟数";
inline constexpr const char* kHelpWindow = "帮助";
inline constexpr const char* kSplashWindow = "Tappon";

// Messages of a game.
inline constexpr const char* kPaused = "暂停";
inline constexpr const char* kResumed = "继续";
inline constexpr const char* kStopped = "游戏结束";
std::string gameStarted(std::string_view seconds);  // "开始，共 60 秒"
std::string hits(std::string_view count);           // "得分 12"
std::string secondsLeft(std::string_view seconds);  // "还剩 10 秒"

// What F3 in the playing field tells: the falling characters, lowest first, each said
// so that it cannot be mistaken ("大写 A", "冒号").
std::string fallingCharacters(const std::vector<std::string>& lowestFirst);

}  // namespace tappon::spoken
