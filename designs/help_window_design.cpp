// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "designs/designs.h"
#include "designs/spoken.h"

namespace tappon::designs {

namespace {

// Each control of the tables below keeps its fields together on a few lines; clang-format
// would give every field of a long designated initializer a line of its own.
// clang-format off

const Font kSong9Bold{"宋体", 9.0f, true, false};
const Font kSong105Bold{"宋体", 10.5f, true, false};

const Color kLightCyan = Color::rgb(192, 255, 255);

ControlDesign advice(int index, Twips left, Twips top, Twips width, const char* caption)
{
    return ControlDesign{.kind = ControlKind::Label, .name = "Label2", .index = index, .left = left, .top = top,
                         .width = width, .height = 210, .caption = caption, .foreColor = kLightCyan,
                         .font = kSong105Bold, .autoSize = true, .transparent = true};
}

ControlDesign frameLine(int index, Twips x1, Twips y1, Twips x2, Twips y2, Color color)
{
    return ControlDesign{.kind = ControlKind::Line, .name = "Line1", .index = index, .x1 = x1, .y1 = y1, .x2 = x2,
                         .y2 = y2, .borderColor = color, .borderWidthPixels = 3};
}

ControlDesign timer(const char* name)
{
    return ControlDesign{.kind = ControlKind::Timer, .name = name, .enabled = false, .intervalMs = 50};
}

FormDesign build()
{
    FormDesign d;
    d.name = "Frmhelp";
    d.caption = "";
    d.accessibleName = spoken::kHelpWindow;
    d.border = BorderStyle::FixedDialog;
    d.hasTitleBarButtons = false;
    d.showInTaskbar = false;
    d.startPosition = StartPosition::Manual;
    d.clientWidth = 6135;
    d.clientHeight = 4740;
    d.backColor = Color::rgb(0, 0, 0);
    // Nothing here takes the focus (every tabIndex stays -1): keys go to the window itself.
    d.controls = {
        ControlDesign{.kind = ControlKind::Image, .name = "Image1", .left = 1110, .top = 120, .width = 3345,
                      .height = 1020, .picture = ":/pictures/help/title.jpg", .stretch = false},
        // The advice has no member 4: the fourth item is Label2(5).
        advice(0, 990, 1560, 4005, "1.练习时必须将输入法切换到 EN 状态."),
        advice(1, 990, 2040, 4065, "2.注意当 CAPS LOCK 锁住时,及时切换."),
        advice(2, 990, 2520, 3975, "3.本程序只是测试的是你在单位时间内,"),
        advice(3, 1350, 2880, 3735, "打中的个数所以不要计较没有打中的."),
        advice(5, 990, 3360, 4215, "4.兴趣所作,欢迎复制.严禁用于商业目的."),
        ControlDesign{.kind = ControlKind::Label, .name = "Label1", .left = 3870, .top = 4200, .width = 1500,
                      .height = 180, .caption = "点击或ESC键返回", .foreColor = Color::rgb(255, 255, 255),
                      .font = kSong9Bold, .autoSize = true, .transparent = true},
        timer("Timer1"),
        timer("Timer2"),
        frameLine(1, 150, 1320, 5790, 1320, Color::rgb(255, 128, 0)),
        frameLine(0, 240, 3810, 5880, 3810, Color::rgb(128, 128, 255)),
        frameLine(3, 480, 3930, 480, 810, Color::rgb(255, 255, 0)),
        frameLine(2, 5550, 4110, 5550, 1230, Color::rgb(0, 255, 0)),
    };
    return d;
}

// clang-format on

}  // namespace

const FormDesign& helpWindow()
{
    static const FormDesign design = build();
    return design;
}

}  // namespace tappon::designs
