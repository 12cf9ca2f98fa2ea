// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/app_info.h"
#include "platform/message_box.h"
#include "platform/program_launcher.h"
#include "platform/random_source.h"
#include "platform/registry.h"
#include "platform/screen_reader.h"
#include "platform/shell.h"
#include "platform/sound_player.h"

namespace tappon {

// The system services, chosen once: real ones by the program's main(), fakes by tests.
struct Services {
    MessageBoxService& messageBox;
    SoundPlayer& sound;
    RandomSource& random;
    AppInfo& appInfo;
    Shell& shell;
    Registry& registry;
    ProgramLauncher& launcher;
    FileTester& files;
    ScreenReader& screenReader;
};

}  // namespace tappon
