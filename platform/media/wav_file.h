// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tappon {

enum class WavSampleType { Integer, Float };

// The sample layout of a WAV file's data: integer PCM of 8, 16, 24 or 32 bits (8-bit is
// unsigned, the others signed little-endian) or 32-bit IEEE float, interleaved by channel.
struct WavFormat {
    WavSampleType sampleType = WavSampleType::Integer;
    int bitsPerSample = 0;
    int channels = 0;
    int sampleRate = 0;

    int bytesPerSample() const { return bitsPerSample / 8; }
    int bytesPerFrame() const { return bytesPerSample() * channels; }
    bool operator==(const WavFormat&) const = default;
};

struct WavFile {
    WavFormat format;
    // Whole frames only: a trailing partial frame is dropped.
    std::vector<std::uint8_t> data;

    std::size_t frameCount() const { return data.size() / static_cast<std::size_t>(format.bytesPerFrame()); }
};

// Where a WAV file's samples lie: the whole frames of its data chunk.
struct WavLayout {
    WavFormat format;
    std::size_t dataOffset = 0;
    std::size_t dataBytes = 0;  // whole frames only

    std::size_t frameCount() const { return dataBytes / static_cast<std::size_t>(format.bytesPerFrame()); }
};

// Fills `out` with the file's bytes from `offset` on; false when they cannot be read.
using WavByteReader = std::function<bool(std::size_t offset, std::span<std::uint8_t> out)>;

// Finds the format and the samples of a RIFF/WAVE file of `size` bytes, reading its chunk
// headers and its format chunk only, so that a large file need not be held in memory.
// The same rules as parseWav's decide what is malformed.
std::optional<WavLayout> locateWav(std::size_t size, const WavByteReader& read);

// Reads a RIFF/WAVE file held in memory. Chunks other than "fmt " and "data" are skipped.
// Anything malformed or unsupported gives nullopt; the bytes are never read out of bounds.
std::optional<WavFile> parseWav(std::span<const std::uint8_t> bytes);

}  // namespace tappon
