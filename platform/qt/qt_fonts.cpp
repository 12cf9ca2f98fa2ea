// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/qt_fonts.h"

#include <cmath>

namespace tappon {

namespace {

const QStringList kSongFaces{"AR PL UMing CN", "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei"};
// A casual script whose every letter and digit stays distinct from the others (1, I
// and l; 9, g and q), then brush faces that tell some of them apart less well.
const QStringList kBrushScriptFaces{"Dancing Script", "Kaushan Script", "Z003", "AR PL UMing CN"};

}  // namespace

QStringList fontFamilies(const std::string& designFamily)
{
    const QString family = QString::fromStdString(designFamily);
    if (family == QStringLiteral("宋体") || family.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0)
        return kSongFaces;
    if (family == QStringLiteral("方正舒体"))
        return kBrushScriptFaces;
    if (family.isEmpty())
        return {};
    return {family};
}

QFont resolveFont(const Font& wanted)
{
    QFont font;
    QStringList families = fontFamilies(wanted.family);
    // The toolkit's default face closes every chain.
    families.append(QFont().defaultFamily());
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * 4.0f / 3.0f)));
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    return font;
}

}  // namespace tappon
