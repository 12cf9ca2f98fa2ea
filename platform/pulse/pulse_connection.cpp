// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/pulse/pulse_connection.h"

#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/thread-mainloop.h>

#include <chrono>
#include <thread>

namespace tappon {

PulseConnection::PulseConnection()
{
    mainloop_ = pa_threaded_mainloop_new();
    if (!mainloop_)
        return;
    if (pa_threaded_mainloop_start(mainloop_) < 0) {
        pa_threaded_mainloop_free(mainloop_);
        mainloop_ = nullptr;
        return;
    }
    const PulseLock locked(*this);
    ensure();
}

PulseConnection::~PulseConnection()
{
    if (!mainloop_)
        return;
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    while (std::chrono::steady_clock::now() < deadline) {
        {
            const PulseLock locked(*this);
            if (!ready() || !pa_context_is_pending(context_))
                break;
        }
        std::this_thread::sleep_for(1ms);
    }
    {
        const PulseLock locked(*this);
        drop();
    }
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
}

pa_context* PulseConnection::ensure()
{
    if (!mainloop_)
        return nullptr;
    if (context_ && !failed())
        return context_;
    drop();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tappon");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mainloop_), "Tappon", properties);
    pa_proplist_free(properties);
    if (!context_)
        return nullptr;
    ++generation_;
    pa_context_set_state_callback(context_, &PulseConnection::stateChanged, this);
    // No server spawned from a game: a desktop starts its own. A failure shows in the
    // state, and the next effect tries again.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    return context_;
}

pa_context* PulseConnection::ready() const
{
    return context_ && pa_context_get_state(context_) == PA_CONTEXT_READY ? context_ : nullptr;
}

bool PulseConnection::failed() const
{
    if (!context_)
        return true;
    const pa_context_state_t state = pa_context_get_state(context_);
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

void PulseConnection::drop()
{
    if (!context_)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseConnection::wait()
{
    pa_threaded_mainloop_wait(mainloop_);
}

void PulseConnection::signal()
{
    pa_threaded_mainloop_signal(mainloop_, 0);
}

void PulseConnection::signalCallback(void* connection)
{
    static_cast<PulseConnection*>(connection)->signal();
}

void PulseConnection::stateChanged(pa_context*, void* connection)
{
    signalCallback(connection);
}

PulseLock::PulseLock(PulseConnection& connection) : mainloop_(connection.mainloop())
{
    pa_threaded_mainloop_lock(mainloop_);
}

PulseLock::~PulseLock()
{
    pa_threaded_mainloop_unlock(mainloop_);
}

PulseUnlock::PulseUnlock(PulseConnection& connection) : mainloop_(connection.mainloop())
{
    pa_threaded_mainloop_unlock(mainloop_);
}

PulseUnlock::~PulseUnlock()
{
    pa_threaded_mainloop_lock(mainloop_);
}

}  // namespace tappon
