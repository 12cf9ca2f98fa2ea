// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

namespace tappon {

class Form;

enum class ShowMode { Modeless, Modal };

// The toolkit side of a window's life: the view is attached when the form is created
// (before its load handler runs, so every change mirrors), shown, and detached when
// the form unloads. The headless host of the tests records and positions instead.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void attach(Form& form) = 0;
    // Places the window by its start position (centred on `owner` when it has one).
    virtual void show(Form& form, ShowMode mode, Form* owner) = 0;
    virtual void detach(Form& form) = 0;
    // Closes every window and leaves the event loop with this status.
    virtual void quit(int exitCode) = 0;
};

}  // namespace tappon
