// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

namespace tappon {

// Every caption is Chinese. Without a face that has Chinese characters (neither the
// program's own Song face, which a build may leave out, nor an installed one), each of
// them is drawn as a box; the program still works, so it only says so, once, on
// standard error, naming the package that brings the face its windows ask for. Needs
// the application object (the font database).
void reportMissingChineseFont();

}  // namespace tappon
