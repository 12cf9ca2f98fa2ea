// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/controls/control_array.h"
#include "platform/controls/property.h"
#include "platform/design/color.h"
#include "platform/design/design.h"
#include "platform/design/font.h"
#include "platform/design/picture.h"
#include "platform/window/runtime_error.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tappon {

class Button;
class FormContext;

// The size of a window's frame around its client area (title bar and menu bar included
// in `top`), in twips. The toolkit layer reports the real one; headless it is zero.
struct FrameMetrics {
    Twips left = 0;
    Twips top = 0;
    Twips right = 0;
    Twips bottom = 0;
};

// A window of the model: its controls built from a design, its caption, its outer
// geometry in screen twips, the keyboard focus, and the routing of input to handlers.
// All input enters through the methods under "Input", which is how the toolkit layer
// and the tests alike deliver clicks, keys and menu commands.
class Form {
public:
    Form(FormContext& context, const FormDesign& design);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }

    // Controls by name (and index for array members). A missing one is a programming error.
    template <typename T>
    T& get(std::string_view name, int index = kNoIndex) const
    {
        return *static_cast<T*>(&find(name, index));
    }
    template <typename T>
    ControlArray<T> array(std::string_view name) const
    {
        std::map<int, T*> members;
        for (const auto& control : controls_)
            if (control->name() == name && control->index() != kNoIndex)
                members[control->index()] = static_cast<T*>(control.get());
        return ControlArray<T>(std::move(members));
    }
    Control& find(std::string_view name, int index = kNoIndex) const;
    Control* tryFind(std::string_view name, int index = kNoIndex) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // The caption (window title).
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // What a screen reader calls the window, whatever its caption shows at the moment;
    // empty: its caption.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name);

    // Outer geometry in screen twips.
    Twips left() const { return left_; }
    Twips top() const { return top_; }
    Twips width() const { return design_.clientWidth + frame_.left + frame_.right; }
    Twips height() const { return design_.clientHeight + frame_.top + frame_.bottom; }
    void setLeft(Twips left);
    void setTop(Twips top);
    void move(Twips left, Twips top);
    // The toolkit reports where the window really is and how thick its frame is.
    void setPositionFromPlatform(Twips left, Twips top);
    void setFrameMetrics(FrameMetrics frame) { frame_ = frame; }

    const Picture& icon() const { return icon_; }
    void setIcon(Picture icon);

    // The keyboard focus. setFocus is SetFocus: a control that cannot take the focus
    // now (disabled, hidden, not focusable) is a runtime error.
    Control* focused() const { return focused_; }
    void setFocus(Control& control);
    void focusChangedByPlatform(Control* control) { focused_ = control; }
    Button* defaultButton() const;
    Button* cancelButton() const;
    // Controls that can take the focus, in focus order.
    std::vector<Control*> focusOrder() const;

    void setObserver(FormObserver* observer) { observer_ = observer; }

    // Called by a control whose enabled or visible state changed: a control that loses
    // the ability to hold the focus passes it on to the next one in focus order.
    void controlAvailabilityChanged(Control& control);

    // Input. Each is ignored while a modal window above this one is open, and runs the
    // handler through the application so a runtime error is reported, not thrown.
    void click(Control& control);
    void keyDown(std::int16_t keyCode, std::int16_t shift = 0);
    void keyPress(std::int16_t keyAscii);
    // A key named as the designs name shortcuts ("F2", "Ctrl+P"): presses the menu item
    // with that shortcut while it and its menus are enabled. True when it did; the key
    // is then used up, otherwise it goes on as a key press.
    bool shortcut(std::string_view keyName);
    // A mouse press on a control (or, with nullptr, on the window's own surface).
    void mouseDown(Control* control, std::int16_t button, std::int16_t shift, float x, float y);

    // Window-level handlers, used when the window holds no control that takes the focus.
    std::function<void(std::int16_t keyCode, std::int16_t shift)> onKeyDown;
    std::function<void(std::int16_t keyAscii)> onKeyPress;
    std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> onMouseDown;

    // Unloading: timers stop for good.
    void detachTimers();

private:
    void build();
    void changed(Property property);
    void deliver(const std::function<void()>& handler);
    bool menuPathEnabled(const Control& item) const;
    // The first button in design order with the given mark (default or cancel).
    Button* firstButtonWhere(bool (Button::*marked)() const) const;

    FormContext& context_;
    FormDesign design_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::string caption_;
    std::string accessibleName_;
    Twips left_ = 0;
    Twips top_ = 0;
    FrameMetrics frame_;
    Picture icon_;
    Control* focused_ = nullptr;
    FormObserver* observer_ = nullptr;
};

}  // namespace tappon
