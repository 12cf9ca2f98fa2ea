// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <string_view>

class QObject;

namespace tappon::trace {

// An opt-in event log for timing the program from outside: with TAPPON_TRACE=<file> in
// the environment, one line per event is appended to that file (within half a second):
//   <monotonic ns> <kind> <detail>
// (CLOCK_MONOTONIC, the clock of std::chrono::steady_clock). Kinds: start, tick, caption,
// key, sound, shown, mapped. Without the variable every hook is one null-pointer test.

// Opens the file named by TAPPON_TRACE, if any, and logs "start". Call first in main().
void openFromEnvironment();

namespace detail {
extern void* sink;
void write(std::string_view kind, std::string_view detail);
}  // namespace detail

inline bool enabled()
{
    return detail::sink != nullptr;
}

inline void event(std::string_view kind, std::string_view detail = {})
{
    if (detail::sink)
        detail::write(kind, detail);
}

// Logs windows shown and mapped (first exposed) from the application's event stream.
// Installed only while tracing; pass the application object.
void watchWindows(QObject& application);

}  // namespace tappon::trace
