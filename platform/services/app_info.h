// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

// The folder the program lies in (no trailing separator) and the program's title.
class AppInfo {
public:
    virtual ~AppInfo() = default;
    virtual std::string folder() const = 0;
    virtual std::string title() const = 0;
};

}  // namespace tappon
