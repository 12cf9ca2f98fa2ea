// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

enum class MessageIcon { None, Information, Warning, Critical };

// A modal message box with one OK button. It returns when the player dismisses it;
// meanwhile other timers keep ticking. An empty title means the application's title.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const std::string& prompt, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace tappon
