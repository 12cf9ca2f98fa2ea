// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>
#include <string_view>

namespace tappon {

struct Services;

// The four effects, named as their files lie under the program's folder.
inline constexpr std::string_view kSoundDu = "\\Sound\\du.WAV";
inline constexpr std::string_view kSoundDing = "\\Sound\\Ding.WAV";
inline constexpr std::string_view kSound2 = "\\Sound\\2.WAV";
inline constexpr std::string_view kSoundGun = "\\Sound\\Gun.WAV";

// The file path of an effect: the program's folder followed directly by the effect's
// name, its backslashes turned into slashes.
std::string effectPath(const std::string& appFolder, std::string_view effect);

// Plays an effect asynchronously and does not look at the result: a missing file or
// no audio device is silent and changes nothing.
void playEffect(Services& services, std::string_view effect);

// Plays the effect only while the player has the sound on (a window's sound switch).
void playEffectIf(bool soundOn, Services& services, std::string_view effect);

}  // namespace tappon
