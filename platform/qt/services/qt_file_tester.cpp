// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/services/qt_file_tester.h"

#include <QFileInfo>

namespace tappon {

bool QtFileTester::fileExists(const std::string& path) const
{
    return QFileInfo(QString::fromStdString(path)).isFile();
}

}  // namespace tappon
