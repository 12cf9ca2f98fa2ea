// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/pulse/effect_playback.h"

#include "platform/pulse/pulse_connection.h"

#include <pulse/def.h>
#include <pulse/introspect.h>
#include <pulse/scache.h>
#include <pulse/volume.h>

namespace tappon {

void EffectPlayback::play(const std::string& name)
{
    pa_context* context = connection_.ready();
    if (!context)
        return;
    stop();
    pa_operation* operation = pa_context_play_sample_with_proplist(context, name.c_str(), nullptr, PA_VOLUME_NORM,
                                                                   nullptr, &EffectPlayback::started, this);
    if (!operation)
        return;
    pa_operation_unref(operation);
    awaitingIndex_.push_back(++playsAsked_);
}

void EffectPlayback::stop()
{
    if (playing_ != PA_INVALID_INDEX)
        kill(playing_);
    playing_ = PA_INVALID_INDEX;
}

void EffectPlayback::reset()
{
    awaitingIndex_.clear();
    playing_ = PA_INVALID_INDEX;
}

void EffectPlayback::kill(std::uint32_t sinkInput)
{
    if (pa_context* context = connection_.ready()) {
        if (pa_operation* operation = pa_context_kill_sink_input(context, sinkInput, nullptr, nullptr))
            pa_operation_unref(operation);
    }
}

void EffectPlayback::started(pa_context* context, std::uint32_t sinkInput, void* playback)
{
    auto& self = *static_cast<EffectPlayback*>(playback);
    if (context != self.connection_.ready() || self.awaitingIndex_.empty())
        return;
    // The server answers a context's requests in the order they were made.
    const std::uint64_t play = self.awaitingIndex_.front();
    self.awaitingIndex_.pop_front();
    if (sinkInput == PA_INVALID_INDEX)
        return;
    if (play == self.playsAsked_)
        self.playing_ = sinkInput;
    else
        self.kill(sinkInput);  // a newer effect was asked for before this one had even started
}

}  // namespace tappon
