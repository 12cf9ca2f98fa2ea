// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/window/form.h"

#include "platform/controls/button.h"
#include "platform/controls/control_factory.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/tab_order.h"
#include "platform/controls/timer.h"
#include "platform/window/form_context.h"

#include <algorithm>
#include <cassert>

namespace tappon {

Form::Form(FormContext& context, const FormDesign& design) : context_(context), design_(design)
{
    caption_ = design_.caption;
    accessibleName_ = design_.accessibleName;
    icon_ = Picture{design_.icon};
    build();
}

Form::~Form()
{
    detachTimers();
}

void Form::build()
{
    for (const ControlDesign& d : design_.controls)
        controls_.push_back(createControl(*this, d, context_.scheduler()));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const std::string& container = design_.controls[i].container;
        if (!container.empty())
            controls_[i]->setContainer(&find(container));
    }
    const std::vector<Control*> order = focusOrder();
    focused_ = order.empty() ? nullptr : order.front();
}

Control* Form::tryFind(std::string_view name, int index) const
{
    for (const auto& control : controls_)
        if (control->name() == name && control->index() == index)
            return control.get();
    return nullptr;
}

Control& Form::find(std::string_view name, int index) const
{
    Control* control = tryFind(name, index);
    assert(control && "the design has no such control");
    if (!control)
        throw RuntimeError(kErrorInvalidArgument, "No control " + std::string(name) + " on " + design_.name);
    return *control;
}

void Form::setCaption(std::string caption)
{
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    changed(Property::Caption);
}

void Form::setAccessibleName(std::string name)
{
    if (name == accessibleName_)
        return;
    accessibleName_ = std::move(name);
    changed(Property::AccessibleName);
}

void Form::setLeft(Twips left)
{
    left_ = left;
    changed(Property::Geometry);
}

void Form::setTop(Twips top)
{
    top_ = top;
    changed(Property::Geometry);
}

void Form::move(Twips left, Twips top)
{
    left_ = left;
    top_ = top;
    changed(Property::Geometry);
}

void Form::setPositionFromPlatform(Twips left, Twips top)
{
    left_ = left;
    top_ = top;
}

void Form::setIcon(Picture icon)
{
    icon_ = std::move(icon);
    changed(Property::Icon);
}

std::vector<Control*> Form::focusOrder() const
{
    std::vector<Control*> order;
    for (const auto& control : controls_)
        if (control->canTakeFocus())
            order.push_back(control.get());
    sortInTabOrder(order);
    return order;
}

void Form::setFocus(Control& control)
{
    if (!control.canTakeFocus())
        throw RuntimeError(kErrorInvalidArgument, "Invalid procedure call or argument");
    focused_ = &control;
    changed(Property::Focus);
}

Button* Form::firstButtonWhere(bool (Button::*marked)() const) const
{
    for (const auto& control : controls_)
        if (control->kind() == ControlKind::Button && (static_cast<Button*>(control.get())->*marked)())
            return static_cast<Button*>(control.get());
    return nullptr;
}

Button* Form::defaultButton() const
{
    return firstButtonWhere(&Button::isDefault);
}

Button* Form::cancelButton() const
{
    return firstButtonWhere(&Button::isCancel);
}

void Form::controlAvailabilityChanged([[maybe_unused]] Control& control)
{
    if (!focused_ || focused_->canTakeFocus())
        return;
    // Pass the focus on to the next control in focus order after the one that held it.
    std::vector<Control*> all;
    for (const auto& c : controls_)
        if (c->tabIndex() >= 0)
            all.push_back(c.get());
    sortInTabOrder(all);
    const auto current = std::find(all.begin(), all.end(), focused_);
    Control* next = nullptr;
    if (current != all.end()) {
        for (std::size_t step = 1; step <= all.size() && !next; ++step) {
            Control* candidate = all[(static_cast<std::size_t>(current - all.begin()) + step) % all.size()];
            if (candidate->canTakeFocus())
                next = candidate;
        }
    }
    focused_ = next;
    changed(Property::Focus);
}

void Form::deliver(const std::function<void()>& handler)
{
    if (handler && context_.acceptsInput(*this))
        context_.invoke(handler);
}

bool Form::menuPathEnabled(const Control& item) const
{
    for (const Control* c = &item; c; c = c->container())
        if (!c->enabled() || !c->visible())
            return false;
    return true;
}

void Form::click(Control& control)
{
    if (control.kind() == ControlKind::MenuItem ? !menuPathEnabled(control) : !control.effectivelyEnabled())
        return;
    deliver(control.onClick);
}

void Form::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    if (focused_) {
        if (focused_->onKeyDown)
            deliver([this, keyCode, shift] { focused_->onKeyDown(keyCode, shift); });
    } else if (onKeyDown) {
        deliver([this, keyCode, shift] { onKeyDown(keyCode, shift); });
    }
}

void Form::keyPress(std::int16_t keyAscii)
{
    if (keyAscii == kKeyEnter) {
        // Enter presses the focused button, else the default button while it is usable.
        if (focused_ && focused_->kind() == ControlKind::Button) {
            click(*focused_);
            return;
        }
        if (Button* button = defaultButton(); button && button->effectivelyEnabled() && button->effectivelyVisible()) {
            click(*button);
            return;
        }
    }
    if (keyAscii == kKeyEscape) {
        if (Button* button = cancelButton(); button && button->effectivelyEnabled() && button->effectivelyVisible()) {
            click(*button);
            return;
        }
    }
    if (focused_) {
        if (focused_->onKeyPress)
            deliver([this, keyAscii] { focused_->onKeyPress(keyAscii); });
    } else if (onKeyPress) {
        deliver([this, keyAscii] { onKeyPress(keyAscii); });
    }
}

bool Form::shortcut(std::string_view keyName)
{
    if (!context_.acceptsInput(*this))
        return false;
    for (const auto& control : controls_) {
        if (control->kind() != ControlKind::MenuItem)
            continue;
        auto* item = static_cast<MenuItem*>(control.get());
        if (item->shortcut() == keyName) {
            if (!menuPathEnabled(*item))
                return false;
            click(*item);
            return true;
        }
    }
    return false;
}

void Form::mouseDown(Control* control, std::int16_t button, std::int16_t shift, float x, float y)
{
    if (control) {
        if (control->effectivelyEnabled() && control->onMouseDown)
            deliver([control, button, shift, x, y] { control->onMouseDown(button, shift, x, y); });
    } else if (onMouseDown) {
        deliver([this, button, shift, x, y] { onMouseDown(button, shift, x, y); });
    }
}

void Form::detachTimers()
{
    for (const auto& control : controls_)
        if (control->kind() == ControlKind::Timer)
            static_cast<Timer*>(control.get())->detach();
}

void Form::changed(Property property)
{
    if (observer_)
        observer_->formChanged(*this, property);
}

}  // namespace tappon
