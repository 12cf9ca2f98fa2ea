// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/program/chinese_font_check.h"

#include "platform/qt/appearance/qt_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cstdio>

namespace tappon {

void reportMissingChineseFont()
{
    // The program's own Song face holds every character its windows show. Without it,
    // any installed face that covers Simplified Chinese will do: fontconfig falls back
    // on it when the Song face is missing.
    if (!ownSongFamily().isEmpty() || !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        return;
    std::fputs("tappon: no Chinese font is installed, so the captions show as boxes; "
               "install the package fonts-arphic-uming (the face AR PL UMing CN)\n",
               stderr);
}

}  // namespace tappon
