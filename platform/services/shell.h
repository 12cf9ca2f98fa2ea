// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string>

namespace tappon {

class Form;

// Show commands for the shell and for launched programs.
enum class ShowCommand { Normal = 1, Maximized = 3 };

struct ShellRequest {
    const Form* owner = nullptr;  // the window the shell may parent its UI to; none
    std::string operation;        // "open", "Open"
    std::string file;             // a web address or a mailto link
    std::string parameters;
    std::string directory;
    ShowCommand show = ShowCommand::Normal;

    friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
};

// The desktop shell: opens documents and links with the desktop's chosen program.
// The result is not reported: a target with no program simply opens nothing.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void execute(const ShellRequest& request) = 0;
};

}  // namespace tappon
