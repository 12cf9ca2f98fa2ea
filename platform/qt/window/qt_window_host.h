// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/window/window_host.h"

#include <QPointer>

#include <map>
#include <vector>

namespace tappon {

class Application;
class Form;
class FormView;

// Windows on the desktop: a FormView per attached form, shown by its start position,
// torn down safely (possibly from inside one of its own handlers), and the end of the
// event loop when the program ends.
class QtWindowHost : public WindowHost {
public:
    QtWindowHost() = default;
    ~QtWindowHost() override;
    QtWindowHost(const QtWindowHost&) = delete;
    QtWindowHost& operator=(const QtWindowHost&) = delete;

    // The application whose windows these are (it is made after its host).
    void bind(Application& app) { app_ = &app; }

    void attach(Form& form) override;
    void show(Form& form, ShowMode mode, Form* owner) override;
    void detach(Form& form) override;
    void quit(int exitCode) override;

    FormView* viewOf(const Form& form) const;
    // True once the program asked to end, even before the event loop ran.
    bool quitRequested() const { return quitRequested_; }
    int exitCode() const { return exitCode_; }

private:
    // Drops the decoded pictures that no window still up can show.
    void releasePicturesOfClosedWindows();

    Application* app_ = nullptr;
    std::map<const Form*, QPointer<FormView>> views_;
    std::vector<QPointer<FormView>> retired_;
    // Windows in the order they were shown; the last one still up takes the keyboard
    // back when another goes.
    std::vector<QPointer<FormView>> shown_;
    bool quitRequested_ = false;
    int exitCode_ = 0;
};

}  // namespace tappon
