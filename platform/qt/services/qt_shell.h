// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/shell.h"

namespace tappon {

// Opens web addresses and mail links with the desktop's chosen program. How the
// program shows its window is its own business: a maximised show cannot be asked for.
class QtShell : public Shell {
public:
    void execute(const ShellRequest& request) override;
};

}  // namespace tappon
