// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "app/plain_image_transfers.h"

#include <QByteArray>
#include <QtGlobal>

namespace tappon {

PlainImageTransfers::PlainImageTransfers() : set_(!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
{
    if (set_)
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void PlainImageTransfers::connected()
{
    if (set_)
        qunsetenv("QT_XCB_NO_MITSHM");
    set_ = false;
}

}  // namespace tappon
