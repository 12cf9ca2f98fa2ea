// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"

#include <string>

namespace tappon {

// A menu or menu item. Its container is the parent menu (none for a menu-bar title).
// The model owns the check mark: a click does not toggle it; handlers do.
class MenuItem : public Control {
public:
    MenuItem(Form& form, std::string name, int index) : Control(form, ControlKind::MenuItem, std::move(name), index) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption)
    {
        caption_ = std::move(caption);
        changed(Property::Caption);
    }
    bool isSeparator() const { return caption_ == "-"; }

    bool checked() const { return checked_; }
    void setChecked(bool checked)
    {
        checked_ = checked;
        changed(Property::Checked);
    }

    // The shortcut's name as the menu shows it ("F2", "Ctrl+P"); empty for none.
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }

private:
    std::string caption_;
    bool checked_ = false;
    std::string shortcut_;
};

}  // namespace tappon
