// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "designs/designs.h"
#include "designs/spoken.h"

namespace tappon::designs {

namespace {

// Each control of the tables below keeps its fields together on a few lines; clang-format
// would give every field of a long designated initializer a line of its own.
// clang-format off

const Color kBlack = Color::rgb(0, 0, 0);
const Color kWhite = Color::rgb(255, 255, 255);

// One of the three hidden tiles that spell the name; each picture is stretched to its box.
ControlDesign nameTile(int index, Twips left, Twips top, Twips width, Twips height, const char* picture)
{
    return ControlDesign{.kind = ControlKind::Image, .name = "Image1", .index = index, .container = "Frame1",
                         .left = left, .top = top, .width = width, .height = height, .visible = false,
                         .picture = picture, .stretch = true};
}

FormDesign build()
{
    FormDesign d;
    d.name = "frmSplash";
    d.caption = "";
    d.accessibleName = spoken::kSplashWindow;
    d.border = BorderStyle::FixedDialog;
    d.startPosition = StartPosition::CenterScreen;
    d.clientWidth = 4710;
    d.clientHeight = 3180;
    d.backColor = kBlack;
    d.showInTaskbar = false;
    d.hasTitleBarButtons = false;
    d.controls = {
        ControlDesign{.kind = ControlKind::Timer, .name = "Timer2", .enabled = true, .intervalMs = 50},
        ControlDesign{.kind = ControlKind::Frame, .name = "Frame1", .left = 80, .top = 0, .width = 4560,
                      .height = 3075, .caption = "", .backColor = kBlack},
        ControlDesign{.kind = ControlKind::Image, .name = "Image2", .container = "Frame1", .left = 840, .top = 480,
                      .width = 3120, .height = 660, .picture = ":/pictures/splash/banner.gif", .stretch = false},
        nameTile(0, 840, 1680, 765, 735, ":/pictures/splash/tile0.jpg"),
        nameTile(1, 1920, 1200, 825, 765, ":/pictures/splash/tile1.jpg"),
        nameTile(2, 3120, 1680, 810, 720, ":/pictures/splash/tile2.jpg"),
        // The bar is two pixels of border colour; the animation recolours and widens it.
        ControlDesign{.kind = ControlKind::Shape, .name = "Shape2", .container = "Frame1", .left = 2280,
                      .top = 2640, .width = 255, .height = 15, .backColor = kWhite, .visible = false,
                      .borderColor = kWhite, .borderWidthPixels = 2, .filled = true},
    };
    return d;
}

// clang-format on

}  // namespace

const FormDesign& splashWindow()
{
    static const FormDesign design = build();
    return design;
}

}  // namespace tappon::designs
