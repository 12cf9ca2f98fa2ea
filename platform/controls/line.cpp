// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/controls/line.h"

#include <algorithm>

namespace tappon {

void Line::setPoints(Twips x1, Twips y1, Twips x2, Twips y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The line's box, so that containment and repaints have something to go by.
    setLeft(std::min(x1, x2));
    setTop(std::min(y1, y2));
    setWidth(std::max(x1, x2) - std::min(x1, x2));
    setHeight(std::max(y1, y2) - std::min(y1, y2));
}

}  // namespace tappon
