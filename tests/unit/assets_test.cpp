// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The pictures, icons, cursor and sounds in assets/ have the formats and pixel sizes the
// windows are laid out for: baseline JPEGs, one-frame GIFs, 16-colour icons, a
// two-colour cursor with its hot spot at the fingertip, and short 16-bit mono sounds.
// Each picture also comes drawn for screens scaled 2x ("name@2x.ext"): the same format
// at twice the size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kAssets =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "assets";

using Bytes = std::vector<std::uint8_t>;

Bytes readAsset(const std::string& name) {
    std::ifstream in(kAssets / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned le16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
unsigned be16(const Bytes& b, std::size_t at) { return b.at(at) << 8 | b.at(at + 1); }
std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | std::uint32_t{le16(b, at + 2)} << 16; }
std::string text(const Bytes& b, std::size_t at, std::size_t length) {
    return at + length <= b.size() ? std::string(b.begin() + at, b.begin() + at + length) : std::string{};
}

// ---------------------------------------------------------------- JPEG

struct JpegFrame {
    int marker = 0;  // 0xC0 baseline, 0xC2 progressive, ...
    int width = 0;
    int height = 0;
};

// The first start-of-frame segment, found by walking the segments from the start.
std::optional<JpegFrame> jpegFrame(const Bytes& b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= b.size() && b[at] == 0xFF) {
        const int marker = b[at + 1];
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                                  marker != 0xCC;
        if (startOfFrame && at + 9 <= b.size())
            return JpegFrame{marker, static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5))};
        if (marker == 0xDA) return std::nullopt;  // scan data before any frame header
        at += 2 + be16(b, at + 2);
    }
    return std::nullopt;
}

struct JpegCase {
    const char* file = "";
    int width = 0;
    int height = 0;

    friend std::ostream& operator<<(std::ostream& out, const JpegCase& c) { return out << c.file; }
};

class JpegTest : public ::testing::TestWithParam<JpegCase> {};

TEST_P(JpegTest, IsABaselineJpegOfItsStatedSize) {
    // Every JPEG is baseline (SOF0), never progressive, at the size the windows expect.
    const JpegCase& c = GetParam();
    const std::optional<JpegFrame> frame = jpegFrame(readAsset(c.file));
    ASSERT_TRUE(frame.has_value()) << c.file;
    EXPECT_EQ(frame->marker, 0xC0) << c.file;
    EXPECT_EQ(frame->width, c.width) << c.file;
    EXPECT_EQ(frame->height, c.height) << c.file;
}

INSTANTIATE_TEST_SUITE_P(Pictures, JpegTest,
                         ::testing::Values(JpegCase{"pictures/main/field.jpg", 377, 324},
                                           JpegCase{"pictures/splash/tile0.jpg", 53, 51},
                                           JpegCase{"pictures/splash/tile1.jpg", 49, 51},
                                           JpegCase{"pictures/splash/tile2.jpg", 53, 50},
                                           JpegCase{"pictures/help/title.jpg", 223, 68},
                                           JpegCase{"pictures/main/field@2x.jpg", 754, 648},
                                           JpegCase{"pictures/splash/tile0@2x.jpg", 106, 102},
                                           JpegCase{"pictures/splash/tile1@2x.jpg", 98, 102},
                                           JpegCase{"pictures/splash/tile2@2x.jpg", 106, 100},
                                           JpegCase{"pictures/help/title@2x.jpg", 446, 136}));

// ---------------------------------------------------------------- GIF

struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool transparent = false;
};

struct Gif {
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<GifFrame> frames;
};

std::size_t skipSubBlocks(const Bytes& b, std::size_t at) {
    while (b.at(at) != 0) at += b.at(at) + 1;
    return at + 1;
}

