// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "windows/frm_about.h"

#include "designs/designs.h"
#include "platform/values/checked_int.h"
#include "platform/values/number_text.h"
#include "platform/window/application.h"

namespace tappon {

namespace {

// The logo cycle: frames 0 to 8, then copies of 3, 2 and 1 that swing it back.
inline constexpr int kFrameCount = 12;

}  // namespace

frmAbout::frmAbout(Application& app, const Form& main)
    : Window(app, designs::aboutWindow()),
      Label1(form().get<Label>("Label1")),
      Label2(form().get<Label>("Label2")),
      imgLogo(form().get<Image>("imgLogo")),
      Image1(form().array<Image>("Image1")),
      cmdOk(form().get<Button>("cmdOk")),
      cmdSysInfo(form().get<Button>("cmdSysInfo")),
      Timer2(form().get<Timer>("Timer2")),
      main_(main)
{
    Timer2.onTimer = [this] { Timer2_Timer(); };
    cmdOk.onClick = [this] { cmdOk_Click(); };
    cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
    Label1.onClick = [this] { Label1_Click(); };
    Label2.onClick = [this] { Label2_Click(); };
}

void frmAbout::Form_Load()
{
    form().setIcon(main_.icon());
    Label2.setMouseIcon(Label1.mouseIcon());
    imgLogo.setPicture(Image1[0].picture());
    Image1[9].setPicture(Image1[3].picture());
    Image1[10].setPicture(Image1[2].picture());
    Image1[11].setPicture(Image1[1].picture());
}

// The index of the frame to show next lives in the timer's tag, as decimal text.
void frmAbout::Timer2_Timer()
{
    const std::int16_t frame = toInt16(numberAtStart(Timer2.tag()));
    imgLogo.setPicture(Image1[frame].picture());
    Timer2.setTag(numberText(numberAtStart(Timer2.tag()) + 1));
    if (numberAtStart(Timer2.tag()) == kFrameCount)
        Timer2.setTag("0");
}

void frmAbout::cmdOk_Click()
{
    app().unload(*this);
}

void frmAbout::Label1_Click()
{
    app().services().shell.execute(ShellRequest{.owner = nullptr,
                                                .operation = "open",
                                                .file = designs::kWebSite,
                                                .parameters = "",
                                                .directory = "",
                                                .show = ShowCommand::Maximized});
}

void frmAbout::Label2_Click()
{
    app().services().shell.execute(
        ShellRequest{.owner = &form(),
                     .operation = "Open",
                     .file = std::string("mailto:") + designs::kMailbox + "?subject=Quillo3.00",
                     .parameters = "",
                     .directory = app().services().appInfo.folder(),
                     .show = ShowCommand::Normal});
}

}  // namespace tappon
