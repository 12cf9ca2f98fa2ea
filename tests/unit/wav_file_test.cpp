// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tappon {
namespace {

using Bytes = std::vector<std::uint8_t>;

void putU16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void putU32(Bytes& out, std::uint32_t value)
{
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

void putChunk(Bytes& out, const std::string& tag, const Bytes& body, bool pad = true)
{
    out.insert(out.end(), tag.begin(), tag.end());
    putU32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2 == 1)
        out.push_back(0);
}

Bytes fmtBody(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits, unsigned blockAlign)
{
    Bytes body;
    putU16(body, tag);
    putU16(body, channels);
    putU32(body, rate);
    putU32(body, rate * blockAlign);
    putU16(body, blockAlign);
    putU16(body, bits);
    return body;
}

Bytes pcmFmt(unsigned channels, std::uint32_t rate, unsigned bits)
{
    return fmtBody(1, channels, rate, bits, channels * bits / 8);
}

// A RIFF/WAVE file of the given chunks, with a correct RIFF size.
Bytes riff(const std::vector<std::pair<std::string, Bytes>>& chunks)
{
    Bytes inner = {'W', 'A', 'V', 'E'};
    for (const auto& [tag, body] : chunks)
        putChunk(inner, tag, body);
    Bytes out = {'R', 'I', 'F', 'F'};
    putU32(out, static_cast<std::uint32_t>(inner.size()));
    out.insert(out.end(), inner.begin(), inner.end());
    return out;
}

TEST(WavFile, ReadsMonoSixteenBitPcm)
{
    // A plain mono 16-bit file gives its format and its samples unchanged.
    const Bytes samples = {0x01, 0x00, 0xFF, 0x7F, 0x00, 0x80};
    const auto wav = parseWav(riff({{"fmt ", pcmFmt(1, 22050, 16)}, {"data", samples}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format, (WavFormat{WavSampleType::Integer, 16, 1, 22050}));
    EXPECT_EQ(wav->data, samples);
    EXPECT_EQ(wav->frameCount(), 3u);
}

TEST(WavFile, ReadsStereoSixteenBitPcm)
{
    // Stereo frames are four bytes: two frames here.
    const Bytes samples = {1, 0, 2, 0, 3, 0, 4, 0};
    const auto wav = parseWav(riff({{"fmt ", pcmFmt(2, 44100, 16)}, {"data", samples}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format.channels, 2);
    EXPECT_EQ(wav->format.sampleRate, 44100);
    EXPECT_EQ(wav->frameCount(), 2u);
}

TEST(WavFile, ReadsEightTwentyFourAndFloatSamples)
{
    // The sample types the player converts from are all accepted.
    EXPECT_TRUE(parseWav(riff({{"fmt ", pcmFmt(1, 8000, 8)}, {"data", {128, 129}}})));
    EXPECT_TRUE(parseWav(riff({{"fmt ", pcmFmt(2, 48000, 24)}, {"data", Bytes(6, 0)}})));
    const auto wav = parseWav(riff({{"fmt ", fmtBody(3, 1, 48000, 32, 4)}, {"data", Bytes(8, 0)}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format.sampleType, WavSampleType::Float);
}

TEST(WavFile, ReadsExtensibleFormatWithPcmSubFormat)
{
    // WAVE_FORMAT_EXTENSIBLE carries the real format tag in its sub-format GUID.
    Bytes fmt = fmtBody(0xFFFE, 2, 44100, 16, 4);
    putU16(fmt, 22);
    putU16(fmt, 16);
    putU32(fmt, 3);
    const Bytes guid = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    fmt.insert(fmt.end(), guid.begin(), guid.end());
    const auto wav = parseWav(riff({{"fmt ", fmt}, {"data", Bytes(4, 0)}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format, (WavFormat{WavSampleType::Integer, 16, 2, 44100}));
}

TEST(WavFile, SkipsOddSizedChunkByItsPadByte)
{
    // An odd-sized chunk is followed by one pad byte that is not part of the next chunk.
    const auto wav = parseWav(
        riff({{"fmt ", pcmFmt(1, 8000, 8)}, {"LIST", {'a', 'b', 'c'}}, {"data", {10, 20, 30}}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->data, (Bytes{10, 20, 30}));
}

TEST(WavFile, SkipsUnknownChunksBeforeAndBetween)
{
    // Chunks it does not know are passed over wherever they stand.
    const auto wav = parseWav(riff({{"JUNK", Bytes(10, 0xEE)},
                                    {"fmt ", pcmFmt(1, 8000, 16)},
                                    {"fact", {4, 0, 0, 0}},
                                    {"data", {1, 2, 3, 4}}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->data, (Bytes{1, 2, 3, 4}));
}

TEST(WavFile, DropsTrailingPartialFrame)
{
    // Only whole frames are played: five bytes of 16-bit mono are two frames.
    const auto wav = parseWav(riff({{"fmt ", pcmFmt(1, 8000, 16)}, {"data", {1, 2, 3, 4, 5}}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->data, (Bytes{1, 2, 3, 4}));
}

TEST(WavFile, RejectsDataChunkCutShort)
{
    // A file that ends inside its data chunk is truncated, not shortened.
    Bytes file = riff({{"fmt ", pcmFmt(1, 8000, 16)}, {"data", Bytes(100, 7)}});
    file.resize(file.size() - 10);
    EXPECT_FALSE(parseWav(file));
}

TEST(WavFile, RejectsEveryTruncationOfAValidFile)
{
    // No prefix of a file that ends before its data is whole parses, and none reads past its end.
    const Bytes file = riff({{"fmt ", pcmFmt(2, 8000, 16)}, {"data", Bytes(16, 7)}});
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_FALSE(parseWav(std::span(file.data(), size))) << "size " << size;
    EXPECT_TRUE(parseWav(file));
}

TEST(WavFile, RejectsChunkSizeLargerThanTheFile)
{
    // An absurd chunk size is caught before anything is read.
    Bytes file = riff({{"fmt ", pcmFmt(1, 8000, 16)}, {"data", Bytes(4, 0)}});
    file[file.size() - 5] = 0x7F;
    EXPECT_FALSE(parseWav(file));
}

TEST(WavFile, RejectsZeroChannels)
{
    EXPECT_FALSE(parseWav(riff({{"fmt ", fmtBody(1, 0, 8000, 16, 0)}, {"data", Bytes(4, 0)}})));
}

TEST(WavFile, RejectsMoreThanEightChannels)
{
    EXPECT_FALSE(parseWav(riff({{"fmt ", pcmFmt(9, 8000, 16)}, {"data", Bytes(18, 0)}})));
}

TEST(WavFile, RejectsZeroSampleRate)
{
    EXPECT_FALSE(parseWav(riff({{"fmt ", pcmFmt(1, 0, 16)}, {"data", Bytes(4, 0)}})));
}

TEST(WavFile, RejectsBlockAlignThatDisagreesWithChannelsAndBits)
{
    // 16-bit stereo frames are four bytes; a block align of two is inconsistent.
    EXPECT_FALSE(parseWav(riff({{"fmt ", fmtBody(1, 2, 8000, 16, 2)}, {"data", Bytes(4, 0)}})));
}

TEST(WavFile, RejectsUnsupportedEncodings)
{
    // Compressed formats (ADPCM is tag 2) and odd bit depths are not played.
    EXPECT_FALSE(parseWav(riff({{"fmt ", fmtBody(2, 1, 8000, 4, 1)}, {"data", Bytes(4, 0)}})));
    EXPECT_FALSE(parseWav(riff({{"fmt ", fmtBody(1, 1, 8000, 12, 2)}, {"data", Bytes(4, 0)}})));
    EXPECT_FALSE(parseWav(riff({{"fmt ", fmtBody(3, 1, 8000, 64, 8)}, {"data", Bytes(8, 0)}})));
}

TEST(WavFile, RejectsFileWithoutFormatOrData)
{
    EXPECT_FALSE(parseWav(riff({{"data", Bytes(4, 0)}})));
    EXPECT_FALSE(parseWav(riff({{"fmt ", pcmFmt(1, 8000, 16)}})));
}

TEST(WavFile, RejectsGarbage)
{
    // Bytes that are not a RIFF/WAVE file at all.
    const std::string text = "this is not a sound file, just some text of reasonable length";
    EXPECT_FALSE(parseWav(Bytes(text.begin(), text.end())));
    Bytes wrongForm = riff({{"fmt ", pcmFmt(1, 8000, 16)}, {"data", Bytes(4, 0)}});
    wrongForm[8] = 'A';
    EXPECT_FALSE(parseWav(wrongForm));
}

TEST(WavFile, RejectsEmptyInput)
{
    EXPECT_FALSE(parseWav({}));
}

TEST(WavFile, RejectsRiffSizeTooSmallToHoldTheFormType)
{
    // A RIFF size under four must not make the chunk walk start past the end.
    Bytes file = riff({{"fmt ", pcmFmt(1, 8000, 16)}, {"data", Bytes(4, 0)}});
    file[4] = 2;
    file[5] = file[6] = file[7] = 0;
    EXPECT_FALSE(parseWav(file));
}

TEST(WavFile, LocatesTheSamplesWithoutReadingThem)
{
    // A large effect is streamed: finding its samples reads the chunk headers and the
    // format only, never a byte of the data chunk, wherever the chunks lie.
    const Bytes samples(4000, 0x55);
    for (const bool dataFirst : {false, true}) {
        const Bytes file = dataFirst ? riff({{"data", samples}, {"fmt ", pcmFmt(2, 8000, 16)}})
                                     : riff({{"LIST", Bytes(7, 1)}, {"fmt ", pcmFmt(2, 8000, 16)}, {"data", samples}});
        std::size_t bytesRead = 0;
        const auto layout = locateWav(file.size(), [&](std::size_t offset, std::span<std::uint8_t> out) {
            bytesRead += out.size();
            std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
            return true;
        });
        ASSERT_TRUE(layout) << dataFirst;
        EXPECT_EQ(layout->frameCount(), 1000u);
        EXPECT_TRUE(std::equal(samples.begin(), samples.end(), file.begin() + static_cast<std::ptrdiff_t>(layout->dataOffset)));
        EXPECT_LT(bytesRead, 100u) << dataFirst;
    }
}

}  // namespace
}  // namespace tappon
