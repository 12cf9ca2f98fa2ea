// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/key_codes.h"

#include "platform/controls/control.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <utility>

namespace tappon {

namespace {

using Pair = std::pair<int, std::int16_t>;

// The main block by its X keycodes (evdev): the same physical key whatever layout
// the desktop has, named by what it types on a US keyboard. 94 is the extra key of
// ISO keyboards, left of Z.
constexpr std::array kByPlace{
    Pair{10, 49},  Pair{11, 50},  Pair{12, 51},  Pair{13, 52},  Pair{14, 53},  Pair{15, 54},  Pair{16, 55},
    Pair{17, 56},  Pair{18, 57},  Pair{19, 48},  Pair{20, 189}, Pair{21, 187}, Pair{24, 81},  Pair{25, 87},
    Pair{26, 69},  Pair{27, 82},  Pair{28, 84},  Pair{29, 89},  Pair{30, 85},  Pair{31, 73},  Pair{32, 79},
    Pair{33, 80},  Pair{34, 219}, Pair{35, 221}, Pair{38, 65},  Pair{39, 83},  Pair{40, 68},  Pair{41, 70},
    Pair{42, 71},  Pair{43, 72},  Pair{44, 74},  Pair{45, 75},  Pair{46, 76},  Pair{47, 186}, Pair{48, 222},
    Pair{49, 192}, Pair{51, 220}, Pair{52, 90},  Pair{53, 88},  Pair{54, 67},  Pair{55, 86},  Pair{56, 66},
    Pair{57, 78},  Pair{58, 77},  Pair{59, 188}, Pair{60, 190}, Pair{61, 191}, Pair{94, 226},
};

// Keys that are the same on every layout, and the main block's keys as a US layout
// names them, for events that carry no native code.
constexpr std::array kByKey{
    Pair{Qt::Key_Cancel, 3},
    Pair{Qt::Key_Backspace, 8},
    Pair{Qt::Key_Tab, 9},
    Pair{Qt::Key_Backtab, 9},
    Pair{Qt::Key_Clear, 12},
    Pair{Qt::Key_Return, 13},
    Pair{Qt::Key_Enter, 13},
    Pair{Qt::Key_Shift, 16},
    Pair{Qt::Key_Control, 17},
    Pair{Qt::Key_Alt, 18},
    Pair{Qt::Key_AltGr, 18},
    Pair{Qt::Key_Pause, 19},
    Pair{Qt::Key_CapsLock, 20},
    Pair{Qt::Key_Escape, 27},
    Pair{Qt::Key_Space, 32},
    Pair{Qt::Key_PageUp, 33},
    Pair{Qt::Key_PageDown, 34},
    Pair{Qt::Key_End, 35},
    Pair{Qt::Key_Home, 36},
    Pair{Qt::Key_Left, 37},
    Pair{Qt::Key_Up, 38},
    Pair{Qt::Key_Right, 39},
    Pair{Qt::Key_Down, 40},
    Pair{Qt::Key_Select, 41},
    Pair{Qt::Key_Printer, 42},
    Pair{Qt::Key_Execute, 43},
    Pair{Qt::Key_Print, 44},
    Pair{Qt::Key_SysReq, 44},
    Pair{Qt::Key_Insert, 45},
    Pair{Qt::Key_Delete, 46},
    Pair{Qt::Key_Help, 47},
    Pair{Qt::Key_Super_L, 91},
    Pair{Qt::Key_Meta, 91},
    Pair{Qt::Key_Super_R, 92},
    Pair{Qt::Key_Menu, 93},
    Pair{Qt::Key_Sleep, 95},
    Pair{Qt::Key_NumLock, 144},
    Pair{Qt::Key_ScrollLock, 145},
    Pair{Qt::Key_Back, 166},
    Pair{Qt::Key_Forward, 167},
    Pair{Qt::Key_Refresh, 168},
    Pair{Qt::Key_Stop, 169},
    Pair{Qt::Key_Search, 170},
    Pair{Qt::Key_Favorites, 171},
    Pair{Qt::Key_HomePage, 172},
    Pair{Qt::Key_VolumeMute, 173},
    Pair{Qt::Key_VolumeDown, 174},
    Pair{Qt::Key_VolumeUp, 175},
    Pair{Qt::Key_MediaNext, 176},
    Pair{Qt::Key_MediaPrevious, 177},
    Pair{Qt::Key_MediaStop, 178},
    Pair{Qt::Key_MediaTogglePlayPause, 179},
    Pair{Qt::Key_MediaPlay, 179},
    Pair{Qt::Key_LaunchMail, 180},
    Pair{Qt::Key_LaunchMedia, 181},
    Pair{Qt::Key_Launch0, 182},
    Pair{Qt::Key_Launch1, 183},
    // The US layout's shifted digits and its punctuation, shifted or not.
    Pair{Qt::Key_ParenRight, 48},
    Pair{Qt::Key_Exclam, 49},
    Pair{Qt::Key_At, 50},
    Pair{Qt::Key_NumberSign, 51},
    Pair{Qt::Key_Dollar, 52},
    Pair{Qt::Key_Percent, 53},
    Pair{Qt::Key_AsciiCircum, 54},
    Pair{Qt::Key_Ampersand, 55},
    Pair{Qt::Key_Asterisk, 56},
    Pair{Qt::Key_ParenLeft, 57},
    Pair{Qt::Key_Semicolon, 186},
    Pair{Qt::Key_Colon, 186},
    Pair{Qt::Key_Equal, 187},
    Pair{Qt::Key_Plus, 187},
    Pair{Qt::Key_Comma, 188},
    Pair{Qt::Key_Less, 188},
    Pair{Qt::Key_Minus, 189},
    Pair{Qt::Key_Underscore, 189},
    Pair{Qt::Key_Period, 190},
    Pair{Qt::Key_Greater, 190},
    Pair{Qt::Key_Slash, 191},
    Pair{Qt::Key_Question, 191},
    Pair{Qt::Key_QuoteLeft, 192},
    Pair{Qt::Key_AsciiTilde, 192},
    Pair{Qt::Key_BracketLeft, 219},
    Pair{Qt::Key_BraceLeft, 219},
    Pair{Qt::Key_Backslash, 220},
    Pair{Qt::Key_Bar, 220},
    Pair{Qt::Key_BracketRight, 221},
    Pair{Qt::Key_BraceRight, 221},
    Pair{Qt::Key_Apostrophe, 222},
    Pair{Qt::Key_QuoteDbl, 222},
};

// The keypad's own codes; with Num Lock off its digits are arrows, Home, ... and take
// those keys' codes, its Enter is Enter.
constexpr std::array kKeypad{
    Pair{Qt::Key_Asterisk, 106}, Pair{Qt::Key_Plus, 107},  Pair{Qt::Key_Minus, 109},
    Pair{Qt::Key_Period, 110},   Pair{Qt::Key_Comma, 110}, Pair{Qt::Key_Slash, 111},
};

template <std::size_t N>
std::int16_t lookUp(const std::array<Pair, N>& table, int key)
{
    for (const auto& [from, code] : table)
        if (from == key)
            return code;
    return 0;
}

std::int16_t fromToolkitKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return static_cast<std::int16_t>(96 + (key - Qt::Key_0));
        if (const std::int16_t code = lookUp(kKeypad, key))
            return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::int16_t>(key);  // Qt uses the same upper-case ASCII codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
    return lookUp(kByKey, key);
}

}  // namespace

NativeKeys nativeKeysOfThisPlatform()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return NativeKeys::Xkb;
    if (platform == QLatin1String("windows"))
        return NativeKeys::Windows;
    return NativeKeys::None;
}

std::int16_t classicKeyCode(const QKeyEvent& event, NativeKeys native)
{
    if (native == NativeKeys::Windows && event.nativeVirtualKey() > 0 && event.nativeVirtualKey() < 255)
        return static_cast<std::int16_t>(event.nativeVirtualKey());
    // A Latin letter is the letter its layout types (the A of a French keyboard is 65);
    // every other key of the main block goes by its place.
    const bool latinLetter = event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z;
    if (native == NativeKeys::Xkb && !latinLetter)
        if (const std::int16_t code = lookUp(kByPlace, static_cast<int>(event.nativeScanCode())))
            return code;
    return fromToolkitKey(event.key(), event.modifiers());
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

std::int16_t mouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

}  // namespace tappon
