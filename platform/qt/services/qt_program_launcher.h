// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/program_launcher.h"

namespace tappon {

// Starts a program by its path, with no arguments and no shell in between.
class QtProgramLauncher : public ProgramLauncher {
public:
    void launch(const std::string& path, ShowCommand show) override;
};

}  // namespace tappon
