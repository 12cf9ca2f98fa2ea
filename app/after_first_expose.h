// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QObject>

#include <functional>
#include <utility>

class QEvent;

namespace tappon {

// Runs a job once, from the event loop, after the first window has been exposed.
class AfterFirstExpose : public QObject {
public:
    AfterFirstExpose(QObject& application, std::function<void()> job);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> job_;
};

}  // namespace tappon
