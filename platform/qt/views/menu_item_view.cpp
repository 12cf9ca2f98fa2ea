// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/menu_item_view.h"

#include "platform/qt/window/form_input.h"
#include "platform/qt/window/menu_shortcuts.h"

#include <QAction>

namespace tappon {

MenuItemView::MenuItemView(FormInput& input, MenuShortcuts& shortcuts, MenuItem& item, QAction* action)
    : item_(item), action_(action)
{
    if (!item_.isSeparator() && !item_.shortcut().empty())
        shortcuts.show(*action_, item_.shortcut());
    QObject::connect(action_, &QAction::triggered, action_, [this, &input] { input.menuTriggered(*this); });
}

void MenuItemView::syncAll()
{
    if (!action_)
        return;
    if (!item_.isSeparator())
        action_->setText(QString::fromStdString(item_.caption()));
    action_->setEnabled(item_.enabled());
    action_->setVisible(item_.visible());
    syncChecked();
}

void MenuItemView::syncChecked()
{
    if (!action_ || item_.isSeparator())
        return;
    // Only a checked item is checkable, so that unchecked ones show no empty box.
    action_->setCheckable(item_.checked());
    action_->setChecked(item_.checked());
}

void MenuItemView::controlChanged(Control&, Property property)
{
    if (!action_)
        return;
    switch (property) {
    case Property::Caption:
        if (!item_.isSeparator())
            action_->setText(QString::fromStdString(item_.caption()));
        break;
    case Property::Enabled:
        action_->setEnabled(item_.enabled());
        break;
    case Property::Visible:
        action_->setVisible(item_.visible());
        break;
    case Property::Checked:
        syncChecked();
        break;
    default:
        break;
    }
}

}  // namespace tappon
