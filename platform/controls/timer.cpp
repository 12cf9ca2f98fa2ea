// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/controls/timer.h"

#include "platform/window/form.h"

namespace tappon {

Timer::Timer(Form& form, std::string name, int index, Scheduler& scheduler)
    : Control(form, ControlKind::Timer, std::move(name), index), scheduler_(&scheduler)
{
    id_ = scheduler_->add(
        [this] {
            if (onTimer)
                onTimer();
        },
        form.name() + "." + this->name());
    // A timer starts out disabled, not enabled as other controls do: the control factory
    // sets the design's interval first and the design's enabled state last, and only
    // that change from disabled to enabled starts a timer the design creates enabled.
    Control::setEnabled(false);
}

Timer::~Timer()
{
    detach();
}

void Timer::detach()
{
    if (scheduler_)
        scheduler_->remove(id_);
    scheduler_ = nullptr;
}

void Timer::setInterval(std::chrono::milliseconds interval)
{
    interval_ = interval;
    if (enabled())
        restart();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == this->enabled())
        return;
    Control::setEnabled(enabled);
    if (!scheduler_)
        return;
    if (enabled)
        restart();
    else
        scheduler_->stop(id_);
}

void Timer::restart()
{
    if (scheduler_)
        scheduler_->start(id_, interval_);
}

}  // namespace tappon
