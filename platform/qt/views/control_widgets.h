// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <map>
#include <vector>

class QWidget;

namespace tappon {

class Control;
class ControlView;
class Form;
class Label;
struct ControlViewOwner;

// The widgets of a form's controls (menu items and timers have none): one view per
// control, made in design order inside its container, stacked and tab-ordered as the
// design says.
class ControlWidgets {
public:
    // Makes a view for every control and lets it mirror its control from then on.
    void build(const ControlViewOwner& owner, QWidget* client);
    // The keyboard's order through the widgets follows the controls' tab indexes.
    void applyTabOrder() const;
    // Stops every view mirroring its control.
    void detach();

    QWidget* widgetOf(const Control& control) const;

private:
    ControlView* makeView(const ControlViewOwner& owner, Control& control, QWidget* parent);
    ControlView* makeLabelView(const ControlViewOwner& owner, Label& label, QWidget* parent);
    // The widget that holds a container's children (the client area for none).
    QWidget* containerWidget(const Control* container, QWidget* client) const;

    // Owned by their parent widgets, as widgets are.
    std::vector<ControlView*> views_;
    std::map<const Control*, ControlView*> viewOf_;
};

}  // namespace tappon
