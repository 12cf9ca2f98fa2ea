// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/pulse/pulse_sound_player.h"

#include "platform/media/pcm_conversion.h"
#include "platform/media/wav_file.h"

#include <pulse/context.h>
#include <pulse/def.h>
#include <pulse/introspect.h>
#include <pulse/scache.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/volume.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace tappon {

namespace {

std::optional<pa_sample_format_t> pulseFormat(PcmSampleType type)
{
    switch (type) {
    case PcmSampleType::UInt8:
        return PA_SAMPLE_U8;
    case PcmSampleType::Int16:
        return PA_SAMPLE_S16NE;
    case PcmSampleType::Int32:
        return PA_SAMPLE_S32NE;
    case PcmSampleType::Float:
        return PA_SAMPLE_FLOAT32NE;
    }
    return std::nullopt;
}

// Holds the main loop's lock for a scope.
class Locked {
public:
    explicit Locked(pa_threaded_mainloop* mainloop) : mainloop_(mainloop) { pa_threaded_mainloop_lock(mainloop_); }
    ~Locked() { pa_threaded_mainloop_unlock(mainloop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* mainloop_;
};

}  // namespace

// One sample on its way into the server's cache; freed when its stream ends.
struct PulseSoundPlayer::Upload {
    PulseSoundPlayer* player;
    pa_context* context;
    std::string name;
    std::shared_ptr<const std::vector<std::uint8_t>> samples;
    bool abandoned = false;  // the samples could not be sent: the end is no success
};

PulseSoundPlayer::PulseSoundPlayer() : playing_(PA_INVALID_INDEX)
{
    mainloop_ = pa_threaded_mainloop_new();
    if (!mainloop_)
        return;
    if (pa_threaded_mainloop_start(mainloop_) < 0) {
        pa_threaded_mainloop_free(mainloop_);
        mainloop_ = nullptr;
        return;
    }
    // Connecting takes a few round trips: start now, so the first effect finds it done.
    const Locked locked(mainloop_);
    ensureContext();
}

PulseSoundPlayer::~PulseSoundPlayer()
{
    if (!mainloop_)
        return;
    {
        const Locked locked(mainloop_);
        if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) {
            // The server keeps cached samples and plays a started one to its end after
            // the program is gone; neither should outlive it.
            if (playing_ != PA_INVALID_INDEX) {
                if (pa_operation* operation = pa_context_kill_sink_input(context_, playing_, nullptr, nullptr))
                    pa_operation_unref(operation);
            }
            for (const std::string& name : uploaded_) {
                if (pa_operation* operation = pa_context_remove_sample(context_, name.c_str(), nullptr, nullptr))
                    pa_operation_unref(operation);
            }
        }
    }
    // Lets those requests reach the server, but waits no more than a moment for it.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    while (std::chrono::steady_clock::now() < deadline) {
        {
            const Locked locked(mainloop_);
            if (!context_ || pa_context_get_state(context_) != PA_CONTEXT_READY || !pa_context_is_pending(context_))
                break;
        }
        std::this_thread::sleep_for(1ms);
    }
    {
        const Locked locked(mainloop_);
        dropContext();
    }
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
}

void PulseSoundPlayer::play(const std::string& path)
{
    if (!mainloop_)
        return;
    const Sample& sample = prepare(path);
    if (sample.name.empty())
        return;
    const Locked locked(mainloop_);
    ensureContext();
    if (!context_)
        return;
    pending_ = sample;
    uploadPending();
    startPending();
}

