// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/design/twips.h"

#include <cmath>

namespace tappon {

int twipsToPixels(Twips twips)
{
    // Round to the nearest pixel; a half pixel goes away from zero so that a
    // position and its negative land symmetrically about the origin.
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

Twips pixelsToTwips(int pixels)
{
    return static_cast<Twips>(pixels) * kTwipsPerPixel;
}

}  // namespace tappon
