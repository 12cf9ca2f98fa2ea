// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/services/qt_app_info.h"

#include <QCoreApplication>

namespace tappon {

std::string QtAppInfo::folder() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace tappon
