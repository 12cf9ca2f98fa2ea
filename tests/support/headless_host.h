// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/window/form.h"
#include "platform/window/window_host.h"

#include <string>
#include <vector>

namespace tappon::testing {

// Windows without a screen: shows are recorded, and windows are placed on an imagined
// 1024 x 768 pixel screen by their start position, with no frame around them.
class HeadlessHost : public WindowHost {
public:
    static constexpr Twips kScreenWidth = 1024 * 15;
    static constexpr Twips kScreenHeight = 768 * 15;

    void attach(Form& form) override { attached.push_back(form.name()); }
    void show(Form& form, ShowMode mode, Form* owner) override
    {
        shows.push_back({form.name(), mode});
        switch (form.design().startPosition) {
        case StartPosition::Manual:
            break;
        case StartPosition::CenterOwner:
            if (owner) {
                form.setPositionFromPlatform(owner->left() + (owner->width() - form.width()) / 2,
                                             owner->top() + (owner->height() - form.height()) / 2);
                break;
            }
            [[fallthrough]];
        case StartPosition::CenterScreen:
            form.setPositionFromPlatform((kScreenWidth - form.width()) / 2, (kScreenHeight - form.height()) / 2);
            break;
        }
    }
    void detach(Form& form) override { detached.push_back(form.name()); }
    void quit(int exitCode) override { quitCalls.push_back(exitCode); }

    struct Show {
        std::string form;
        ShowMode mode;
    };
    std::vector<std::string> attached;
    std::vector<Show> shows;
    std::vector<std::string> detached;
    std::vector<int> quitCalls;
};

}  // namespace tappon::testing
