// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QtGlobal>
#include <QtCore/qnamespace.h>

#include <cstdint>

namespace tappon {

// A toolkit key as the classic key code the handlers expect (Esc 27, Enter 13,
// letters upper-case, F1 112 ...); 0 for keys without one.
std::int16_t classicKeyCode(int qtKey);

// Shift 1, Ctrl 2, Alt 4, added up.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4; 0 for other buttons.
std::int16_t mouseButtonCode(Qt::MouseButton button);

}  // namespace tappon
