// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/sound_player.h"

#include <memory>
#include <string>

namespace tappon {

class PulseSoundPlayer;

// The sound player starts a thread and connects to the sound server; the splash window
// must not wait for that. The real player is made once the first window is on screen,
// or at its first use if that comes earlier.
class DeferredSoundPlayer : public SoundPlayer {
public:
    DeferredSoundPlayer();
    ~DeferredSoundPlayer() override;
    DeferredSoundPlayer(const DeferredSoundPlayer&) = delete;
    DeferredSoundPlayer& operator=(const DeferredSoundPlayer&) = delete;

    // Makes the real player, if it is not there yet.
    void create();
    void play(const std::string& path) override;

private:
    std::unique_ptr<PulseSoundPlayer> player_;
};

}  // namespace tappon
