// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The sound player's reading of effect files, on files that libsndfile writes (or that are
// written wrong on purpose) in a folder of the test's own. No sound server is needed.
#include "platform/pulse/sound_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <stdlib.h>

namespace tappon {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int kSilenceMs = 10;

// The samples of a file or of the silence, frame after frame, as values of full scale 1.
std::vector<double> asValues(const Bytes& bytes, pa_sample_format_t format)
{
    std::vector<double> values;
    const std::size_t size = format == PA_SAMPLE_S16NE ? 2 : 4;
    for (std::size_t at = 0; at + size <= bytes.size(); at += size) {
        if (format == PA_SAMPLE_S16NE) {
            std::int16_t sample = 0;
            std::memcpy(&sample, bytes.data() + at, sizeof sample);
            values.push_back(sample / 32768.0);
        } else if (format == PA_SAMPLE_S32NE) {
            std::int32_t sample = 0;
            std::memcpy(&sample, bytes.data() + at, sizeof sample);
            values.push_back(sample / 2147483648.0);
        } else {
            float sample = 0;
            std::memcpy(&sample, bytes.data() + at, sizeof sample);
            values.push_back(sample);
        }
    }
    return values;
}

class SoundFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "sound_file_test.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A file of `format` (libsndfile's) with the samples given interleaved, full scale 1.
    fs::path write(const std::string& name, int format, int channels, int rate, const std::vector<double>& samples)
    {
        const fs::path path = folder_ / name;
        SF_INFO info{};
        info.format = format;
        info.channels = channels;
        info.samplerate = rate;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << name << ": " << sf_strerror(nullptr);
        if (file) {
            EXPECT_EQ(sf_writef_double(file, samples.data(), static_cast<sf_count_t>(samples.size()) / channels),
                      static_cast<sf_count_t>(samples.size()) / channels);
            sf_close(file);
        }
        return path;
    }

