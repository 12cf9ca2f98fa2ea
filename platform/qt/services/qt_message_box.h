// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/app_info.h"
#include "platform/services/message_box.h"

namespace tappon {

// A modal message box with one OK button over the active window. It runs its own
// event loop until dismissed, so timers go on ticking meanwhile.
class QtMessageBox : public MessageBoxService {
public:
    explicit QtMessageBox(const AppInfo& appInfo) : appInfo_(appInfo) {}

    void show(const std::string& prompt, const std::string& title, MessageIcon icon) override;

    // The first message box of a program takes over ten milliseconds to build and show
    // (style, icons, the button box, the Chinese button text, its native window and
    // title); the verdict of a game must appear on the second. Builds the kinds the
    // program shows once, unseen, and makes a native dialog window that is never
    // mapped; call when idle.
    static void warmUp();

private:
    const AppInfo& appInfo_;
};

}  // namespace tappon
