// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/app_info.h"

namespace tappon {

// The folder of the running executable and the program's title.
class QtAppInfo : public AppInfo {
public:
    std::string folder() const override;
    std::string title() const override { return "Tappon"; }
};

}  // namespace tappon
