// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/program/trace.h"

#include <QEvent>
#include <QObject>
#include <QSet>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#ifdef __linux__
#include <pthread.h>
#endif

namespace tappon::trace {

namespace detail {

void* sink = nullptr;

}  // namespace detail

namespace {

// The lines reach the file within half a second, written by a thread of their
// own that wakes twice a second: a write per event, or a wake-up per burst of
// events, would cost the traced program more than the events themselves and blur
// the figures taken from it.
constexpr auto kFlushPeriod = std::chrono::milliseconds(500);

// Never destroyed: the flushing thread still uses it while the program exits.
std::mutex& sinkMutex()
{
    static auto* instance = new std::mutex;
    return *instance;
}

void flushLoop()
{
#ifdef __linux__
    // Named, so that its time is not counted as the main thread's.
    pthread_setname_np(pthread_self(), "trace");
#endif
    auto next = std::chrono::steady_clock::now();
    for (;;) {
        next += kFlushPeriod;
        std::this_thread::sleep_until(next);
        std::lock_guard lock(sinkMutex());
        std::fflush(static_cast<std::FILE*>(detail::sink));
    }
}

void flushAtExit()
{
    std::lock_guard lock(sinkMutex());
    std::fflush(static_cast<std::FILE*>(detail::sink));
}

}  // namespace

namespace detail {

void write(std::string_view kind, std::string_view text)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    std::lock_guard lock(sinkMutex());
    std::fprintf(static_cast<std::FILE*>(sink), "%lld %.*s %.*s\n", static_cast<long long>(ns),
                 static_cast<int>(kind.size()), kind.data(), static_cast<int>(text.size()), text.data());
}

}  // namespace detail

void openFromEnvironment()
{
    const char* path = std::getenv("TAPPON_TRACE");
    if (!path || !*path || detail::sink)
        return;
    detail::sink = std::fopen(path, "a");
    if (!detail::sink) {
        std::fprintf(stderr, "tappon: cannot open the trace file %s\n", path);
        return;
    }
    std::setvbuf(static_cast<std::FILE*>(detail::sink), nullptr, _IOFBF, 1 << 16);
    std::thread(flushLoop).detach();
    std::atexit(flushAtExit);
    event("start");
}

namespace {

class WindowWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            trace::event("shown", watched->objectName().toStdString());
        } else if (event->type() == QEvent::Expose && watched->isWindowType()) {
            auto* window = static_cast<QWindow*>(watched);
            if (window->isExposed() && !mapped_.contains(window)) {
                mapped_.insert(window);
                connect(window, &QObject::destroyed, this, [this, window] { mapped_.remove(window); });
                trace::event("mapped", window->objectName().toStdString());
            }
        } else if (event->type() == QEvent::Hide && watched->isWindowType()) {
            mapped_.remove(static_cast<QWindow*>(watched));
        }
        return false;
    }

private:
    QSet<QWindow*> mapped_;
};

}  // namespace

void watchWindows(QObject& application)
{
    if (!enabled())
        return;
    application.installEventFilter(new WindowWatcher(&application));
}

}  // namespace tappon::trace
