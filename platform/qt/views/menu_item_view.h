// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/menu_item.h"
#include "platform/controls/property.h"

#include <QPointer>

class QAction;

namespace tappon {

class FormInput;
class MenuShortcuts;

// The toolkit side of a menu item: a menu-bar title, a submenu, a command or a
// separator. The model owns the check mark; the action only ever shows it.
class MenuItemView : public ControlObserver {
public:
    // Shows the item's shortcut through `shortcuts`; its command goes to `input`.
    MenuItemView(FormInput& input, MenuShortcuts& shortcuts, MenuItem& item, QAction* action);
    MenuItemView(const MenuItemView&) = delete;
    MenuItemView& operator=(const MenuItemView&) = delete;

    MenuItem& item() const { return item_; }
    QAction* action() const { return action_; }

    void syncAll();
    // Sets the action's check mark from the model, undoing any toggle of its own.
    void syncChecked();
    void controlChanged(Control& control, Property property) override;

private:
    MenuItem& item_;
    QPointer<QAction> action_;
};

}  // namespace tappon
