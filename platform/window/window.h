// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/window/form.h"

namespace tappon {

class Application;
struct FormDesign;

// The base of every window's behaviour class: it owns the window's form, built from
// the design, and the application it runs in. Subclasses bind their controls and
// handlers in their constructor and do their load work in Form_Load.
class Window {
public:
    Window(Application& app, const FormDesign& design);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    Application& app() { return app_; }

    virtual void Form_Load() {}

private:
    Application& app_;
    Form form_;
};

}  // namespace tappon
