// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/program/platform_start_guard.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tappon {

namespace {

struct HeldMessage {
    QtMsgType type = QtDebugMsg;
    QString category;
    QString text;
};

// A message handler is a plain function, so what it needs lives here; there is only
// ever one guard, around the one application object.
const char* guardedProgram = "";
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> held;

QString displayInUse()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return "QT_QPA_PLATFORM=" + qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return "DISPLAY=" + qEnvironmentVariable("DISPLAY");
    return "WAYLAND_DISPLAY=" + qEnvironmentVariable("WAYLAND_DISPLAY");
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.append({type, QString::fromUtf8(context.category ? context.category : ""), text});
        return;
    }
    std::fprintf(stderr, "%s: cannot open the display (%s): no connection to a display server\n", guardedProgram,
                 qPrintable(displayInUse()));
    std::fflush(stderr);
    std::_Exit(1);  // Qt would abort() after this handler returns
}

}  // namespace

PlatformStartGuard::PlatformStartGuard(const char* programName) : active_(true)
{
    guardedProgram = programName;
    held.clear();
    previousHandler = qInstallMessageHandler(holdOrGiveUp);
}

PlatformStartGuard::~PlatformStartGuard()
{
    release();
}

void PlatformStartGuard::release()
{
    if (!active_)
        return;
    active_ = false;
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> messages = std::exchange(held, {});
    for (const HeldMessage& message : messages) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace tappon
