// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <chrono>

namespace tappon {

// Monotonic time, as elapsed time since the clock's own origin. The program reads a
// steady clock; tests advance a virtual one.
using Duration = std::chrono::nanoseconds;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Duration now() const = 0;
};

}  // namespace tappon
