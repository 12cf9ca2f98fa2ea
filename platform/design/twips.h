// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

// Positions and sizes of windows and controls are twips (1/1440 inch) held in single
// precision, exactly as the window designs state them.
namespace tappon {

using Twips = float;

// 15 twips make one logical pixel (96 dots per inch). All conversion goes through here.
inline constexpr float kTwipsPerPixel = 15.0f;

int twipsToPixels(Twips twips);
Twips pixelsToTwips(int pixels);

}  // namespace tappon
