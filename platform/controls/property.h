// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <cstdint>

namespace tappon {

class Control;
class Form;

// What changed on a control or a form, so that a view can mirror just that.
enum class Property : std::uint8_t {
    Caption,
    Text,
    Geometry,
    Visible,
    Enabled,
    ForeColor,
    BackColor,
    Font,
    Picture,
    Checked,
    BorderColor,
    MouseIcon,
    Focus,
    Icon,
    AccessibleName,
};

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control, Property property) = 0;
};

class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void formChanged(Form& form, Property property) = 0;
};

}  // namespace tappon
