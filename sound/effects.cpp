// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "sound/effects.h"

#include "platform/services/services.h"

#include <algorithm>

namespace tappon {

std::string effectPath(const std::string& appFolder, std::string_view effect)
{
    std::string path = appFolder + std::string(effect);
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(appFolder.size()), path.end(), '\\', '/');
    return path;
}

void playEffect(Services& services, std::string_view effect)
{
    services.sound.play(effectPath(services.appInfo.folder(), effect));
}

void playEffectIf(bool soundOn, Services& services, std::string_view effect)
{
    if (soundOn)
        playEffect(services, effect);
}

}  // namespace tappon
