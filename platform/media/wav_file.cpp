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

std::optional<WavLayout> locateWav(std::size_t size, const WavByteReader& read)
{
    std::array<std::uint8_t, 12> head{};
    if (size < head.size() || !read(0, head) || !hasTag(head, 0, "RIFF") || !hasTag(head, 8, "WAVE"))
        return std::nullopt;
    // Writers disagree about the RIFF size; the chunks themselves must be whole.
    const std::size_t riffEnd = std::min<std::size_t>(size, std::size_t{readU32(head, 4)} + 8);
    if (riffEnd < 12)
        return std::nullopt;

    std::optional<WavFormat> format;
    std::optional<std::pair<std::size_t, std::size_t>> data;  // offset and size
    std::size_t at = 12;
    while (riffEnd - at >= 8 && !(format && data)) {
        std::array<std::uint8_t, 8> header{};
        if (!read(at, header))
            return std::nullopt;
        const std::size_t chunkSize = readU32(header, 4);
        const std::size_t body = at + 8;
        if (chunkSize > riffEnd - body)
            return std::nullopt;
        if (hasTag(header, 0, "fmt ") && !format) {
            // The longest format chunk read is WAVE_FORMAT_EXTENSIBLE's 40 bytes.
            std::array<std::uint8_t, 40> chunk{};
            const auto part = std::span(chunk).first(std::min(chunkSize, chunk.size()));
            if (!read(body, part))
                return std::nullopt;
            format = parseFormat(part);
            if (!format)
                return std::nullopt;
        } else if (hasTag(header, 0, "data") && !data) {
            data = {body, chunkSize};
        }
        // Chunks are padded to an even size; the pad byte of the last one may be missing.
        at = body + chunkSize + (chunkSize & 1);
        if (at > riffEnd)
            break;
    }
    if (!format || !data)
        return std::nullopt;
    const auto frameBytes = static_cast<std::size_t>(format->bytesPerFrame());
    return WavLayout{*format, data->first, data->second - data->second % frameBytes};
}

std::optional<WavFile> parseWav(std::span<const std::uint8_t> bytes)
{
    const auto layout = locateWav(bytes.size(), [bytes](std::size_t offset, std::span<std::uint8_t> out) {
        if (offset > bytes.size() || out.size() > bytes.size() - offset)
            return false;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
        return true;
    });
    if (!layout)
        return std::nullopt;
    WavFile wav;
    wav.format = layout->format;
    const auto data = bytes.subspan(layout->dataOffset, layout->dataBytes);
    wav.data.assign(data.begin(), data.end());
    return wav;
}

}  // namespace tappon
