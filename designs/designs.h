// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/design/design.h"

// The four windows of the game, as designed.
namespace tappon::designs {

const FormDesign& mainWindow();    // frmtype
const FormDesign& splashWindow();  // frmSplash
const FormDesign& helpWindow();    // Frmhelp
const FormDesign& aboutWindow();   // frmAbout

// The maker's addresses, shown in the main window's title and the about window.
inline constexpr const char* kWebSite = "http://tappon.example.com/";
inline constexpr const char* kMailbox = "tappon.player@example.com";

}  // namespace tappon::designs
