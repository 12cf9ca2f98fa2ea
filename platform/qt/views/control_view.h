// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/control.h"
#include "platform/controls/property.h"
#include "platform/design/font.h"

#include <QFont>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

namespace tappon {

class Form;
class FormInput;
class MirroredForm;

// What the view of a control uses of its window.
struct ControlViewOwner {
    MirroredForm& form;
    // Takes the keys that the control's widget receives.
    FormInput& input;
    // The window's font, for a control without a font of its own.
    QFont font;
};

// The toolkit side of one control: a widget that mirrors the control's properties as
// they change and hands the player's input on to the form.
class ControlView : public ControlObserver {
public:
    ControlView(const ControlViewOwner& owner, Control& control);
    ~ControlView() override = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    virtual QWidget* widget() = 0;
    // The widget that holds this control's children: its inner area, inside any border.
    virtual QWidget* childHost() { return widget(); }
    Control& control() const { return control_; }

    // Mirrors the whole state of the control once, right after the widget is made.
    virtual void syncAll();
    void controlChanged(Control& control, Property property) final;

protected:
    // Mirrors one property; the base covers geometry, visibility and the enabled state.
    virtual void apply(Property property);
    virtual void applyGeometry();

    const ControlViewOwner& owner() const { return owner_; }
    // The form while the window is attached; nullptr once it is being torn down.
    Form* liveForm() const;
    // The control's own font, or else the window's.
    QFont fontFor(const std::optional<Font>& own) const;

    void reportFocusIn();
    // A mouse press at a widget position; `inner` is where the control's inner area begins.
    void deliverMouseDown(const QMouseEvent& event, QPoint inner = {});
    void deliverClick();

private:
    ControlViewOwner owner_;
    Control& control_;
};

}  // namespace tappon
