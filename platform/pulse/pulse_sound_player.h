// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/sound_player.h"

#include <pulse/sample.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace tappon {

// Plays WAV files through the PulseAudio server's sample cache. Each file is decoded
// once and uploaded once; every later play is one request to the server, which mixes
// the sample itself: no stream to open and feed every few milliseconds, so an effect
// costs the program a fraction of a millisecond and next to no wake-ups. A new effect
// stops the one still playing. All server traffic runs on libpulse's own thread; play()
// never waits for the server. Without a server, or after it dies, effects are dropped;
// the next play connects again.
class PulseSoundPlayer final : public SoundPlayer {
public:
    PulseSoundPlayer();
    ~PulseSoundPlayer() override;
    PulseSoundPlayer(const PulseSoundPlayer&) = delete;
    PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;

    void play(const std::string& path) override;

    // The first milliseconds of what a new PulseAudio stream plays were measured to go
    // missing; each sample starts with this much silence.
    static constexpr int kLeadingSilenceMs = 10;
    // Larger files are not sound effects; they are not read.
    static constexpr std::uintmax_t kMaxFileBytes = 16 * 1024 * 1024;

private:
    // A file's samples under their name in the server's cache.
    struct Sample {
        std::string name;  // empty when the file cannot be played
        pa_sample_spec format{};
        std::shared_ptr<const std::vector<std::uint8_t>> data;
    };
    // A file as last read; one that cannot be played is not read again until it changes.
    struct Effect {
        bool read = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        Sample sample;
    };
    struct Upload;

    const Sample& prepare(const std::string& path);

    // All below run with the main loop locked.
    void ensureContext();
    void dropContext();
    void uploadPending();
    void startPending();
    void playSample(const std::string& name);

    static void contextStateChanged(pa_context* context, void* player);
    static void uploadStateChanged(pa_stream* stream, void* upload);
    static void sampleStarted(pa_context* context, std::uint32_t sinkInput, void* player);

    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;

    std::unordered_map<std::string, Effect> effects_;  // by path; the caller's thread only
    unsigned nextSample_ = 0;

    // Samples in the current server's cache, and those on their way there.
    std::set<std::string> uploaded_;
    std::set<std::string> uploading_;
    // The sample to play once the server is ready and it is in the cache.
    std::optional<Sample> pending_;
    // Each play asked of the server, oldest first, until it answers with the sound's
    // index; a sound whose answer comes after a newer play was asked for is stopped.
    std::deque<std::uint64_t> awaitingIndex_;
    std::uint64_t playsAsked_ = 0;
    std::uint32_t playing_;  // the sink input of the sound last started, if any
};

}  // namespace tappon
