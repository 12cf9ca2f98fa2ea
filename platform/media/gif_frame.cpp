// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/media/gif_frame.h"

#include <cstring>

namespace tappon {

namespace {

int little16(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8);
}

}  // namespace

std::optional<GifFrame> firstGifFrame(const std::uint8_t* data, std::size_t size)
{
    if (size < 13 || (std::memcmp(data, "GIF87a", 6) != 0 && std::memcmp(data, "GIF89a", 6) != 0))
        return std::nullopt;
    std::size_t pos = 13;
    const std::uint8_t screenFlags = data[10];
    if (screenFlags & 0x80)
        pos += 3u * (1u << ((screenFlags & 0x07) + 1));
    while (pos < size) {
        const std::uint8_t block = data[pos];
        if (block == 0x2C) {  // image descriptor
            if (pos + 10 > size)
                return std::nullopt;
            return GifFrame{little16(data + pos + 1), little16(data + pos + 3), little16(data + pos + 5),
                            little16(data + pos + 7)};
        }
        if (block != 0x21 || pos + 2 > size)  // only extensions may come before it
            return std::nullopt;
        pos += 2;  // introducer and label, then sub-blocks up to an empty one
        while (pos < size && data[pos] != 0)
            pos += 1u + data[pos];
        pos += 1;
    }
    return std::nullopt;
}

}  // namespace tappon
