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
const Font kSong12Bold{"宋体", 12.0f, true, false};
const Font kLetterFont{"方正舒体", 26.25f, true, false};

const Color kWhite = Color::rgb(255, 255, 255);
const Color kPaleOrange = Color::rgb(255, 224, 192);
const Color kButtonGrey = Color::rgb(224, 224, 224);

ControlDesign letter(int index, Twips left, Color color)
{
    return ControlDesign{.kind = ControlKind::Label, .name = "Label1", .index = index, .container = "Picture1",
                         .left = left, .top = 0, .width = 285, .height = 555, .caption = "0", .foreColor = color,
                         .font = kLetterFont, .autoSize = true, .transparent = true};
}

ControlDesign panelLabel(const char* name, Twips left, Twips top, Twips width, Twips height, const char* caption,
                         Color color, std::optional<Font> font = std::nullopt)
{
    return ControlDesign{.kind = ControlKind::Label, .name = name, .container = "Picture2", .left = left, .top = top,
                         .width = width, .height = height, .caption = caption, .foreColor = color, .font = font,
                         .autoSize = true, .transparent = true};
}

ControlDesign pictureButton(const char* name, Twips left, const char* picture, const char* toolTip, bool enabled,
                            int tabIndex, bool isDefault)
{
    return ControlDesign{.kind = ControlKind::Button, .name = name, .container = "Picture2", .left = left, .top = 3360,
                         .width = 495, .height = 495, .backColor = kButtonGrey, .enabled = enabled,
                         .tabIndex = tabIndex, .picture = picture, .toolTip = toolTip, .isDefault = isDefault};
}

ControlDesign menu(const char* name, const char* parent, const char* caption, const char* shortcut = "",
                   bool checked = false, bool enabled = true, int index = kNoIndex)
{
    return ControlDesign{.kind = ControlKind::MenuItem, .name = name, .index = index, .container = parent,
                         .caption = caption, .enabled = enabled, .checked = checked, .shortcut = shortcut};
}

ControlDesign timer(const char* name, int intervalMs, bool enabled)
{
    return ControlDesign{.kind = ControlKind::Timer, .name = name, .container = "Picture1", .enabled = enabled,
                         .intervalMs = intervalMs};
}

FormDesign build()
{
    FormDesign d;
    d.name = "frmtype";
    d.caption = "Tappon";
    d.border = BorderStyle::FixedSingle;
    d.startPosition = StartPosition::CenterOwner;
    d.clientWidth = 6915;
    d.clientHeight = 5025;
    d.icon = ":/icons/tappon.ico";
    d.font = kSong9Bold;
    d.controls = {
        // The playing field and its five letters.
        ControlDesign{.kind = ControlKind::PictureBox, .name = "Picture1", .left = 80, .top = 60, .width = 4815,
                      .height = 4935, .tabIndex = 0, .picture = ":/pictures/main/field.jpg",
                      .accessibleName = spoken::kField, .accessibleDescription = spoken::kFieldHint},
        letter(0, 480, Color::rgb(128, 255, 255)),
        letter(1, 1320, Color::rgb(255, 255, 0)),
        letter(2, 2160, Color::rgb(255, 128, 0)),
        letter(3, 3240, Color::rgb(255, 0, 255)),
        letter(4, 4320, Color::rgb(0, 255, 0)),
        timer("Timer1", 50, true),
        timer("Timer2", 1000, true),
        timer("Timer4", 300, false),

        // The side panel.
        ControlDesign{.kind = ControlKind::PictureBox, .name = "Picture2", .left = 4920, .top = 60, .width = 1950,
                      .height = 4935, .backColor = Color::fromSystem(SystemColor::ActiveBorder), .tabIndex = 2,
                      .accessibleName = spoken::kScorePanel},
        panelLabel("Label2", 360, 480, 990, 180, "现在得分：", kWhite),
        panelLabel("Label4", 1395, 435, 150, 240, "0", Color::rgb(128, 255, 128), kSong12Bold),
        panelLabel("Label3", 360, 960, 990, 180, "剩余时间：", kWhite),
        panelLabel("Label5", 1395, 915, 150, 240, "0", Color::rgb(255, 255, 0), kSong12Bold),
        panelLabel("Label9", 360, 1440, 645, 180, "Label9", kWhite),
        panelLabel("Label10", 1395, 1395, 150, 240, "0", kPaleOrange, kSong12Bold),
        panelLabel("Label7", 240, 2040, 1305, 210, "设 置 时 间", kPaleOrange, kSong105Bold),
        panelLabel("Label8", 240, 2640, 795, 180, "分钟数：", kWhite),
        ControlDesign{.kind = ControlKind::TextBox, .name = "Text1", .container = "Picture2", .left = 1200,
                      .top = 2520, .width = 375, .height = 315, .caption = "1", .font = kSong105Bold, .tabIndex = 3,
                      .maxLength = 3, .accessibleName = spoken::kMinutesBox},
        pictureButton("Command1", 120, ":/pictures/main/start.gif", "开始", true, 16, true),
        pictureButton("Command3", 720, ":/pictures/main/pause.gif", "暂停", false, 17, false),
        pictureButton("Command2", 1320, ":/pictures/main/stop.gif", "结束", false, 18, false),

        // The menus, in their order on screen.
        menu("sz", "", " 设  置(&S)"),
        menu("play", "sz", "开 局(&P)", "F2"),
        menu("jb", "sz", "级 别(&J)"),
        menu("jibie", "jb", " 初 级(&C)", "", true, true, 1),
        menu("jibie", "jb", " 中 级(&Z)", "", false, true, 2),
        menu("jibie", "jb", " 高 级(&G)", "", false, true, 3),
        menu("sound", "sz", "音 效", "", true),
        menu("pause1", "sz", "暂 停(&P)", "Ctrl+P", false, false),
        menu("q", "sz", "-"),
        menu("end", "sz", "退 出(&X)"),
        menu("help", "", "  帮  助(&H)"),
        menu("care", "help", "帮 助(&Z)", "F1"),
        menu("guanyu", "help", "关 于(&A)"),
    };
    return d;
}

// clang-format on

}  // namespace

const FormDesign& mainWindow()
{
    static const FormDesign design = build();
    return design;
}

}  // namespace tappon::designs
