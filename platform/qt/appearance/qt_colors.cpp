// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/appearance/qt_colors.h"

namespace tappon {

QColor toQColor(const Color& color, const QPalette& palette)
{
    switch (color.system) {
    case SystemColor::None:
        return QColor(color.r, color.g, color.b);
    case SystemColor::ActiveBorder:
        return palette.color(QPalette::Active, QPalette::Window).darker(110);
    case SystemColor::HighlightText:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case SystemColor::ButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case SystemColor::WindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
    return QColor(color.r, color.g, color.b);
}

void setPaletteColor(QPalette& palette, QPalette::ColorRole role, const QColor& color)
{
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, color);
}

}  // namespace tappon
