// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "designs/designs.h"

#include <string>

namespace tappon::designs {

namespace {

// Each control of the tables below keeps its fields together on a few lines; clang-format
// would give every field of a long designated initializer a line of its own.
// clang-format off

const Font kLinkFont{"宋体", 9.0f, false, true};

const Color kHighlightText = Color::fromSystem(SystemColor::HighlightText);

// Every label of the window sizes itself to its caption and lets the banner or the
// panel show through around its text.
ControlDesign label(const char* name, const char* container, Twips left, Twips top, Twips width, Twips height,
                    std::string caption, Color color, std::optional<Font> font = std::nullopt)
{
    return ControlDesign{.kind = ControlKind::Label, .name = name, .container = container, .left = left, .top = top,
                         .width = width, .height = height, .caption = std::move(caption), .foreColor = color,
                         .font = font, .autoSize = true, .transparent = true};
}

// The mailbox and web site: white, underlined, with a custom mouse pointer.
ControlDesign link(const char* name, Twips top, Twips width, const char* address, const char* mouseIcon)
{
    ControlDesign d = label(name, "Picture2", 600, top, width, 180, address, Color::rgb(255, 255, 255), kLinkFont);
    d.mouseIcon = mouseIcon;
    return d;
}

ControlDesign button(const char* name, Twips top, const char* caption, int tabIndex, bool isDefaultAndCancel)
{
    return ControlDesign{.kind = ControlKind::Button, .name = name, .left = 3270, .top = top, .width = 1035,
                         .height = 330, .caption = caption, .tabIndex = tabIndex, .isDefault = isDefaultAndCancel,
                         .isCancel = isDefaultAndCancel};
}

// The hidden store of the logo's twelve frames; the last three are filled at load.
ControlDesign logoFrame(int index)
{
    const std::string picture = index <= 8 ? ":/pictures/about/logo" + std::to_string(index) + ".gif" : "";
    return ControlDesign{.kind = ControlKind::Image, .name = "Image1", .index = index, .width = 585, .height = 585,
                         .visible = false, .picture = picture};
}

FormDesign build()
{
    FormDesign d;
    d.name = "frmAbout";
    d.caption = "关于-Tappon";
    d.border = BorderStyle::FixedSingle;
    d.startPosition = StartPosition::CenterOwner;
    d.clientWidth = 4365;
    d.clientHeight = 2880;
    d.backPicture = ":/pictures/about/banner.gif";
    d.showInTaskbar = false;
    d.controls = {
        // On the banner.
        label("Label7", "", 3270, 240, 720, 180, "Tappon", Color::rgb(241, 162, 73)),
        label("Label3", "", 3450, 510, 360, 180, "2.21", Color::rgb(192, 192, 192)),
        ControlDesign{.kind = ControlKind::Image, .name = "imgLogo", .left = 120, .top = 125, .width = 540,
                      .height = 585},
        ControlDesign{.kind = ControlKind::Line, .name = "Line1", .index = 1, .x1 = 0, .y1 = 900, .x2 = 4830,
                      .y2 = 900, .borderColor = Color::rgb(247, 145, 19), .borderWidthPixels = 2},

        // The link panel.
        ControlDesign{.kind = ControlKind::PictureBox, .name = "Picture2", .left = 120, .top = 1050, .width = 3075,
                      .height = 1725, .backColor = Color::rgb(64, 64, 64), .tabIndex = 2},
        label("Label10", "Picture2", 60, 270, 2160, 180, "版权所有 © 2026 Tappon", kHighlightText),
        label("Label5", "Picture2", 60, 720, 450, 180, "信箱:", kHighlightText),
        link("Label2", 690, 2250, kMailbox, ""),
        label("Label4", "Picture2", 60, 1185, 450, 180, "网站:", kHighlightText),
        link("Label1", 1170, 2340, kWebSite, ":/pictures/about/hand.cur"),

        // Beside the panel.
        ControlDesign{.kind = ControlKind::Image, .name = "imgIcon", .left = 3510, .top = 1230, .width = 480,
                      .height = 480, .picture = ":/pictures/about/icon.ico"},
        button("cmdOk", 1950, " 确 定(&O)", 0, true),
        button("cmdSysInfo", 2430, "系统信息", 1, false),
        ControlDesign{.kind = ControlKind::Timer, .name = "Timer2", .intervalMs = 180, .tag = "0"},
    };
    for (int index = 0; index <= 11; ++index)
        d.controls.push_back(logoFrame(index));
    return d;
}

// clang-format on

}  // namespace

const FormDesign& aboutWindow()
{
    static const FormDesign design = build();
    return design;
}

}  // namespace tappon::designs
