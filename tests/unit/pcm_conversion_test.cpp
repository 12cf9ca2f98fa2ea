// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/pcm_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tappon {
namespace {

WavFile mono16(std::vector<std::int16_t> samples, int rate = 8000)
{
    WavFile wav;
    wav.format = {WavSampleType::Integer, 16, 1, rate};
    wav.data.resize(samples.size() * 2);
    std::memcpy(wav.data.data(), samples.data(), wav.data.size());
    return wav;
}

std::vector<std::int16_t> asInt16(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

TEST(PcmConversion, KeepsSamplesOfAMatchingLayoutBetweenSilences)
{
    // A file the device takes as it is plays bit for bit, after 1 ms and before 250 ms of zeros.
    const auto out = asInt16(convertPcm(mono16({100, -200, 32767}), {PcmSampleType::Int16, 1, 8000}, 1, 250));
    ASSERT_EQ(out.size(), 8u + 3u + 2000u);
    EXPECT_EQ(out[7], 0);
    EXPECT_EQ(out[8], 100);
    EXPECT_EQ(out[9], -200);
    EXPECT_EQ(out[10], 32767);
    EXPECT_EQ(out[11], 0);
    EXPECT_EQ(out.back(), 0);
}

TEST(PcmConversion, SpreadsMonoToBothStereoChannels)
{
    const auto out = asInt16(convertPcm(mono16({1000, -1000}), {PcmSampleType::Int16, 2, 8000}, 0, 0));
    EXPECT_EQ(out, (std::vector<std::int16_t>{1000, 1000, -1000, -1000}));
}

TEST(PcmConversion, EightBitSilenceIsTheMidpoint)
{
    // Unsigned 8-bit samples are silent at 128, not at 0.
    const auto out = convertPcm(mono16({0}), {PcmSampleType::UInt8, 1, 8000}, 1, 1);
    ASSERT_EQ(out.size(), 8u + 1u + 8u);
    EXPECT_EQ(out.front(), 128);
    EXPECT_EQ(out[8], 128);
    EXPECT_EQ(out.back(), 128);
}

TEST(PcmConversion, DoublingTheRateDoublesTheFrames)
{
    const auto out = asInt16(convertPcm(mono16({0, 1000, 2000, 3000}, 8000), {PcmSampleType::Int16, 1, 16000}, 0, 0));
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 500);
    EXPECT_EQ(out[2], 1000);
}

TEST(PcmConversion, WidensTwentyFourBitSamplesToThirtyTwo)
{
    // 24-bit has no device layout of its own; the top bytes survive the move to 32 bits.
    WavFile wav;
    wav.format = {WavSampleType::Integer, 24, 1, 8000};
    wav.data = {0x56, 0x34, 0x12};
    PcmLayout layout;
    EXPECT_FALSE(matchingLayout(wav.format, layout));
    const auto out = convertPcm(wav, {PcmSampleType::Int32, 1, 8000}, 0, 0);
    std::int32_t value = 0;
    ASSERT_EQ(out.size(), 4u);
    std::memcpy(&value, out.data(), 4);
    EXPECT_EQ(value, 0x12345600);
}

TEST(PcmConversion, BlockByBlockGivesTheSameBytesAsTheWhole)
{
    // A large effect is converted a block at a time; blocks that split frames, and every
    // kind of conversion, give exactly what one conversion of the whole file gives.
    struct Case {
        WavFormat format;
        PcmLayout target;
    };
    const Case cases[] = {
        {{WavSampleType::Integer, 16, 2, 8000}, {PcmSampleType::Int16, 2, 8000}},   // copied
        {{WavSampleType::Integer, 24, 2, 8000}, {PcmSampleType::Int16, 2, 8000}},   // narrowed
        {{WavSampleType::Integer, 16, 2, 8000}, {PcmSampleType::Float, 1, 8000}},   // mixed down
        {{WavSampleType::Integer, 8, 1, 8000}, {PcmSampleType::Int32, 2, 22050}},   // raised rate
        {{WavSampleType::Integer, 16, 2, 44100}, {PcmSampleType::Int16, 2, 8000}},  // lowered rate
    };
    for (const Case& c : cases) {
        WavFile wav;
        wav.format = c.format;
        for (int i = 0; i < 3000 * c.format.bytesPerFrame(); ++i)
            wav.data.push_back(static_cast<std::uint8_t>(i * 37 + i / 7));
        const std::vector<std::uint8_t> whole = convertPcm(wav, c.target, 0, 0);
        for (const std::size_t block : {std::size_t{1}, std::size_t{5}, std::size_t{4096}}) {
            PcmConverter converter(wav.format, wav.frameCount(), c.target);
            std::vector<std::uint8_t> streamed;
            for (std::size_t at = 0; at < wav.data.size(); at += block)
                converter.convert(std::span(wav.data).subspan(at, std::min(block, wav.data.size() - at)), streamed);
            EXPECT_EQ(streamed, whole) << c.format.bitsPerSample << " bits to rate " << c.target.sampleRate
                                       << ", blocks of " << block;
            EXPECT_EQ(converter.outputBytes(), whole.size());
        }
    }
}

}  // namespace
}  // namespace tappon
