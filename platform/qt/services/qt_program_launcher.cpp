// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/services/qt_program_launcher.h"

#include "platform/window/runtime_error.h"

#include <QProcess>

namespace tappon {

namespace {

inline constexpr int kErrorFileNotFound = 53;

}  // namespace

void QtProgramLauncher::launch(const std::string& path, ShowCommand)
{
    if (!QProcess::startDetached(QString::fromStdString(path), {}))
        throw RuntimeError(kErrorFileNotFound, "File not found");
}

}  // namespace tappon
