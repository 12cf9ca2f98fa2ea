// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>
#include <deque>
#include <string>

struct pa_context;

namespace tappon {

class PulseConnection;

// Plays samples from the server's cache, one effect at a time: a new effect stops the one
// still sounding, also when the server had not yet said which sound the older one is.
// Called with the connection's lock held; libpulse's callbacks run with it held too.
class EffectPlayback {
public:
    explicit EffectPlayback(PulseConnection& connection) : connection_(connection) {}

    void play(const std::string& name);
    // Stops the effect sounding, if any.
    void stop();
    // Forgets the sounds of a context that is gone.
    void reset();

private:
    void kill(std::uint32_t sinkInput);
    static void started(pa_context* context, std::uint32_t sinkInput, void* playback);

    PulseConnection& connection_;
    // Each play asked of the server, oldest first, until it answers with the sound's
    // index; a sound whose answer comes after a newer play was asked for is stopped.
    std::deque<std::uint64_t> awaitingIndex_;
    std::uint64_t playsAsked_ = 0;
    std::uint32_t playing_ = UINT32_MAX;  // the sink input of the sound last started, if any
};

}  // namespace tappon
