// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/media/wav_file.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tappon {

enum class PcmSampleType { UInt8, Int16, Int32, Float };

// A sample layout an audio device can take: native-endian, interleaved.
struct PcmLayout {
    PcmSampleType type = PcmSampleType::Int16;
    int channels = 0;
    int sampleRate = 0;
    bool operator==(const PcmLayout&) const = default;
};

int bytesPerSample(PcmSampleType type);

// The device layout that holds a file's samples unchanged, if there is one (24-bit has none).
bool matchingLayout(const WavFormat& format, PcmLayout& layout);

// Converts a file's samples to a device layout block by block, giving exactly the bytes
// convertPcm gives for the whole, so that a large file is never held whole, nor twice.
class PcmConverter {
public:
    // `frames`: how many frames the source holds in all.
    PcmConverter(const WavFormat& source, std::size_t frames, const PcmLayout& target);

    // The target samples of the next source bytes, appended to `out`; the bytes may end
    // in the middle of a frame, whose rest comes with the next call.
    void convert(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out);
    // What all the source's frames make in the target layout, in bytes.
    std::size_t outputBytes() const;

private:
    void emitFrames(std::vector<std::uint8_t>& out);

    WavFormat source_;
    PcmLayout target_;
    bool copies_ = false;           // the layouts match: bytes pass unchanged
    std::size_t sourceFrames_ = 0;
    std::size_t outFrames_ = 0;
    std::vector<std::uint8_t> partial_;  // one frame: the start of a frame split between calls
    std::size_t partialBytes_ = 0;       // how much of it has come
    std::vector<float> window_;     // remapped source frames from windowStart_ on
    std::size_t windowStart_ = 0;
    std::size_t framesIn_ = 0;      // source frames received
    std::size_t framesOut_ = 0;     // target frames given
};

// `ms` of silence in the layout.
std::vector<std::uint8_t> pcmSilence(const PcmLayout& layout, int ms);

// The file's samples in the given layout, between `leadingMs` and `trailingMs` of silence. Channels are
// mixed down to mono or spread from mono; other channel counts map channel by channel.
// A different sample rate is converted by linear interpolation.
std::vector<std::uint8_t> convertPcm(const WavFile& wav, const PcmLayout& target, int leadingMs, int trailingMs);

}  // namespace tappon
