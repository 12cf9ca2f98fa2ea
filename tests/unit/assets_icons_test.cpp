// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The icons and the cursor in assets/, at 1x and for screens scaled 2x: 16-colour icons
// and a two-colour cursor with its hot spot at the fingertip.
#include "tests/support/asset_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace {

using namespace tappon::testing;

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

IconFile readIconFile(const Bytes& b)
{
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

// In the file; width, height, colours; bits per pixel in the entry and in the bitmap;
// the bitmap's width and height (colours and mask: twice the image's).
void expectSixteenColourIcon(const IconImage& i, int size)
{
    EXPECT_EQ((std::array{int(i.inFile), i.width, i.height, i.colourCount, i.field6, i.bitmapBits, i.bitmapWidth,
                          i.bitmapHeight}),
              (std::array{1, size, size, 16, 4, 4, size, 2 * size}));
}

class ScaleTest : public ::testing::TestWithParam<int> {
protected:
    // The file name at this scale: "name.ext" or "name@2x.ext". Sizes named in the
    // tests' names are those at 1x.
    static std::string at(const std::string& name)
    {
        const std::size_t dot = name.rfind('.');
        return GetParam() == 1 ? name : name.substr(0, dot) + "@2x" + name.substr(dot);
    }
    static int scaled(int pixels) { return pixels * GetParam(); }
};

using IconTest = ScaleTest;

TEST_P(IconTest, TheApplicationIconHoldsA32AndA16PixelImageOfSixteenColours)
{
    const IconFile icon = readIconFile(readAsset(at("icons/tappon.ico")));
    EXPECT_EQ(icon.type, 1);
    ASSERT_EQ(icon.images.size(), 2u);
    expectSixteenColourIcon(icon.images[0], scaled(32));
    expectSixteenColourIcon(icon.images[1], scaled(16));
}

TEST_P(IconTest, TheAboutIconHoldsOne32PixelImageOfSixteenColours)
{
    const IconFile icon = readIconFile(readAsset(at("pictures/about/icon.ico")));
    EXPECT_EQ(icon.type, 1);
    ASSERT_EQ(icon.images.size(), 1u);
    expectSixteenColourIcon(icon.images[0], scaled(32));
}

using CursorTest = ScaleTest;

TEST_P(CursorTest, TheHandIsATwoColour32PixelCursorPointingFromItsFingertip)
{
    // The hot spot (5, 0) is the tip of the pointing finger.
    const IconFile cursor = readIconFile(readAsset(at("pictures/about/hand.cur")));
    EXPECT_EQ(cursor.type, 2);
    ASSERT_EQ(cursor.images.size(), 1u);
    const IconImage& i = cursor.images[0];
    // In the file; width, height, colours; the hot spot; bits per pixel; the bitmap's height.
    EXPECT_EQ(
        (std::array{int(i.inFile), i.width, i.height, i.colourCount, i.field4, i.field6, i.bitmapBits, i.bitmapHeight}),
        (std::array{1, scaled(32), scaled(32), 2, scaled(5), 0, 1, scaled(64)}));
}

TEST_P(CursorTest, TheHotSpotPixelIsOpaque)
{
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

}  // namespace
