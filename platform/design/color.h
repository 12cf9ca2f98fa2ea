// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>

namespace tappon {

// Colours of the desktop's scheme, named by their role; the toolkit layer maps them.
enum class SystemColor : std::uint8_t {
    None,  // a plain RGB colour
    ActiveBorder,
    HighlightText,
    ButtonFace,
    WindowText,
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    SystemColor system = SystemColor::None;

    static constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        return Color{red, green, blue, SystemColor::None};
    }
    static constexpr Color fromSystem(SystemColor role) { return Color{0, 0, 0, role}; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

}  // namespace tappon
