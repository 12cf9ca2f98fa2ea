// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/app_info.h"
#include "platform/services/message_box.h"
#include "platform/services/program_launcher.h"
#include "platform/services/random_source.h"
#include "platform/services/registry.h"
#include "platform/services/screen_reader.h"
#include "platform/services/shell.h"
#include "platform/services/sound_player.h"

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