std::optional<Gif> readGif(const Bytes& b) {
    if (text(b, 0, 6) != "GIF89a" && text(b, 0, 6) != "GIF87a") return std::nullopt;
    Gif gif{static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8)), {}};
    std::size_t at = 13;
    if (b.at(10) & 0x80) at += 3u * (2u << (b.at(10) & 7));
    bool transparentNext = false;
    while (at < b.size()) {
        const std::uint8_t block = b[at];
        if (block == 0x3B) return gif;
        if (block == 0x21) {
            if (b.at(at + 1) == 0xF9) transparentNext = (b.at(at + 3) & 1) != 0;
            at = skipSubBlocks(b, at + 2);
        } else if (block == 0x2C) {
            gif.frames.push_back(GifFrame{static_cast<int>(le16(b, at + 1)), static_cast<int>(le16(b, at + 3)),
                                          static_cast<int>(le16(b, at + 5)), static_cast<int>(le16(b, at + 7)),
                                          transparentNext});
            transparentNext = false;
            const std::uint8_t flags = b.at(at + 9);
            at += 10;
            if (flags & 0x80) at += 3u * (2u << (flags & 7));
            at = skipSubBlocks(b, at + 1);  // after the LZW code size
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no trailer
}

struct GifCase {
    const char* file = "";
    int width = 0;
    int height = 0;

    friend std::ostream& operator<<(std::ostream& out, const GifCase& c) { return out << c.file; }
};

class OpaqueGifTest : public ::testing::TestWithParam<GifCase> {};

TEST_P(OpaqueGifTest, IsOneOpaqueFrameFillingItsStatedSize) {
    // Button symbols, the about banner and the logo frames: one frame, the whole
    // picture, no transparent colour.
    const GifCase& c = GetParam();
    const std::optional<Gif> gif = readGif(readAsset(c.file));
    ASSERT_TRUE(gif.has_value()) << c.file;
    EXPECT_EQ(gif->screenWidth, c.width) << c.file;
    EXPECT_EQ(gif->screenHeight, c.height) << c.file;
    ASSERT_EQ(gif->frames.size(), 1u) << c.file;
    const GifFrame& frame = gif->frames.front();
    EXPECT_EQ(frame.left, 0) << c.file;
    EXPECT_EQ(frame.top, 0) << c.file;
    EXPECT_EQ(frame.width, c.width) << c.file;
    EXPECT_EQ(frame.height, c.height) << c.file;
    EXPECT_FALSE(frame.transparent) << c.file;
}

INSTANTIATE_TEST_SUITE_P(Pictures, OpaqueGifTest,
                         ::testing::Values(GifCase{"pictures/main/start.gif", 19, 18},
                                           GifCase{"pictures/main/pause.gif", 20, 22},
                                           GifCase{"pictures/main/stop.gif", 21, 18},
                                           GifCase{"pictures/about/banner.gif", 320, 60},
                                           GifCase{"pictures/about/logo0.gif", 39, 39},
                                           GifCase{"pictures/about/logo1.gif", 39, 39},
                                           GifCase{"pictures/about/logo2.gif", 39, 39},
                                           GifCase{"pictures/about/logo3.gif", 39, 39},
                                           GifCase{"pictures/about/logo4.gif", 39, 39},
                                           GifCase{"pictures/about/logo5.gif", 39, 39},
                                           GifCase{"pictures/about/logo6.gif", 39, 39},
                                           GifCase{"pictures/about/logo7.gif", 39, 39},
                                           GifCase{"pictures/about/logo8.gif", 39, 39},
                                           GifCase{"pictures/main/start@2x.gif", 38, 36},
                                           GifCase{"pictures/main/pause@2x.gif", 40, 44},
                                           GifCase{"pictures/main/stop@2x.gif", 42, 36},
                                           GifCase{"pictures/about/banner@2x.gif", 640, 120},
                                           GifCase{"pictures/about/logo0@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo1@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo2@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo3@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo4@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo5@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo6@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo7@2x.gif", 78, 78},
                                           GifCase{"pictures/about/logo8@2x.gif", 78, 78}));

TEST(SplashBannerTest, IsOneTransparentFrameOfTheBannerSizeInsideALargerCanvas) {
    // The slogan banner: a 208 x 44 frame at (1, 1) on a 211 x 47 canvas, with a
    // transparent colour; at 2x all of it twice as large.
    for (const int scale : {1, 2}) {
        const std::optional<Gif> gif =
            readGif(readAsset(scale == 1 ? "pictures/splash/banner.gif" : "pictures/splash/banner@2x.gif"));
        ASSERT_TRUE(gif.has_value()) << scale;
        EXPECT_EQ(gif->screenWidth, 211 * scale);
        EXPECT_EQ(gif->screenHeight, 47 * scale);
        ASSERT_EQ(gif->frames.size(), 1u);
        const GifFrame& frame = gif->frames.front();
        EXPECT_EQ(frame.left, scale);
        EXPECT_EQ(frame.top, scale);
        EXPECT_EQ(frame.width, 208 * scale);
        EXPECT_EQ(frame.height, 44 * scale);
        EXPECT_TRUE(frame.transparent);
    }
}

TEST(LogoAnimationTest, NeighbouringFramesDiffer) {
    // Each of the nine logo frames is a step of the motion, not a repeat of the last.
    for (int i = 1; i < 9; ++i) {
        const std::string before = "pictures/about/logo" + std::to_string(i - 1) + ".gif";
        const std::string after = "pictures/about/logo" + std::to_string(i) + ".gif";
        EXPECT_NE(readAsset(before), readAsset(after)) << after;
    }
}

// ---------------------------------------------------------------- ICO and CUR

struct IconImage {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int field4 = 0;  // icon: colour planes; cursor: hot spot x
    int field6 = 0;  // icon: bits per pixel; cursor: hot spot y
    int bitmapBits = 0;
    int bitmapWidth = 0;
    int bitmapHeight = 0;  // colour bitmap and mask together: twice the image height
    bool inFile = false;
};

struct IconFile {
    int type = 0;  // 1 icon, 2 cursor
    std::vector<IconImage> images;
};

IconFile readIconFile(const Bytes& b) {
    IconFile file{static_cast<int>(le16(b, 2)), {}};
    const unsigned count = le16(b, 4);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        IconImage image;
        image.width = b.at(entry) == 0 ? 256 : b.at(entry);
        image.height = b.at(entry + 1) == 0 ? 256 : b.at(entry + 1);
        image.colourCount = b.at(entry + 2);
        image.field4 = static_cast<int>(le16(b, entry + 4));
        image.field6 = static_cast<int>(le16(b, entry + 6));
        const std::uint32_t size = le32(b, entry + 8);
        const std::uint32_t offset = le32(b, entry + 12);
        image.inFile = offset + std::uint64_t{size} <= b.size() && size >= 40;
        if (image.inFile && le32(b, offset) == 40) {
            image.bitmapWidth = static_cast<int>(le32(b, offset + 4));
            image.bitmapHeight = static_cast<int>(le32(b, offset + 8));
            image.bitmapBits = static_cast<int>(le16(b, offset + 14));
        }
        file.images.push_back(image);
    }
    return file;
}

