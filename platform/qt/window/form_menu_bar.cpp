// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/form_menu_bar.h"

#include "platform/controls/menu_item.h"
#include "platform/qt/views/menu_item_view.h"
#include "platform/window/form.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <map>

namespace tappon {

FormMenuBar::FormMenuBar() = default;
FormMenuBar::~FormMenuBar() = default;

void FormMenuBar::build(QWidget& window, Form& form, FormInput& input, MenuShortcuts& shortcuts)
{
    std::map<const Control*, QMenu*> menus;
    for (const auto& owned : form.controls()) {
        if (owned->kind() != ControlKind::MenuItem)
            continue;
        auto& item = static_cast<MenuItem&>(*owned);
        if (!menuBar_) {
            menuBar_ = new QMenuBar(&window);
            menuBar_->setNativeMenuBar(false);
        }
        QMenu* parentMenu = item.container() ? menus[item.container()] : nullptr;
        const bool hasItems = std::any_of(form.controls().begin(), form.controls().end(),
                                          [&item](const auto& other) { return other->container() == &item; });
        QAction* action = nullptr;
        if (hasItems) {
            auto* menu = new QMenu(parentMenu ? static_cast<QWidget*>(parentMenu) : menuBar_);
            menus[&item] = menu;
            action = menu->menuAction();
            if (parentMenu)
                parentMenu->addMenu(menu);
            else
                menuBar_->addMenu(menu);
        } else if (item.isSeparator() && parentMenu) {
            action = parentMenu->addSeparator();
        } else {
            action = new QAction(parentMenu ? static_cast<QObject*>(parentMenu) : menuBar_);
            if (parentMenu)
                parentMenu->addAction(action);
            else
                menuBar_->addAction(action);
        }
        action->setObjectName(QString::fromStdString(item.displayName()));
        auto view = std::make_unique<MenuItemView>(input, shortcuts, item, action);
        view->syncAll();
        item.setObserver(view.get());
        items_.push_back(std::move(view));
    }
}

void FormMenuBar::detach()
{
    for (const auto& item : items_)
        item->item().setObserver(nullptr);
}

QAction* FormMenuBar::actionOf(const Control& item) const
{
    for (const auto& view : items_)
        if (&view->item() == &item)
            return view->action();
    return nullptr;
}

}  // namespace tappon
