// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/services.h"
#include "platform/time/scheduler.h"
#include "platform/window/form_context.h"
#include "platform/window/window.h"
#include "platform/window/window_host.h"

#include <functional>
#include <memory>
#include <vector>

namespace tappon {

// The running program: its services, the one scheduler of all timers, the open
// windows and the modal stack. Every handler runs through invoke(), which turns a
// runtime error into the platform's report (a message box) and the end of the program.
class Application : public FormContext {
public:
    Application(Services& services, const Clock& clock, WindowHost& host);
    ~Application() override;

    Services& services() { return services_; }
    Scheduler& scheduler() override { return scheduler_; }
    WindowHost& host() { return host_; }

    // Creates a window (if it does not exist yet) and runs its load handler.
    template <typename W, typename... Args>
    W& load(Args&&... args)
    {
        if (W* existing = find<W>())
            return *existing;
        auto window = std::make_unique<W>(*this, std::forward<Args>(args)...);
        W& ref = *window;
        windows_.push_back(std::move(window));
        host_.attach(ref.form());
        invoke([&ref] { ref.Form_Load(); });
        return ref;
    }
    template <typename W>
    W* find() const
    {
        for (const auto& window : windows_)
            if (auto* w = dynamic_cast<W*>(window.get()))
                return w;
        return nullptr;
    }

    // Shows a loaded window. A modal one blocks input to every other window until it
    // unloads; its owner is the window that was active when it was shown.
    void show(Window& window, ShowMode mode, Window* owner = nullptr);
    // Unloads a window: its timers stop at once; the object goes away once no handler
    // is running any more (it may be unloading itself from its own handler).
    void unload(Window& window);

    // Ends the program: every window closes, the event loop ends with this status.
    void end(int exitCode = 0);
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // The platform's close command on a window (a title-bar close button).
    void closeRequested(Window& window);

    // FormContext
    bool acceptsInput(const Form& form) const override;
    void invoke(const std::function<void()>& handler) override;

    const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }
    Window* windowOf(const Form& form) const;

private:
    void reportFatal(int code, const std::string& description);
    void collectUnloaded();

    Services& services_;
    Scheduler scheduler_;
    WindowHost& host_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> unloaded_;
    std::vector<Window*> modalStack_;
    int depth_ = 0;
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace tappon
