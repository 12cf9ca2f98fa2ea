// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>

struct pa_context;
struct pa_threaded_mainloop;

namespace tappon {

// The program's connection to the PulseAudio server: libpulse's threaded main loop and a
// context on it, made anew when the last one failed. The loop's lock guards the context
// and everything its users share with libpulse's callbacks; every member but the
// constructor, the destructor and running() is called with it held.
class PulseConnection {
public:
    // Starts the loop's thread and begins to connect: connecting takes a few round trips,
    // and the first effect should find them done.
    PulseConnection();
    // Lets the requests made reach the server, waiting no more than a moment for it.
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    bool running() const { return mainloop_ != nullptr; }
    pa_threaded_mainloop* mainloop() const { return mainloop_; }

    // The current context, connecting anew when the last one failed or ended; null when
    // none can be made.
    pa_context* ensure();
    // The context if it is ready for requests.
    pa_context* ready() const;
    // Neither ready nor still connecting.
    bool failed() const;
    // Counts the contexts made: what the server held for an older one is gone.
    std::uint64_t generation() const { return generation_; }

    // Waits, the lock released meanwhile, until a callback or another thread signals.
    void wait();
    // Wakes every thread in wait(); callbacks of streams and requests call it too.
    void signal();
    // For the callbacks of libpulse: wakes the threads in wait() of `connection`.
    static void signalCallback(void* connection);

private:
    void drop();
    static void stateChanged(pa_context* context, void* connection);

    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    std::uint64_t generation_ = 0;
};

// Holds the connection's lock for a scope.
class PulseLock {
public:
    explicit PulseLock(PulseConnection& connection);
    ~PulseLock();
    PulseLock(const PulseLock&) = delete;
    PulseLock& operator=(const PulseLock&) = delete;

private:
    pa_threaded_mainloop* mainloop_ = nullptr;
};

// Releases the connection's lock, held by the caller, for a scope: for work that must not
// keep libpulse's thread and the other users waiting.
class PulseUnlock {
public:
    explicit PulseUnlock(PulseConnection& connection);
    ~PulseUnlock();
    PulseUnlock(const PulseUnlock&) = delete;
    PulseUnlock& operator=(const PulseUnlock&) = delete;

private:
    pa_threaded_mainloop* mainloop_ = nullptr;
};

}  // namespace tappon
