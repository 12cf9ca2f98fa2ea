// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/gif_frame.h"
#include "tests/support/asset_bytes.h"

#include <gtest/gtest.h>

namespace tappon {
namespace {

using testing::readAsset;

TEST(GifFrameTest, TheSlogansFrameLiesInsideItsLargerScreen)
{
    const auto bytes = readAsset("pictures/splash/banner.gif");
    const auto frame = firstGifFrame(bytes.data(), bytes.size());
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->left, 1);
    EXPECT_EQ(frame->top, 1);
    EXPECT_EQ(frame->width, 208);
    EXPECT_EQ(frame->height, 44);
}

TEST(GifFrameTest, AFrameFillingItsScreenStartsAtTheCorner)
{
    const auto bytes = readAsset("pictures/main/start.gif");
    const auto frame = firstGifFrame(bytes.data(), bytes.size());
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->left, 0);
    EXPECT_EQ(frame->width, 19);
    EXPECT_EQ(frame->height, 18);
}

TEST(GifFrameTest, AnythingElseHasNoFrame)
{
    const auto jpeg = readAsset("pictures/main/field.jpg");
    EXPECT_FALSE(firstGifFrame(jpeg.data(), jpeg.size()));
    const auto gif = readAsset("pictures/splash/banner.gif");
    for (const std::size_t cut : {0, 6, 13, 20})
        EXPECT_FALSE(firstGifFrame(gif.data(), cut)) << "cut at " << cut;
}

}  // namespace
}  // namespace tappon
