// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

// The player's screen reader, if one listens: short messages spoken while the focus
// stays where it is. A newer message replaces one that has not been spoken yet, so a
// fast typist hears the latest count rather than a queue of old ones. Without a
// screen reader nothing happens.
class ScreenReader {
public:
    virtual ~ScreenReader() = default;
    virtual void announce(const std::string& text) = 0;
};

}  // namespace tappon
