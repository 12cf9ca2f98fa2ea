// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tappon {

// Where the first frame of a GIF lies on its logical screen. A GIF's frame can be
// smaller than its screen; the picture it shows is the frame, not the screen.
struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The first frame's box, or nothing when the bytes are not a well-formed GIF up to it.
std::optional<GifFrame> firstGifFrame(const std::uint8_t* data, std::size_t size);

}  // namespace tappon
