// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

// Plays a sound file asynchronously: returns at once; a new sound cuts off one still
// playing; a missing or unplayable file, or no audio device, is silently ignored.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

}  // namespace tappon
