// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

namespace tappon {

class Application;

// Opens the program's first window.
void startProgram(Application& app);

}  // namespace tappon
