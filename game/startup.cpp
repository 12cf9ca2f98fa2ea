// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Which window opens which: the splash opens the main window, whose menu opens the help
// and about windows. The windows of windows/ know nothing of the main window's class.
#include "game/startup.h"

#include "game/frmtype.h"
#include "platform/window/application.h"
#include "windows/frm_splash.h"

namespace tappon {

Window& loadMainWindow(Application& app)
{
    return app.load<frmtype>();
}

void startProgram(Application& app)
{
    frmSplash& splash = app.load<frmSplash>(loadMainWindow);
    app.show(splash, ShowMode::Modeless);
}

}  // namespace tappon
