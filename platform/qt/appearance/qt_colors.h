// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/design/color.h"

#include <QColor>
#include <QPalette>

namespace tappon {

// A design colour on this desktop: RGB as it is, a system colour through the palette.
QColor toQColor(const Color& color, const QPalette& palette);

// Sets a palette role in every colour group, so a disabled control keeps its colours.
void setPaletteColor(QPalette& palette, QPalette::ColorRole role, const QColor& color);

}  // namespace tappon