void expectSixteenColourIcon(const IconImage& image, int size) {
    EXPECT_TRUE(image.inFile);
    EXPECT_EQ(image.width, size);
    EXPECT_EQ(image.height, size);
    EXPECT_EQ(image.colourCount, 16);
    EXPECT_EQ(image.field6, 4);
    EXPECT_EQ(image.bitmapBits, 4);
    EXPECT_EQ(image.bitmapWidth, size);
    EXPECT_EQ(image.bitmapHeight, 2 * size);
}

class ScaleTest : public ::testing::TestWithParam<int> {
protected:
    // The file name at this scale: "name.ext" or "name@2x.ext". Sizes named in the
    // tests' names are those at 1x.
    static std::string at(const std::string& name) {
        const std::size_t dot = name.rfind('.');
        return GetParam() == 1 ? name : name.substr(0, dot) + "@2x" + name.substr(dot);
    }
    static int scaled(int pixels) { return pixels * GetParam(); }
};

using IconTest = ScaleTest;

TEST_P(IconTest, TheApplicationIconHoldsA32AndA16PixelImageOfSixteenColours) {
    const IconFile icon = readIconFile(readAsset(at("icons/tappon.ico")));
    EXPECT_EQ(icon.type, 1);
    ASSERT_EQ(icon.images.size(), 2u);
    expectSixteenColourIcon(icon.images[0], scaled(32));
    expectSixteenColourIcon(icon.images[1], scaled(16));
}

TEST_P(IconTest, TheAboutIconHoldsOne32PixelImageOfSixteenColours) {
    const IconFile icon = readIconFile(readAsset(at("pictures/about/icon.ico")));
    EXPECT_EQ(icon.type, 1);
    ASSERT_EQ(icon.images.size(), 1u);
    expectSixteenColourIcon(icon.images[0], scaled(32));
}

using CursorTest = ScaleTest;

