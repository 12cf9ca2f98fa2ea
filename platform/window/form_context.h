// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <functional>

namespace tappon {

class Form;
class Scheduler;

// What a form needs from the application around it: whether it takes input now (no
// modal window above it), a way to run a handler that traps runtime errors, and the
// scheduler that owns its timers' deadlines.
class FormContext {
public:
    virtual ~FormContext() = default;
    virtual bool acceptsInput(const Form& form) const = 0;
    virtual void invoke(const std::function<void()>& handler) = 0;
    virtual Scheduler& scheduler() = 0;
};

}  // namespace tappon
