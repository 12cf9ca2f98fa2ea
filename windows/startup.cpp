// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "windows/startup.h"

#include "platform/application.h"
#include "windows/frm_splash.h"

namespace tappon {

// The splash window is the first window; it opens the main window when it is done.
void startProgram(Application& app)
{
    frmSplash& splash = app.load<frmSplash>();
    app.show(splash, ShowMode::Modeless);
}

}  // namespace tappon
