// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The pictures in assets/ have the formats and pixel sizes the windows are laid out
// for: baseline JPEGs and one-frame GIFs. Each picture also comes drawn for screens
// scaled 2x ("name@2x.ext"): the same format at twice the size. Qt shows a GIF's whole
// logical screen, so each GIF's one frame fills it.
#include "tests/support/asset_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace tappon::testing;

// ---------------------------------------------------------------- JPEG

struct JpegFrame {
    int marker = 0;  // 0xC0 baseline, 0xC2 progressive, ...
    int width = 0;
    int height = 0;
};

// The first start-of-frame segment, found by walking the segments from the start.
std::optional<JpegFrame> jpegFrame(const Bytes& b)
{
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= b.size() && b[at] == 0xFF) {
        const int marker = b[at + 1];
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
                                  && marker != 0xCC;
        if (startOfFrame && at + 9 <= b.size())
            return JpegFrame{marker, static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5))};
        if (marker == 0xDA)
            return std::nullopt;  // scan data before any frame header
        at += 2 + be16(b, at + 2);
    }
    return std::nullopt;
}

TEST(JpegTest, EveryJpegIsABaselineJpegOfItsStatedSize)
{
    // Baseline (SOF0), never progressive, at the size the windows expect.
    const std::tuple<const char*, int, int> cases[] = {
        {"pictures/main/field.jpg", 377, 324},      {"pictures/splash/tile0.jpg", 53, 51},
        {"pictures/splash/tile1.jpg", 49, 51},      {"pictures/splash/tile2.jpg", 53, 50},
        {"pictures/help/title.jpg", 223, 68},       {"pictures/main/field@2x.jpg", 754, 648},
        {"pictures/splash/tile0@2x.jpg", 106, 102}, {"pictures/splash/tile1@2x.jpg", 98, 102},
        {"pictures/splash/tile2@2x.jpg", 106, 100}, {"pictures/help/title@2x.jpg", 446, 136},
    };
    for (const auto& [file, width, height] : cases) {
        const std::optional<JpegFrame> frame = jpegFrame(readAsset(file));
        ASSERT_TRUE(frame.has_value()) << file;
        EXPECT_EQ((std::array{frame->marker, frame->width, frame->height}), (std::array{0xC0, width, height})) << file;
    }
}

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

std::size_t skipSubBlocks(const Bytes& b, std::size_t at)
{
    while (b.at(at) != 0)
        at += b.at(at) + 1;
    return at + 1;
}

std::optional<Gif> readGif(const Bytes& b)
{
    if (text(b, 0, 6) != "GIF89a" && text(b, 0, 6) != "GIF87a")
        return std::nullopt;
    Gif gif{static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8)), {}};
    std::size_t at = 13;
    if (b.at(10) & 0x80)
        at += 3u * (2u << (b.at(10) & 7));
    bool transparentNext = false;
    while (at < b.size()) {
        const std::uint8_t block = b[at];
        if (block == 0x3B)
            return gif;
        if (block == 0x21) {
            if (b.at(at + 1) == 0xF9)
                transparentNext = (b.at(at + 3) & 1) != 0;
            at = skipSubBlocks(b, at + 2);
        } else if (block == 0x2C) {
            gif.frames.push_back(GifFrame{static_cast<int>(le16(b, at + 1)), static_cast<int>(le16(b, at + 3)),
                                          static_cast<int>(le16(b, at + 5)), static_cast<int>(le16(b, at + 7)),
                                          transparentNext});
            transparentNext = false;
            const std::uint8_t flags = b.at(at + 9);
            at += 10;
            if (flags & 0x80)
                at += 3u * (2u << (flags & 7));
            at = skipSubBlocks(b, at + 1);  // after the LZW code size
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no trailer
}

TEST(OpaqueGifTest, EveryOtherGifIsOneOpaqueFrameFillingItsStatedSize)
{
    // Button symbols, the about banner and the logo frames (the slogan banner is below):
    // one frame, the whole picture, no transparent colour.
    std::vector<std::tuple<std::string, int, int>> cases = {
        {"main/start", 19, 18}, {"main/pause", 20, 22}, {"main/stop", 21, 18}, {"about/banner", 320, 60}};
    for (int i = 0; i <= 8; ++i)
        cases.emplace_back("about/logo" + std::to_string(i), 39, 39);
    for (const auto& [name, width, height] : std::vector(cases))
        cases.emplace_back(name + "@2x", 2 * width, 2 * height);
    for (const auto& [name, width, height] : cases) {
        const Bytes bytes = readAsset("pictures/" + name + ".gif");
        const std::optional<Gif> gif = readGif(bytes);
        ASSERT_TRUE(gif.has_value()) << name;
        EXPECT_EQ((std::array{gif->screenWidth, gif->screenHeight}), (std::array{width, height})) << name;
        ASSERT_EQ(gif->frames.size(), 1u) << name;
        const GifFrame& frame = gif->frames.front();
        EXPECT_EQ((std::array{frame.left, frame.top, frame.width, frame.height}), (std::array{0, 0, width, height}))
            << name;
        EXPECT_FALSE(frame.transparent) << name;
    }
}

TEST(SplashBannerTest, IsOneTransparentFrameFillingItsStatedSize)
{
    // The slogan banner: one 208 x 44 frame, the whole picture, with a transparent
    // colour that lets the window's black through; at 2x twice as large.
    for (const int scale : {1, 2}) {
        const Bytes bytes = readAsset(scale == 1 ? "pictures/splash/banner.gif" : "pictures/splash/banner@2x.gif");
        const std::optional<Gif> gif = readGif(bytes);
        ASSERT_TRUE(gif.has_value()) << scale;
        EXPECT_EQ((std::array{gif->screenWidth, gif->screenHeight}), (std::array{208 * scale, 44 * scale}));
        ASSERT_EQ(gif->frames.size(), 1u);
        const GifFrame& frame = gif->frames.front();
        EXPECT_EQ((std::array{frame.left, frame.top, frame.width, frame.height}),
                  (std::array{0, 0, 208 * scale, 44 * scale}));
        EXPECT_TRUE(frame.transparent);
    }
}

TEST(LogoAnimationTest, NeighbouringFramesDiffer)
{
    // Each of the nine logo frames is a step of the motion, not a repeat of the last.
    for (int i = 1; i < 9; ++i) {
        const std::string before = "pictures/about/logo" + std::to_string(i - 1) + ".gif";
        const std::string after = "pictures/about/logo" + std::to_string(i) + ".gif";
        EXPECT_NE(readAsset(before), readAsset(after)) << after;
    }
}

}  // namespace
