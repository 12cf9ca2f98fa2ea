// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

namespace tappon {

// The letters repaint a few small rectangles twenty times a second. Through shared
// memory each repaint must wait for the X server to finish reading the last one (a round
// trip); sent over the connection, small rectangles cost less and never wait. Qt reads
// the setting as it connects; it is taken back then, so programs started from here
// (the browser, the system information) do not inherit it.
class PlainImageTransfers {
public:
    // Asks for plain transfers, unless the user chose either way in the environment.
    PlainImageTransfers();
    PlainImageTransfers(const PlainImageTransfers&) = delete;
    PlainImageTransfers& operator=(const PlainImageTransfers&) = delete;

    // Takes the setting back: Qt has connected to the display.
    void connected();

private:
    bool set_ = false;
};

}  // namespace tappon
