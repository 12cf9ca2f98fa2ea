// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "designs/spoken.h"

#include <array>
#include <utility>

namespace tappon::spoken {

namespace {

// Screen readers pass over most punctuation at their default settings, and read a
// capital like its small letter; either would leave the player typing the wrong key.
std::string characterName(const std::string& character)
{
    static constexpr std::array<std::pair<std::string_view, const char*>, 7> kSymbols{{
        {":", "冒号"},
        {";", "分号"},
        {"<", "小于号"},
        {"=", "等号"},
        {">", "大于号"},
        {"?", "问号"},
        {"@", "at 符号"},
    }};
    for (const auto& [symbol, name] : kSymbols) {
        if (character == symbol)
            return name;
    }
    if (character.size() == 1 && character[0] >= 'A' && character[0] <= 'Z')
        return "大写 " + character;
    return character;
}

}  // namespace

std::string gameStarted(std::string_view seconds)
{
    return "开始，共 " + std::string(seconds) + " 秒";
}

std::string hits(std::string_view count)
{
    return "得分 " + std::string(count);
}

std::string secondsLeft(std::string_view seconds)
{
    return "还剩 " + std::string(seconds) + " 秒";
}

std::string fallingCharacters(const std::vector<std::string>& lowestFirst)
{
    if (lowestFirst.empty())
        return "没有下落的字符";
    std::string text = "下落的字符，从低到高：";
    for (std::size_t i = 0; i < lowestFirst.size(); ++i) {
        if (i > 0)
            text += "，";
        text += characterName(lowestFirst[i]);
    }
    return text;
}

}  // namespace tappon::spoken
