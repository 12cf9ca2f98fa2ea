// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/services/screen_reader.h"

#include <QPointer>
#include <QWidget>

namespace tappon {

// Messages for the screen reader, sent through the accessibility bridge from the window
// that has the keyboard focus. Nothing is sent while no assistive technology listens.
//
// From Qt 6.8 on they are announcements, which screen readers speak as they come. Qt 6.4
// has none, and Orca 43 speaks no changed name or description that it sends (it sends
// the object where the text belongs); what it does speak is a notification coming into
// view. There a notice that no one sees is shown anew, named by each message.
class QtScreenReader final : public ScreenReader {
public:
    void announce(const std::string& text) override;

private:
    QPointer<QWidget> notice_;
};

}  // namespace tappon