const PulseSoundPlayer::Sample& PulseSoundPlayer::prepare(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path file(path);
    const bool regular = std::filesystem::is_regular_file(file, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(file, error) : 0;
    const auto modified = regular ? std::filesystem::last_write_time(file, error) : std::filesystem::file_time_type{};
    Effect& entry = effects_[path];
    if (entry.read && entry.size == size && entry.modified == modified)
        return entry.sample;

    // A changed file gets a new sample name, so the server never plays a stale copy.
    entry = Effect{true, size, modified, {}};
    if (error || size == 0 || size > kMaxFileBytes)
        return entry.sample;
    std::ifstream stream(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    const auto wav = parseWav(std::span(bytes));
    if (!wav || wav->data.empty())
        return entry.sample;
    PcmLayout layout;
    if (!matchingLayout(wav->format, layout))
        layout = {PcmSampleType::Int16, wav->format.channels, wav->format.sampleRate};
    const auto sampleType = pulseFormat(layout.type);
    if (!sampleType || layout.channels < 1 || layout.channels > static_cast<int>(PA_CHANNELS_MAX))
        return entry.sample;
    const pa_sample_spec serverFormat{*sampleType, static_cast<std::uint32_t>(layout.sampleRate),
                                      static_cast<std::uint8_t>(layout.channels)};
    if (!pa_sample_spec_valid(&serverFormat))
        return entry.sample;
    auto data = std::make_shared<std::vector<std::uint8_t>>(convertPcm(*wav, layout, kLeadingSilenceMs, 0));
    if (data->empty())
        return entry.sample;
    // Per process: another copy of the program may cache other files under its names.
    entry.sample = Sample{"tappon-" + std::to_string(getpid()) + "-" + std::to_string(nextSample_++), serverFormat,
                          std::move(data)};
    return entry.sample;
}

void PulseSoundPlayer::ensureContext()
{
    if (context_) {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state != PA_CONTEXT_FAILED && state != PA_CONTEXT_TERMINATED)
            return;
        dropContext();
    }
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tappon");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mainloop_), "Tappon", properties);
    pa_proplist_free(properties);
    if (!context_)
        return;
    pa_context_set_state_callback(context_, &PulseSoundPlayer::contextStateChanged, this);
    // No server spawned from a game: a desktop starts its own. A failure shows in the
    // state, and the next effect tries again.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseSoundPlayer::dropContext()
{
    if (!context_)
        return;
    pa_context* context = context_;
    // Uploads under way end as the context goes; they must see it is no longer current.
    context_ = nullptr;
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    uploaded_.clear();
    uploading_.clear();
    pending_.reset();
    awaitingIndex_.clear();
    playing_ = PA_INVALID_INDEX;
}

void PulseSoundPlayer::contextStateChanged(pa_context* context, void* player)
{
    auto& self = *static_cast<PulseSoundPlayer*>(player);
    if (context != self.context_)
        return;
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        self.uploadPending();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // The effects asked for meanwhile are dropped; the next one connects again.
        self.pending_.reset();
        self.awaitingIndex_.clear();
        self.playing_ = PA_INVALID_INDEX;
        break;
    default:
        break;
    }
}

void PulseSoundPlayer::uploadPending()
{
    if (!pending_ || !context_ || pa_context_get_state(context_) != PA_CONTEXT_READY
        || uploaded_.contains(pending_->name) || uploading_.contains(pending_->name))
        return;
    const Sample& sample = *pending_;
    pa_stream* stream = pa_stream_new(context_, sample.name.c_str(), &sample.format, nullptr);
    if (!stream) {
        pending_.reset();
        return;
    }
    auto* job = new Upload{this, context_, sample.name, sample.data};
    pa_stream_set_state_callback(stream, &PulseSoundPlayer::uploadStateChanged, job);
    if (pa_stream_connect_upload(stream, sample.data->size()) < 0) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        delete job;
        pending_.reset();
        return;
    }
    uploading_.insert(sample.name);
}

void PulseSoundPlayer::uploadStateChanged(pa_stream* stream, void* upload)
{
    auto* job = static_cast<Upload*>(upload);
    PulseSoundPlayer& self = *job->player;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        // The whole sample at once; libpulse copies it.
        if (pa_stream_write(stream, job->samples->data(), job->samples->size(), nullptr, 0, PA_SEEK_RELATIVE) < 0
            || pa_stream_finish_upload(stream) < 0) {
            job->abandoned = true;
            pa_stream_disconnect(stream);
        }
        return;
    }
    if (state != PA_STREAM_TERMINATED && state != PA_STREAM_FAILED)
        return;
    // Ended: a finished upload leaves the sample in the cache. A dropped context ends its
    // streams too, but then the upload is no longer current.
    if (job->context == self.context_) {
        self.uploading_.erase(job->name);
        if (state == PA_STREAM_TERMINATED && !job->abandoned) {
            self.uploaded_.insert(job->name);
            self.startPending();
        } else if (self.pending_ && self.pending_->name == job->name) {
            self.pending_.reset();
        }
    }
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_unref(stream);
    delete job;
}

void PulseSoundPlayer::startPending()
{
    if (!pending_ || !context_ || pa_context_get_state(context_) != PA_CONTEXT_READY
        || !uploaded_.contains(pending_->name))
        return;
    const std::string name = pending_->name;
    pending_.reset();
    playSample(name);
}

void PulseSoundPlayer::playSample(const std::string& name)
{
    // A new effect stops the one still sounding.
    if (playing_ != PA_INVALID_INDEX) {
        if (pa_operation* operation = pa_context_kill_sink_input(context_, playing_, nullptr, nullptr))
            pa_operation_unref(operation);
        playing_ = PA_INVALID_INDEX;
    }
    pa_operation* operation =
        pa_context_play_sample_with_proplist(context_, name.c_str(), nullptr, PA_VOLUME_NORM, nullptr,
                                             &PulseSoundPlayer::sampleStarted, this);
    if (!operation)
        return;
    pa_operation_unref(operation);
    awaitingIndex_.push_back(++playsAsked_);
}

void PulseSoundPlayer::sampleStarted(pa_context* context, std::uint32_t sinkInput, void* player)
{
    auto& self = *static_cast<PulseSoundPlayer*>(player);
    if (context != self.context_ || self.awaitingIndex_.empty())
        return;
    // The server answers a context's requests in the order they were made.
    const std::uint64_t play = self.awaitingIndex_.front();
    self.awaitingIndex_.pop_front();
    if (sinkInput == PA_INVALID_INDEX)
        return;
    if (play == self.playsAsked_) {
        self.playing_ = sinkInput;
    } else if (pa_operation* operation = pa_context_kill_sink_input(context, sinkInput, nullptr, nullptr)) {
        // A newer effect was asked for before this one had even started.
        pa_operation_unref(operation);
    }
}

}  // namespace tappon