TEST_P(CursorTest, TheHandIsATwoColour32PixelCursorPointingFromItsFingertip) {
    // The hot spot (5, 0) is the tip of the pointing finger.
    const IconFile cursor = readIconFile(readAsset(at("pictures/about/hand.cur")));
    EXPECT_EQ(cursor.type, 2);
    ASSERT_EQ(cursor.images.size(), 1u);
    const IconImage& image = cursor.images[0];
    EXPECT_TRUE(image.inFile);
    EXPECT_EQ(image.width, scaled(32));
    EXPECT_EQ(image.height, scaled(32));
    EXPECT_EQ(image.colourCount, 2);
    EXPECT_EQ(image.field4, scaled(5));
    EXPECT_EQ(image.field6, 0);
    EXPECT_EQ(image.bitmapBits, 1);
    EXPECT_EQ(image.bitmapHeight, scaled(64));
}

TEST_P(CursorTest, TheHotSpotPixelIsOpaque) {
    // A click lands where the fingertip is drawn: the AND mask leaves the hot spot opaque.
    const Bytes b = readAsset(at("pictures/about/hand.cur"));
    const std::uint32_t offset = le32(b, 6 + 12);
    const std::uint32_t colours = le32(b, offset + 32) == 0 ? 2 : le32(b, offset + 32);
    const std::size_t rowBytes = static_cast<std::size_t>(scaled(32)) / 8;
    const std::size_t colourBitmap = offset + 40 + 4 * colours;
    const std::size_t mask = colourBitmap + scaled(32) * rowBytes;
    const std::size_t topRow = mask + (scaled(32) - 1) * rowBytes;  // rows are stored bottom-up
    const int x = scaled(5);
    EXPECT_EQ(b.at(topRow + x / 8) & (0x80 >> (x % 8)), 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, IconTest, ::testing::Values(1, 2));
INSTANTIATE_TEST_SUITE_P(Scales, CursorTest, ::testing::Values(1, 2));

// ---------------------------------------------------------------- WAV

struct Wav {
    unsigned format = 0;
    unsigned channels = 0;
    std::uint32_t rate = 0;
    unsigned bits = 0;
    std::vector<int> samples;  // 16-bit mono samples
};

std::optional<Wav> readWav(const Bytes& b) {
    if (text(b, 0, 4) != "RIFF" || text(b, 8, 4) != "WAVE") return std::nullopt;
    Wav wav;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = text(b, at, 4);
        const std::uint32_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) return std::nullopt;
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
    Wav wav() const {
        const std::optional<Wav> w = readWav(readAsset(std::string("Sound/") + GetParam()));
        return w.value_or(Wav{});
    }
    static int peak(const std::vector<int>& samples, std::size_t from, std::size_t to) {
        int highest = 0;
        for (std::size_t i = from; i < to && i < samples.size(); ++i) highest = std::max(highest, std::abs(samples[i]));
        return highest;
    }
};

TEST_P(SoundTest, IsSixteenBitMonoPcmAt44100Hertz) {
    const Wav w = wav();
    EXPECT_EQ(w.format, 1u);
    EXPECT_EQ(w.channels, 1u);
    EXPECT_EQ(w.rate, 44100u);
    EXPECT_EQ(w.bits, 16u);
}

TEST_P(SoundTest, LastsLessThanHalfASecond) {
    const Wav w = wav();
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LT(w.samples.size(), 44100u / 2);
}

TEST_P(SoundTest, IsClearlyAudible) {
    // A peak of at least a quarter of full scale.
    const Wav w = wav();
    EXPECT_GE(peak(w.samples, 0, w.samples.size()), 32768 / 4);
}

TEST_P(SoundTest, StartsAndEndsWithoutAClick) {
    // The first and the last sample are within 1 % of full scale of silence.
    const Wav w = wav();
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LT(std::abs(w.samples.front()), 328);
    EXPECT_LT(std::abs(w.samples.back()), 328);
}

TEST_P(SoundTest, HasNoSilencePaddedAtTheEnd) {
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

TEST(SoundsTest, TheFourEffectsAreDifferentSounds) {
    const std::vector<Bytes> sounds{readAsset("Sound/du.WAV"), readAsset("Sound/Ding.WAV"),
                                    readAsset("Sound/2.WAV"), readAsset("Sound/Gun.WAV")};
    for (std::size_t i = 0; i < sounds.size(); ++i)
        for (std::size_t j = i + 1; j < sounds.size(); ++j) EXPECT_NE(sounds[i], sounds[j]) << i << " " << j;
}

}  // namespace
