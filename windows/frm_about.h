// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/button.h"
#include "platform/controls/control_array.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/timer.h"
#include "platform/window/window.h"

#include <cstdint>
#include <string>

namespace tappon {

// The about window: the banner with the name, the version and an animated logo, the
// maker's mailbox and web site as links, and a button that starts the desktop's system
// information tool. It borrows the main window's icon and changes nothing there.
class frmAbout : public Window {
public:
    frmAbout(Application& app, const Form& main);

    void Form_Load() override;
    void Timer2_Timer();  // the next logo frame
    void cmdOk_Click();
    void cmdSysInfo_Click();
    void Label1_Click();  // the web site
    void Label2_Click();  // a new mail to the mailbox

    // Starts the system information tool, or says that there is none.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal; True when a value was read. The key
    // is closed again before it returns, whatever happened.
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

    // The controls the behaviour works with.
    Label& Label1;
    Label& Label2;
    Image& imgLogo;
    ControlArray<Image> Image1;
    Button& cmdOk;
    Button& cmdSysInfo;
    Timer& Timer2;

private:
    const Form& main_;
};

}  // namespace tappon
