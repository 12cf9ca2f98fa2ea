// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/design/color.h"
#include "platform/design/font.h"
#include "platform/design/twips.h"

#include <optional>
#include <string>
#include <vector>

// Window designs as data: one table per window, every control with its kind, container,
// position and size in twips, caption, colours, font, states and picture. The toolkit
// layer and the model are both built from these tables; behaviour code reads the
// resulting controls and never repeats a value that a design holds.
namespace tappon {

enum class BorderStyle : std::uint8_t {
    FixedSingle,  // a title bar and a thin fixed frame; not resizable
    FixedDialog,  // a dialog frame; with an empty caption, no title bar at all
};

enum class StartPosition : std::uint8_t {
    Manual,       // the window places itself before it is shown
    CenterOwner,  // centred on its owner; on the screen when it has none
    CenterScreen,
};

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name;
    int index = kNoIndex;
    // The containing control, or (for menu items) the parent menu; empty: the window.
    std::string container;
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    std::string caption;  // caption of labels, buttons, menu items, frames; text of a text box
    std::optional<Color> foreColor;
    std::optional<Color> backColor;
    std::optional<Font> font;
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;    // focus order; -1: never takes the focus
    std::string picture;  // resource path of the picture, icon or button symbol
    bool stretch = false;
    bool autoSize = false;
    bool transparent = false;
    std::string toolTip;
    int maxLength = 0;
    int intervalMs = 0;  // timers
    std::string tag;
    bool isDefault = false;
    bool isCancel = false;
    bool checked = false;
    std::string shortcut;   // menu items: "F1", "F2", "Ctrl+P"
    std::string mouseIcon;  // cursor resource for a custom mouse pointer
    // Lines: end points; shapes and lines: border colour and pixel width.
    Twips x1 = 0;
    Twips y1 = 0;
    Twips x2 = 0;
    Twips y2 = 0;
    std::optional<Color> borderColor;
    int borderWidthPixels = 1;
    bool filled = false;
    // What a screen reader calls a control that shows no text of its own, and what it
    // reads after the name; empty: none.
    std::string accessibleName;
    std::string accessibleDescription;
};

struct FormDesign {
    std::string name;
    std::string caption;
    BorderStyle border = BorderStyle::FixedSingle;
    StartPosition startPosition = StartPosition::CenterOwner;
    Twips clientWidth = 0;
    Twips clientHeight = 0;
    std::optional<Color> backColor;
    std::string backPicture;
    std::string icon;
    std::optional<Font> font;
    bool showInTaskbar = true;
    bool hasTitleBarButtons = true;
    // What a screen reader calls a window whose caption is empty; the title stays empty.
    std::string accessibleName;
    std::vector<ControlDesign> controls;
};

}  // namespace tappon
