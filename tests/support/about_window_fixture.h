// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The about window over a shown main window, on the headless screen and the virtual clock.
#pragma once

#include "game/frmtype.h"
#include "platform/window/application.h"
#include "tests/support/harness.h"
#include "windows/frm_about.h"

#include <gtest/gtest.h>

namespace tappon::testing {

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest() { h.app.show(main, ShowMode::Modeless); }

    frmAbout* about() const { return h.app.find<frmAbout>(); }
    // The about menu item, as the player chooses it.
    frmAbout& open()
    {
        main.form().click(main.guanyu);
        EXPECT_NE(about(), nullptr);
        return *about();
    }

    Harness h;
    frmtype& main = h.app.load<frmtype>();
};

}  // namespace tappon::testing
