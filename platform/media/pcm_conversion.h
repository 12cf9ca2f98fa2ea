// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/media/wav_file.h"

#include <cstddef>
#include <cstdint>
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

// The file's samples in the given layout, between `leadingMs` and `trailingMs` of silence. Channels are
// mixed down to mono or spread from mono; other channel counts map channel by channel.
// A different sample rate is converted by linear interpolation.
std::vector<std::uint8_t> convertPcm(const WavFile& wav, const PcmLayout& target, int leadingMs, int trailingMs);

}  // namespace tappon
