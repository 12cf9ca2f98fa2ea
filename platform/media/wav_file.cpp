// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/wav_file.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tappon {

namespace {

constexpr std::uint16_t kFormatPcm = 0x0001;
constexpr std::uint16_t kFormatFloat = 0x0003;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr std::uint32_t kMaxSampleRate = 768000;

// The tail shared by the sub-format GUIDs of KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT,
// after their first two bytes (the plain format tag).
constexpr std::array<std::uint8_t, 14> kSubFormatTail = {
    0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8)
        | (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool hasTag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5])
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

std::optional<WavFormat> parseFormat(std::span<const std::uint8_t> chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    std::uint16_t tag = readU16(chunk, 0);
    const std::uint16_t channels = readU16(chunk, 2);
    const std::uint32_t sampleRate = readU32(chunk, 4);
    const std::uint16_t blockAlign = readU16(chunk, 12);
    const std::uint16_t bits = readU16(chunk, 14);

    if (tag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the 16-byte sub-format GUID.
        if (chunk.size() < 40 || readU16(chunk, 16) < 22)
            return std::nullopt;
        if (!std::equal(kSubFormatTail.begin(), kSubFormatTail.end(), chunk.begin() + 26))
            return std::nullopt;
        tag = readU16(chunk, 24);
    }

    WavFormat format;
    if (tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32))
        format.sampleType = WavSampleType::Integer;
    else if (tag == kFormatFloat && bits == 32)
        format.sampleType = WavSampleType::Float;
    else
        return std::nullopt;
    if (channels < 1 || channels > kMaxChannels || sampleRate < 1 || sampleRate > kMaxSampleRate)
        return std::nullopt;
    format.bitsPerSample = bits;
    format.channels = channels;
    format.sampleRate = static_cast<int>(sampleRate);
    if (blockAlign != format.bytesPerFrame())
        return std::nullopt;
    return format;
}

}  // namespace

std::optional<WavFile> parseWav(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE"))
        return std::nullopt;
    // Writers disagree about the RIFF size; the chunks themselves must be whole.
    const std::size_t riffEnd = std::min<std::size_t>(bytes.size(), std::size_t{readU32(bytes, 4)} + 8);
    if (riffEnd < 12)
        return std::nullopt;

    std::optional<WavFormat> format;
    std::optional<std::span<const std::uint8_t>> data;
    std::size_t at = 12;
    while (riffEnd - at >= 8 && !(format && data)) {
        const std::size_t size = readU32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > riffEnd - body)
            return std::nullopt;
        const auto chunk = bytes.subspan(body, size);
        if (hasTag(bytes, at, "fmt ") && !format) {
            format = parseFormat(chunk);
            if (!format)
                return std::nullopt;
        } else if (hasTag(bytes, at, "data") && !data) {
            data = chunk;
        }
        // Chunks are padded to an even size; the pad byte of the last one may be missing.
        at = body + size + (size & 1);
        if (at > riffEnd)
            break;
    }
    if (!format || !data)
        return std::nullopt;

    WavFile wav;
    wav.format = *format;
    const std::size_t frameBytes = static_cast<std::size_t>(format->bytesPerFrame());
    const std::size_t whole = data->size() - data->size() % frameBytes;
    wav.data.assign(data->begin(), data->begin() + static_cast<std::ptrdiff_t>(whole));
    return wav;
}

}  // namespace tappon
