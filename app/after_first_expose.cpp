// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "app/after_first_expose.h"

#include <QEvent>
#include <QTimer>

#include <utility>

namespace tappon {

AfterFirstExpose::AfterFirstExpose(QObject& application, std::function<void()> job)
    : QObject(&application), job_(std::move(job))
{
    application.installEventFilter(this);
}

bool AfterFirstExpose::eventFilter(QObject* watched, QEvent* event)
{
    if (job_ && event->type() == QEvent::Expose && watched->isWindowType()) {
        parent()->removeEventFilter(this);
        QTimer::singleShot(0, this, [job = std::move(job_)] { job(); });
        job_ = nullptr;
    }
    return false;
}

}  // namespace tappon
