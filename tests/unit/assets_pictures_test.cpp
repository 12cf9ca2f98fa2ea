// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The pictures in assets/ have the formats and pixel sizes the windows are laid out
// for: baseline JPEGs and one-frame GIFs. Each picture also comes drawn for screens
// scaled 2x ("name@2x.ext"): the same format at twice the size. The program's own GIF
// reader finds each GIF's first frame where this test's full reader does.
#include "platform/media/gif_frame.h"
#include "tests/support/asset_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>

namespace {

using namespace tappon::testing;

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

// The program's own reader, which skips to the first frame, finds the same box.
void expectTheProgramFindsTheFrame(const Bytes& b, const GifFrame& frame)
{
    const std::optional<tappon::GifFrame> found = tappon::firstGifFrame(b.data(), b.size());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ((std::array{found->left, found->top, found->width, found->height}),
              (std::array{frame.left, frame.top, frame.width, frame.height}));
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
    const Bytes bytes = readAsset(c.file);
    const std::optional<Gif> gif = readGif(bytes);
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
    expectTheProgramFindsTheFrame(bytes, frame);
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
        const Bytes bytes = readAsset(scale == 1 ? "pictures/splash/banner.gif" : "pictures/splash/banner@2x.gif");
        const std::optional<Gif> gif = readGif(bytes);
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
        expectTheProgramFindsTheFrame(bytes, frame);
    }
}

TEST(GifFrameTest, AnythingElseHasNoFrame) {
    // Neither a JPEG nor a GIF cut short before its first frame's box.
    const Bytes jpeg = readAsset("pictures/main/field.jpg");
    EXPECT_FALSE(tappon::firstGifFrame(jpeg.data(), jpeg.size()));
    const Bytes gif = readAsset("pictures/splash/banner.gif");
    for (const std::size_t cut : {0, 6, 13, 20})
        EXPECT_FALSE(tappon::firstGifFrame(gif.data(), cut)) << "cut at " << cut;
}

TEST(LogoAnimationTest, NeighbouringFramesDiffer) {
    // Each of the nine logo frames is a step of the motion, not a repeat of the last.
    for (int i = 1; i < 9; ++i) {
        const std::string before = "pictures/about/logo" + std::to_string(i - 1) + ".gif";
        const std::string after = "pictures/about/logo" + std::to_string(i) + ".gif";
        EXPECT_NE(readAsset(before), readAsset(after)) << after;
    }
}

}  // namespace
