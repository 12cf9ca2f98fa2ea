// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <pulse/sample.h>
#include <sndfile.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace tappon {

// A sound file's samples read from disk through libsndfile block by block, so that a
// large file is never held in memory, after a stretch of leading silence. They come in
// a format the sound server takes: 32-bit integers and floating point in 32 bits, every
// other kind (24-bit among them) in 16 bits.
class SoundFile {
public:
    // Null when the file cannot be read, holds no samples, ends before the samples its
    // header announces, or has more channels or a higher rate than the server takes.
    static std::unique_ptr<SoundFile> open(const std::filesystem::path& path, int leadingSilenceMs);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    const pa_sample_spec& format() const { return format_; }
    // All that next() gives, the silence included, in bytes.
    std::size_t totalBytes() const { return (silenceFrames_ + frames_) * frameBytes_; }
    bool done() const { return silenceGiven_ && read_ == frames_; }
    // Appends the silence with the first call, then the whole frames of at most
    // `maxBytes` (at least one frame) more samples to `out`; false when the file could
    // not be read, or ends sooner than it did when it was opened.
    bool next(std::size_t maxBytes, std::vector<std::uint8_t>& out);

private:
    SoundFile(SNDFILE* file, const pa_sample_spec& format, std::size_t frames, std::size_t silenceFrames);

    SNDFILE* file_ = nullptr;
    pa_sample_spec format_{};
    std::size_t frameBytes_ = 0;
    std::size_t frames_ = 0;  // of the file
    std::size_t silenceFrames_ = 0;
    bool silenceGiven_ = false;
    std::size_t read_ = 0;  // frames read so far
};

}  // namespace tappon
