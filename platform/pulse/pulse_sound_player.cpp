// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/pulse/pulse_sound_player.h"

#include "platform/pulse/sample_upload.h"
#include "platform/pulse/sound_file.h"

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/scache.h>

#include <memory>
#include <system_error>
#include <vector>

#include <pthread.h>
#include <unistd.h>

namespace tappon {

PulseSoundPlayer::PulseSoundPlayer()
{
    if (connection_.running())
        loader_ = std::thread([this] { run(); });
}

PulseSoundPlayer::~PulseSoundPlayer()
{
    if (!loader_.joinable())
        return;
    {
        const PulseLock locked(connection_);
        stopping_ = true;
        connection_.signal();
    }
    loader_.join();
    const PulseLock locked(connection_);
    if (!connection_.ready() || connection_.generation() != generation_)
        return;
    // The server keeps cached samples and plays a started one to its end after the
    // program is gone; neither should outlive it.
    playback_.stop();
    if (!unfinished_.empty())
        uploaded_.insert(unfinished_);
    for (const std::string& name : std::set(uploaded_))
        forget(name);
}

void PulseSoundPlayer::play(const std::string& path)
{
    if (!loader_.joinable())
        return;
    const PulseLock locked(connection_);
    request_ = path;
    connection_.signal();
}

void PulseSoundPlayer::run()
{
#ifdef __linux__
    pthread_setname_np(pthread_self(), "sound loader");
#endif
    const PulseLock locked(connection_);
    for (;;) {
        while (!stopping_ && !request_)
            connection_.wait();
        if (stopping_)
            return;
        const std::string path = std::move(*request_);
        request_.reset();
        serve(path);
    }
}

void PulseSoundPlayer::serve(const std::string& path)
{
    const Effect effect = refresh(path);
    if (effect.name.empty() || !awaitServer(path))
        return;
    bool wanted = true;
    if (!uploaded_.contains(effect.name) && !upload(path, effect.name, wanted))
        return;
    // A newer effect is served next, or has already been played; this one would only be cut off.
    if (wanted && !request_ && !stopping_)
        playback_.play(effect.name);
}

PulseSoundPlayer::Effect PulseSoundPlayer::refresh(const std::string& path)
{
    std::string stale;
    Effect effect;
    {
        const PulseUnlock unlocked(connection_);
        effect = lookUp(path, stale);
    }
    if (!stale.empty())
        forget(stale);
    return effect;
}

PulseSoundPlayer::Effect PulseSoundPlayer::lookUp(const std::string& path, std::string& stale)
{
    std::error_code error;
    const std::filesystem::path file(path);
    const bool regular = std::filesystem::is_regular_file(file, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(file, error) : 0;
    const auto modified = regular ? std::filesystem::last_write_time(file, error) : std::filesystem::file_time_type{};
    const auto [entry, added] = effects_.try_emplace(path);
    Effect& effect = entry->second;
    if (!added && effect.size == size && effect.modified == modified)
        return effect;
    // A changed file gets a new sample name, so the server never plays a stale copy.
    stale = effect.name;
    effect = Effect{size, modified, {}};
    // Per process: another copy of the program may cache other files under its names.
    if (!error && size > 0 && size <= kMaxFileBytes)
        effect.name = "tappon-" + std::to_string(getpid()) + "-" + std::to_string(nextSample_++);
    return effect;
}

bool PulseSoundPlayer::awaitServer(const std::string& path)
{
    if (!connection_.ensure())
        return false;
    while (!connection_.ready()) {
        // Effects asked for while the server cannot be reached are dropped.
        if (connection_.failed() || superseded(path))
            return false;
        connection_.wait();
    }
    // What the server held for an older context is gone with it.
    if (connection_.generation() != generation_) {
        generation_ = connection_.generation();
        uploaded_.clear();
        playback_.reset();
    }
    return true;
}

bool PulseSoundPlayer::upload(const std::string& path, const std::string& name, bool& wanted)
{
    std::unique_ptr<SoundFile> source;
    {
        const PulseUnlock unlocked(connection_);
        source = SoundFile::open(path, kLeadingSilenceMs);
    }
    if (!source || source->totalBytes() > kMaxSampleBytes) {
        effects_[path].name.clear();
        return false;
    }
    SampleUpload upload(connection_, name, source->format(), source->totalBytes(),
                        [this, &path, &wanted] { return interrupted(path, wanted); });
    std::vector<std::uint8_t> block;
    bool sent = true;
    while (sent && !source->done()) {
        block.clear();
        bool read = false;
        {
            const PulseUnlock unlocked(connection_);
            read = source->next(kBlockBytes, block);
        }
        if (!read)
            effects_[path].name.clear();
        sent = read && upload.write(block);
    }
    unfinished_ = name;
    const bool finished = sent && upload.finish();
    if (finished)
        uploaded_.insert(name);
    if (finished || !stopping_)
        unfinished_.clear();
    return finished;
}

void PulseSoundPlayer::forget(const std::string& name)
{
    pa_context* context = connection_.ready();
    if (!uploaded_.erase(name) || !context || connection_.generation() != generation_)
        return;
    if (pa_operation* operation = pa_context_remove_sample(context, name.c_str(), nullptr, nullptr))
        pa_operation_unref(operation);
}

bool PulseSoundPlayer::interrupted(const std::string& path, bool& wanted)
{
    if (!request_ || *request_ == path)
        return stopping_;
    // A file that cannot be played changes nothing; one whose sample is in the cache
    // plays at once, and the one on its way is then no longer to be played. Any other
    // waits for this upload to end, which goes on into the cache all the same: given up
    // for every newer effect, a large file might never get there.
    const std::string newer = *request_;
    const Effect effect = refresh(newer);
    if (!request_ || *request_ != newer)
        return stopping_;
    if (effect.name.empty()) {
        request_.reset();
    } else if (uploaded_.contains(effect.name)) {
        request_.reset();
        playback_.play(effect.name);
        wanted = false;
    }
    return stopping_;
}

bool PulseSoundPlayer::superseded(const std::string& path) const
{
    return stopping_ || (request_ && *request_ != path);
}

}  // namespace tappon
