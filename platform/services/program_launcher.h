// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/shell.h"

#include <string>

namespace tappon {

// Starts another program by its full file path, without any shell interpretation of
// the path. A failure to start raises a RuntimeError for the caller to trap.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void launch(const std::string& path, ShowCommand show) = 0;
};

// Tests whether a normal file exists at the path.
class FileTester {
public:
    virtual ~FileTester() = default;
    virtual bool fileExists(const std::string& path) const = 0;
};

}  // namespace tappon
