// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "app/deferred_sound_player.h"

#include "platform/pulse/pulse_sound_player.h"
#include "platform/qt/program/trace.h"

namespace tappon {

DeferredSoundPlayer::DeferredSoundPlayer() = default;
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

void DeferredSoundPlayer::create()
{
    if (!player_)
        player_ = std::make_unique<PulseSoundPlayer>();
}

void DeferredSoundPlayer::play(const std::string& path)
{
    trace::event("sound", path);
    create();
    player_->play(path);
}

}  // namespace tappon
