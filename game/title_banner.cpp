// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The title banner: the window caption spells its text out, one more character a tick.
#include "game/frmtype.h"

#include "platform/values/checked_int.h"
#include "platform/values/text.h"

namespace tappon {

void frmtype::Timer4_Timer()
{
    bannerLength = toInt16(static_cast<double>(characterCount(bannerText)));
    bannerShown = loopIndex > 0 ? leftCharacters(bannerText, static_cast<std::size_t>(loopIndex)) : std::string();
    form().setCaption(bannerShown);
    loopIndex = incrementInt16(loopIndex);
    if (loopIndex > bannerLength)
        loopIndex = 0;
}

}  // namespace tappon
