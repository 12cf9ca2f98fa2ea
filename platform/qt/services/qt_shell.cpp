// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/services/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tappon {

void QtShell::execute(const ShellRequest& request)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(request.file)));
}

}  // namespace tappon
