// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

namespace tappon {

class Application;
class Window;

// Creates the main window, running its load, unless it exists already.
Window& loadMainWindow(Application& app);

// Opens the program's first window, the splash, which opens the main window when done.
void startProgram(Application& app);

}  // namespace tappon
