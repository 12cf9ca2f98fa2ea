// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/time/scheduler.h"

#include <algorithm>
#include <vector>

namespace tappon {

// Holds back the change notifications of a runDue() and tells them once as the
// outermost one ends (a tick's message box may dispatch other ticks inside it).
class Scheduler::Dispatch {
public:
    explicit Dispatch(Scheduler& scheduler) : scheduler_(scheduler) { ++scheduler_.dispatchDepth_; }
    ~Dispatch()
    {
        if (--scheduler_.dispatchDepth_ == 0 && scheduler_.changedInDispatch_) {
            scheduler_.changedInDispatch_ = false;
            scheduler_.notifyChange();
        }
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    Scheduler& scheduler_;
};

Scheduler::TimerId Scheduler::add(std::function<void()> tick, std::string name)
{
    const TimerId id = nextId_++;
    entries_[id].tick = std::move(tick);
    entries_[id].name = std::move(name);
    return id;
}

void Scheduler::remove(TimerId id)
{
    if (entries_.erase(id) > 0)
        notifyChange();
}

void Scheduler::start(TimerId id, std::chrono::milliseconds interval)
{
    const auto it = entries_.find(id);
    if (it == entries_.end())
        return;
    Entry& entry = it->second;
    entry.interval = interval;
    entry.started = interval.count() > 0;
    entry.deadline = clock_.now() + interval;
    notifyChange();
}

void Scheduler::stop(TimerId id)
{
    const auto it = entries_.find(id);
    if (it == entries_.end() || !it->second.started)
        return;
    it->second.started = false;
    notifyChange();
}

std::optional<Duration> Scheduler::nextDeadline() const
{
    std::optional<Duration> earliest;
    for (const auto& [id, entry] : entries_) {
        if (entry.started && !entry.inTick && (!earliest || entry.deadline < *earliest))
            earliest = entry.deadline;
    }
    return earliest;
}

void Scheduler::runDue()
{
    // Each timer ticks at most once per call, so a handler that keeps running past its
    // own next deadline cannot hold the dispatch here; the driver comes back for it.
    const Dispatch dispatch(*this);
    std::vector<TimerId> ticked;
    for (;;) {
        const Duration now = clock_.now();
        // Search afresh for every tick: a tick may add, remove, start or stop timers.
        TimerId dueId = 0;
        Duration dueAt{};
        for (const auto& [id, entry] : entries_) {
            if (entry.started && !entry.inTick && entry.deadline <= now && (dueId == 0 || entry.deadline < dueAt)
                && std::find(ticked.begin(), ticked.end(), id) == ticked.end()) {
                dueId = id;
                dueAt = entry.deadline;
            }
        }
        if (dueId == 0)
            return;

        ticked.push_back(dueId);
        Entry& entry = entries_.at(dueId);
        entry.deadline += entry.interval;
        if (entry.deadline <= now)
            entry.deadline = now + entry.interval;
        entry.inTick = true;
        notifyChange();

        const std::function<void()> tick = entry.tick;  // the entry may go away during the tick
        if (onTick_)
            onTick_(entry.name);
        if (invoker_)
            invoker_(tick);
        else
            tick();

        const auto it = entries_.find(dueId);
        if (it != entries_.end()) {
            // If the tick blocked past its next deadline, that tick comes at once and
            // the timer then re-phases from that moment (see the top of the loop).
            it->second.inTick = false;
            notifyChange();
        }
    }
}

void Scheduler::notifyChange()
{
    if (dispatchDepth_ > 0)
        changedInDispatch_ = true;
    else if (onChange_)
        onChange_();
}

}  // namespace tappon