    fs::path writeBytes(const std::string& name, const Bytes& bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    static Bytes readAll(SoundFile& file, std::size_t blockBytes = 1 << 20)
    {
        Bytes out;
        while (!file.done())
            if (!file.next(blockBytes, out))
                ADD_FAILURE() << "the file could not be read";
        return out;
    }

    fs::path folder_;
};

// A ramp over the whole scale, the same in every channel but for its sign.
std::vector<double> ramp(int frames, int channels)
{
    std::vector<double> samples;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples.push_back((c % 2 ? -0.9 : 0.9) * (2.0 * i / (frames - 1) - 1));
    return samples;
}

struct Kind {
    const char* name;
    int format;
    int channels;
    pa_sample_format_t expected;
    double tolerance;  // what the file's own sample size gives away
};

TEST_F(SoundFileTest, EveryKindOfSamplePlaysInAFormatTheServerTakes)
{
    // 24-bit and floating-point files play as well as 16-bit ones, converted where the
    // server takes no such sample, and the samples keep their values.
    const Kind kinds[] = {
        {"8-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, PA_SAMPLE_S16NE, 0.02},
        {"16-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, PA_SAMPLE_S16NE, 0.001},
        {"24-bit stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 2, PA_SAMPLE_S16NE, 0.001},
        {"32-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 1, PA_SAMPLE_S32NE, 0.001},
        {"float stereo", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, PA_SAMPLE_FLOAT32NE, 0.001},
        {"double", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 1, PA_SAMPLE_FLOAT32NE, 0.001},
        {"extensible 16-bit stereo", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 2, PA_SAMPLE_S16NE, 0.001},
        {"AIFF 16-bit", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, PA_SAMPLE_S16NE, 0.001},
    };
    const int rate = 22050;
    const int frames = 300;
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const std::vector<double> written = ramp(frames, kind.channels);
        const auto file = SoundFile::open(write(kind.name, kind.format, kind.channels, rate, written), kSilenceMs);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->format().format, kind.expected);
        EXPECT_EQ(file->format().channels, kind.channels);
        EXPECT_EQ(file->format().rate, static_cast<std::uint32_t>(rate));
        const Bytes out = readAll(*file);
        EXPECT_EQ(out.size(), file->totalBytes());
        const std::vector<double> values = asValues(out, kind.expected);
        const std::size_t silence = static_cast<std::size_t>(rate * kSilenceMs / 1000 * kind.channels);
        ASSERT_EQ(values.size(), silence + written.size());
        for (std::size_t i = 0; i < written.size(); ++i)
            ASSERT_NEAR(values[silence + i], written[i], kind.tolerance) << "sample " << i;
    }
}

TEST_F(SoundFileTest, TheSamplesComeBitForBitAfterTheLeadingSilence)
{
    // The server drops the first milliseconds of a new stream: 10 ms of zeros go first,
    // then the file's samples as they are.
    const fs::path path = folder_ / "three.wav";
    SF_INFO info{0, 8000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* writer = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(writer, nullptr);
    const short samples[] = {100, -200, 32767};
    sf_writef_short(writer, samples, 3);
    sf_close(writer);

    const auto file = SoundFile::open(path, kSilenceMs);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->totalBytes(), (80u + 3u) * 2u);
    Bytes expected(80 * 2, 0);
    for (const short sample : samples) {
        expected.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        expected.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
    EXPECT_EQ(readAll(*file), expected);
}

TEST_F(SoundFileTest, ALargeFileIsReadABlockAtATime)
{
    // Neither the program nor the server's shared memory holds more than a block of an
    // effect: each read gives whole frames of at most a block (at least one frame), and
    // together they give what one read of the whole gives.
    const fs::path path = write("long.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 2, 8000, ramp(3000, 2));
    const auto whole = SoundFile::open(path, kSilenceMs);
    ASSERT_NE(whole, nullptr);
    const Bytes expected = readAll(*whole);
    const std::size_t frameBytes = 4;
    const std::size_t silenceBytes = 80 * frameBytes;
    for (const std::size_t block : {std::size_t{1}, std::size_t{6}, std::size_t{4096}}) {
        SCOPED_TRACE(block);
        const auto file = SoundFile::open(path, kSilenceMs);
        ASSERT_NE(file, nullptr);
        Bytes streamed;
        for (int reads = 0; !file->done(); ++reads) {
            const std::size_t before = streamed.size();
            ASSERT_TRUE(file->next(block, streamed));
            const std::size_t given = streamed.size() - before - (reads == 0 ? silenceBytes : 0);
            EXPECT_GT(given, 0u);
            EXPECT_LE(given, std::max(block - block % frameBytes, frameBytes));
            EXPECT_EQ(given % frameBytes, 0u);
        }
        EXPECT_EQ(streamed, expected);
    }
}

TEST_F(SoundFileTest, FloatSamplesBeyondFullScaleAreClipped)
{
    // A float file may hold anything; what goes to the server stays within full scale,
    // and what is no number at all is silence.
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> written = {1.5, -2.0, 0.25, std::nan(""), inf, -inf};
    const auto file = SoundFile::open(write("loud.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 8000, written), 0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(asValues(readAll(*file), PA_SAMPLE_FLOAT32NE), (std::vector<double>{1.0, -1.0, 0.25, 0.0, 0.0, 0.0}));
}

TEST_F(SoundFileTest, MalformedOrUnreadableFilesGiveNoSound)
{
    // Whatever cannot be played whole is not played at all.
    std::mt19937 random(7);
    Bytes noise(3000);
    for (auto& byte : noise)
        byte = static_cast<std::uint8_t>(random());
    const std::string text = "this is not a sound file, just some text of reasonable length";
    // A WAV header whose sizes announce two gigabytes of samples, and no sample.
    const char lying[] = "RIFF\xff\xff\xff\x7fWAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00"
                         "\x04\x00\x10\x00"
                         "data\xff\xff\xff\x7f";
    const std::vector<std::pair<const char*, fs::path>> files = {
        {"missing", folder_ / "missing.wav"},
        {"empty", writeBytes("empty.wav", {})},
        {"random bytes", writeBytes("noise.wav", noise)},
        {"text", writeBytes("text.wav", Bytes(text.begin(), text.end()))},
        {"lying sizes", writeBytes("lying.wav", Bytes(lying, lying + sizeof lying - 1))},
        {"no samples", write("nothing.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, {})},
        {"a folder", folder_},
        {"more channels than the server mixes",
         write("many.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 33, 8000, std::vector<double>(33 * 4, 0.5))},
        {"a rate above the server's", write("fast.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 1000000, {0.5, 0.5})},
    };
    for (const auto& [what, path] : files)
        EXPECT_EQ(SoundFile::open(path, kSilenceMs), nullptr) << what;
}

TEST_F(SoundFileTest, AFileCutShortIsMalformedWhereverItEnds)
{
    // A file that ends before the samples its header announces is broken, not short.
    const fs::path path = write("whole.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 2, 8000, ramp(16, 2));
    std::ifstream in(path, std::ios::binary);
    const Bytes whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_NE(SoundFile::open(path, kSilenceMs), nullptr);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const fs::path cut = writeBytes("cut.wav",
                                        Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
        EXPECT_EQ(SoundFile::open(cut, kSilenceMs), nullptr) << "cut to " << size << " of " << whole.size() << " bytes";
    }
}

TEST_F(SoundFileTest, AFileThatShrinksWhileItIsReadIsUnreadable)
{
    // A file changed under the reader gives no sample it does not have.
    const fs::path path = write("shrinking.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, ramp(20000, 1));
    const auto file = SoundFile::open(path, kSilenceMs);
    ASSERT_NE(file, nullptr);
    Bytes out;
    ASSERT_TRUE(file->next(1000, out));
    fs::resize_file(path, 2000);
    bool read = true;
    while (read && !file->done())
        read = file->next(1000, out);
    EXPECT_FALSE(read);
}

TEST(SoundFile, TheGamesEffectsOpen)
{
    // The four effects beside the program are read as 16-bit mono at their own rate.
    for (const char* name : {"du.WAV", "Ding.WAV", "2.WAV", "Gun.WAV"}) {
        const auto file = SoundFile::open(fs::path(TAPPON_ASSETS_DIR) / "Sound" / name, kSilenceMs);
        ASSERT_NE(file, nullptr) << name;
        EXPECT_EQ(file->format().format, PA_SAMPLE_S16NE) << name;
        EXPECT_EQ(file->format().channels, 1) << name;
        EXPECT_EQ(file->format().rate, 44100u) << name;
    }
}

}  // namespace
}  // namespace tappon
