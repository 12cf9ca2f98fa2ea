// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/media/pcm_conversion.h"
#include "platform/media/wav_file.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace tappon {

// A WAV file's samples read from disk and converted block by block, so that a large file
// is never held in memory: in the file's own layout where a device takes that, else in
// 16 bits (24-bit files), after a stretch of leading silence.
class WavStream {
public:
    // Reads the file's chunk headers; null when it is no WAV file with samples.
    static std::unique_ptr<WavStream> open(const std::filesystem::path& file, int leadingSilenceMs);

    const PcmLayout& layout() const { return layout_; }
    // All that next() gives, the silence included, in bytes.
    std::size_t totalBytes() const { return silence_.size() + converter_.outputBytes(); }
    bool done() const { return silenceGiven_ && read_ == wav_.dataBytes; }
    // Appends the samples made of at most `fileBytes` more of the file to `out` (the
    // silence with the first call); false when the file could not be read.
    bool next(std::size_t fileBytes, std::vector<std::uint8_t>& out);

private:
    WavStream(std::ifstream file, const WavLayout& wav, const PcmLayout& layout, int leadingSilenceMs);

    std::ifstream file_;
    WavLayout wav_;
    PcmLayout layout_;
    PcmConverter converter_;
    std::vector<std::uint8_t> silence_;
    bool silenceGiven_ = false;
    std::size_t read_ = 0;  // bytes of the data chunk read so far
    std::vector<std::uint8_t> block_;
};

}  // namespace tappon
