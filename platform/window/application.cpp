// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/window/application.h"

#include "platform/window/runtime_error.h"

#include <algorithm>

namespace tappon {

Application::Application(Services& services, const Clock& clock, WindowHost& host)
    : services_(services), scheduler_(clock), host_(host)
{
    scheduler_.setInvoker([this](const std::function<void()>& tick) { invoke(tick); });
}

Application::~Application()
{
    // Views go before their forms; forms stop their timers as they go.
    for (const auto& window : windows_)
        host_.detach(window->form());
    windows_.clear();
    unloaded_.clear();
}

void Application::show(Window& window, ShowMode mode, Window* owner)
{
    if (mode == ShowMode::Modal)
        modalStack_.push_back(&window);
    host_.show(window.form(), mode, owner ? &owner->form() : nullptr);
}

void Application::unload(Window& window)
{
    const auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == &window; });
    if (it == windows_.end())
        return;
    window.form().detachTimers();
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &window), modalStack_.end());
    host_.detach(window.form());
    unloaded_.push_back(std::move(*it));
    windows_.erase(it);
    if (depth_ == 0)
        collectUnloaded();
}

Window* Application::windowOf(const Form& form) const
{
    for (const auto& window : windows_)
        if (&window->form() == &form)
            return window.get();
    return nullptr;
}

void Application::end(int exitCode)
{
    if (ended_)
        return;
    ended_ = true;
    exitCode_ = exitCode;
    for (const auto& window : windows_)
        window->form().detachTimers();
    host_.quit(exitCode);
}

void Application::closeRequested(Window& window)
{
    if (!acceptsInput(window.form()))
        return;
    unload(window);
    if (windows_.empty())
        end(0);
}

bool Application::acceptsInput(const Form& form) const
{
    if (ended_)
        return false;
    return modalStack_.empty() || &modalStack_.back()->form() == &form;
}

void Application::invoke(const std::function<void()>& handler)
{
    if (ended_)
        return;
    ++depth_;
    try {
        handler();
    } catch (const RuntimeError& error) {
        reportFatal(error.code(), error.what());
    } catch (const std::exception& error) {
        reportFatal(kErrorInternal, std::string("Internal error: ") + error.what());
    }
    --depth_;
    if (depth_ == 0)
        collectUnloaded();
}

void Application::reportFatal(int code, const std::string& description)
{
    if (ended_)
        return;
    // Nothing may run while the report is open: the program is already ending.
    ended_ = true;
    for (const auto& window : windows_)
        window->form().detachTimers();
    services_.messageBox.show("Run-time error '" + std::to_string(code) + "':\n\n" + description, "",
                              MessageIcon::Critical);
    exitCode_ = 1;
    host_.quit(1);
}

void Application::collectUnloaded()
{
    unloaded_.clear();
}

}  // namespace tappon
