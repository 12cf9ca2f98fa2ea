// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

// Qt answers a display it cannot open (DISPLAY naming no server, a Wayland socket
// without its plugin) with several lines of messages and an abort(). While the
// application object is built, this guard holds Qt's messages back; if Qt gives up, it
// prints one line naming the display instead and ends the program with status 1. Once
// the application object exists, release() hands the held messages on unchanged.
namespace tappon {

class PlatformStartGuard {
public:
    explicit PlatformStartGuard(const char* programName);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    void release();

private:
    bool active_ = false;
};

}  // namespace tappon
