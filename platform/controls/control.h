// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/property.h"
#include "platform/design/twips.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tappon {

class Form;

enum class ControlKind : std::uint8_t {
    Label,
    TextBox,
    PictureBox,
    Button,
    MenuItem,
    Timer,
    Image,
    Shape,
    Line,
    Frame,
};

// Members of a control array carry their index; a lone control carries none.
inline constexpr int kNoIndex = -1;

// Mouse buttons and shift states as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Keys that the form and the handlers compare with: the same number as character code
// and as key code.
inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeyEscape = 27;
inline constexpr std::int16_t kKeyF3 = 114;

// The common part of every control: identity, container, geometry in twips, visibility,
// enabled state, its place in the focus order and its event handlers. Setters notify
// the observer (the toolkit view) of what changed.
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    std::string displayName() const;  // "Label1(3)" or "Label4"
    Form& form() const { return form_; }

    Control* container() const { return container_; }
    void setContainer(Control* container) { container_ = container; }

    Twips left() const { return left_; }
    Twips top() const { return top_; }
    Twips width() const { return width_; }
    Twips height() const { return height_; }
    void setLeft(Twips left);
    void setTop(Twips top);
    void setWidth(Twips width);
    void setHeight(Twips height);
    // The toolkit reports the size an auto-size control took; no echo back to it.
    void setMeasuredSize(Twips width, Twips height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

    // Position in the focus order; -1 for controls that never take the focus.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int tabIndex) { tabIndex_ = tabIndex; }
    // Enabled and visible, with every container too, and focusable by kind.
    bool canTakeFocus() const;
    bool effectivelyEnabled() const;
    bool effectivelyVisible() const;

    void setObserver(ControlObserver* observer) { observer_ = observer; }

    // Event handlers, wired by the window's behaviour class.
    std::function<void()> onClick;
    std::function<void(std::int16_t keyAscii)> onKeyPress;
    std::function<void(std::int16_t keyCode, std::int16_t shift)> onKeyDown;
    std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> onMouseDown;

protected:
    void changed(Property property);

private:
    Form& form_;
    ControlKind kind_ = ControlKind::Label;
    std::string name_;
    int index_ = kNoIndex;
    Control* container_ = nullptr;
    Twips left_ = 0;
    Twips top_ = 0;
    Twips width_ = 0;
    Twips height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int tabIndex_ = -1;
    ControlObserver* observer_ = nullptr;
};

}  // namespace tappon
