// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/design/font.h"

#include <QFont>
#include <QStringList>

namespace tappon {

// The family of the program's own Song face, registered at the first call: the
// characters its windows show, cut at build time out of AR PL UMing CN and renamed, so
// that the program reads that small face instead of the whole installed collection.
// Empty when the program was built without it. Needs the application object.
const QString& ownSongFamily();

// The real families to try, in order, for a family a design asks for. Families this
// desktop may lack get explicit fallbacks, the program's own Song face before the
// installed one; an unknown family is tried as it is.
QStringList fontFamilies(const std::string& designFamily);

// The font for a design font, sized in pixels (points x 4/3) so that text takes the
// same room in the twips layout whatever the screen's dots per inch.
QFont resolveFont(const Font& wanted);

}  // namespace tappon
