// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/controls/control.h"

#include "platform/window/form.h"

namespace tappon {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index)
{
}

std::string Control::displayName() const
{
    return index_ == kNoIndex ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::setLeft(Twips left)
{
    left_ = left;
    changed(Property::Geometry);
}

void Control::setTop(Twips top)
{
    top_ = top;
    changed(Property::Geometry);
}

void Control::setWidth(Twips width)
{
    width_ = width;
    changed(Property::Geometry);
}

void Control::setHeight(Twips height)
{
    height_ = height;
    changed(Property::Geometry);
}

void Control::setMeasuredSize(Twips width, Twips height)
{
    width_ = width;
    height_ = height;
}

void Control::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    changed(Property::Visible);
    form_.controlAvailabilityChanged(*this);
}

void Control::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    changed(Property::Enabled);
    form_.controlAvailabilityChanged(*this);
}

bool Control::effectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_)
            return false;
    return true;
}

bool Control::effectivelyVisible() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_)
            return false;
    return true;
}

bool Control::canTakeFocus() const
{
    const bool focusableKind = kind_ == ControlKind::PictureBox || kind_ == ControlKind::TextBox
                               || kind_ == ControlKind::Button;
    return focusableKind && tabIndex_ >= 0 && effectivelyEnabled() && effectivelyVisible();
}

void Control::changed(Property property)
{
    if (observer_)
        observer_->controlChanged(*this, property);
}

}  // namespace tappon
