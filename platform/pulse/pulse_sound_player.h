// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/pulse/effect_playback.h"
#include "platform/pulse/pulse_connection.h"
#include "platform/services/sound_player.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <unordered_map>

namespace tappon {

// Plays sound files (WAV, or any other kind libsndfile reads) through the PulseAudio
// server's sample cache. Each file is read and uploaded once, block by block, by a
// thread of the player's own, so that neither a large file nor a slow server holds up
// the caller, and the program keeps none of the samples: the server holds them. Every
// later play is one request to the server, which mixes the sample itself. The effect
// asked for last is the one that plays: it stops the one still sounding, and one still
// on its way to the server is not played after it (but goes on into the cache). play()
// only hands the file's name to that thread. Without a server, or after it dies,
// effects are dropped; the next play connects again.
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
    // The server's cache takes no larger sample.
    static constexpr std::size_t kMaxSampleBytes = 16 * 1024 * 1024;
    // How many bytes of samples are read and sent at a time.
    static constexpr std::size_t kBlockBytes = 256 * 1024;

private:
    // A file as last seen; one that cannot be played is not read again until it changes.
    struct Effect {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        std::string name;  // of its sample in the server's cache; empty when it cannot be played
    };

    // All below run on the loader thread; those that take no lock with it held.
    void run();
    void serve(const std::string& path);
    // The file as it is now; a sample of an older version is taken out of the cache.
    Effect refresh(const std::string& path);
    Effect lookUp(const std::string& path, std::string& stale);
    bool awaitServer(const std::string& path);
    // True once the sample is in the cache; `wanted` false when a newer effect has been
    // played meanwhile.
    bool upload(const std::string& path, const std::string& name, bool& wanted);
    void forget(const std::string& name);
    // Between the blocks of `path`'s upload: serves what a newer effect allows; true when
    // the player is closing.
    bool interrupted(const std::string& path, bool& wanted);
    // A different effect has been asked for since `path`, or the player is closing.
    bool superseded(const std::string& path) const;

    PulseConnection connection_;
    EffectPlayback playback_{connection_};

    // Guarded by the connection's lock.
    std::optional<std::string> request_;  // the effect asked for last, until the loader takes it
    bool stopping_ = false;
    std::uint64_t generation_ = 0;    // of the context the two below belong to
    std::set<std::string> uploaded_;  // samples in its cache
    std::string unfinished_;          // a sample the server may yet add after the player is gone

    // The loader's own.
    std::unordered_map<std::string, Effect> effects_;  // by path
    unsigned nextSample_ = 0;
    std::thread loader_;
};

}  // namespace tappon
