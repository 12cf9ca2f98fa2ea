// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>

#include <cstdint>

class QKeyEvent;

namespace tappon {

// What the native codes of a key event mean on the window system at hand.
enum class NativeKeys {
    None,     // no native codes (offscreen): only the toolkit's key is known
    Xkb,      // X11 and Wayland: the scan code is the X keycode (evdev code + 8)
    Windows,  // the native virtual key is the classic key code itself
};

NativeKeys nativeKeysOfThisPlatform();

// The classic key code of a pressed key (Esc 27, Enter 13, letters upper-case, F1 112,
// keypad 0 96 ...), taken from the key itself rather than from the character it types:
// the keys of the main block (digits, letters, punctuation) by their place on a US
// keyboard whatever the layout, the others by what they are. 0 for a key that has no
// classic code.
std::int16_t classicKeyCode(const QKeyEvent& event, NativeKeys native);

// Shift 1, Ctrl 2, Alt 4, added up.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4; 0 for other buttons.
std::int16_t mouseButtonCode(Qt::MouseButton button);

}  // namespace tappon
