// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/program_launcher.h"

namespace tappon {

// Whether a normal file exists at a path.
class QtFileTester : public FileTester {
public:
    bool fileExists(const std::string& path) const override;
};

}  // namespace tappon
