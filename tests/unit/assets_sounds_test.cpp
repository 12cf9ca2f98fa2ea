// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The sounds in assets/ are short 16-bit mono PCM effects, audible, without clicks.
#include "tests/support/asset_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>

namespace {

using namespace tappon::testing;

// ---------------------------------------------------------------- WAV

struct Wav {
    unsigned format = 0;
    unsigned channels = 0;
    std::uint32_t rate = 0;
    unsigned bits = 0;
    std::vector<int> samples;  // 16-bit mono samples
};

std::optional<Wav> readWav(const Bytes& b)
{
    if (text(b, 0, 4) != "RIFF" || text(b, 8, 4) != "WAVE")
        return std::nullopt;
    Wav wav;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = text(b, at, 4);
        const std::uint32_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size())
            return std::nullopt;
        if (id == "fmt ") {
            wav.format = le16(b, body);
            wav.channels = le16(b, body + 2);
            wav.rate = le32(b, body + 4);
            wav.bits = le16(b, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && wav.bits == 16) {
            for (std::size_t i = body; i + 1 < body + size; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(le16(b, i)));
            return wav;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

class SoundTest : public ::testing::TestWithParam<const char*> {
protected:
    Wav wav() const
    {
        const std::optional<Wav> w = readWav(readAsset(std::string("Sound/") + GetParam()));
        return w.value_or(Wav{});
    }
    static int peak(const std::vector<int>& samples, std::size_t from, std::size_t to)
    {
        int highest = 0;
        for (std::size_t i = from; i < to && i < samples.size(); ++i)
            highest = std::max(highest, std::abs(samples[i]));
        return highest;
    }
};

TEST_P(SoundTest, IsSixteenBitMonoPcmAt44100Hertz)
{
    const Wav w = wav();
    EXPECT_EQ(w.format, 1u);
    EXPECT_EQ(w.channels, 1u);
    EXPECT_EQ(w.rate, 44100u);
    EXPECT_EQ(w.bits, 16u);
}

TEST_P(SoundTest, LastsLessThanHalfASecond)
{
    const Wav w = wav();
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LT(w.samples.size(), 44100u / 2);
}

TEST_P(SoundTest, IsClearlyAudible)
{
    // A peak of at least a quarter of full scale.
    const Wav w = wav();
    EXPECT_GE(peak(w.samples, 0, w.samples.size()), 32768 / 4);
}

TEST_P(SoundTest, StartsAndEndsWithoutAClick)
{
    // The first and the last sample are within 1 % of full scale of silence.
    const Wav w = wav();
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LT(std::abs(w.samples.front()), 328);
    EXPECT_LT(std::abs(w.samples.back()), 328);
}

TEST_P(SoundTest, HasNoSilencePaddedAtTheEnd)
{
    // The player adds its own silence; the file stops where the sound dies away, so
    // its last 30 ms still hold sound above -60 dBFS.
    const Wav w = wav();
    const std::size_t tail = 44100 * 30 / 1000;
    ASSERT_GT(w.samples.size(), tail);
    EXPECT_GT(peak(w.samples, w.samples.size() - tail, w.samples.size()), 32);
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundTest, ::testing::Values("du.WAV", "Ding.WAV", "2.WAV", "Gun.WAV"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             name.erase(name.find('.'));
                             return name == "2" ? std::string("Two") : name;
                         });

TEST(SoundsTest, TheFourEffectsAreDifferentSounds)
{
    const std::vector<Bytes> sounds{readAsset("Sound/du.WAV"), readAsset("Sound/Ding.WAV"), readAsset("Sound/2.WAV"),
                                    readAsset("Sound/Gun.WAV")};
    for (std::size_t i = 0; i < sounds.size(); ++i)
        for (std::size_t j = i + 1; j < sounds.size(); ++j)
            EXPECT_NE(sounds[i], sounds[j]) << i << " " << j;
}

}  // namespace
