// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

// A font as a design asks for it: family name exactly as designed (it may be a face
// that this desktop lacks; the toolkit layer substitutes), size in points, weight.
struct Font {
    std::string family;
    float points = 9.0f;
    bool bold = false;
    bool underline = false;

    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace tappon
