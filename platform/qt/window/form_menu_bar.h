// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <memory>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace tappon {

class Control;
class Form;
class FormInput;
class MenuItemView;
class MenuShortcuts;

// The menu bar of a form: a menu-bar title, submenu, command or separator for each of
// its menu items, in design order, each mirroring its item.
class FormMenuBar {
public:
    FormMenuBar();
    ~FormMenuBar();
    FormMenuBar(const FormMenuBar&) = delete;
    FormMenuBar& operator=(const FormMenuBar&) = delete;

    // Builds the menus of the form's menu items, the menu bar a child of `window`; a
    // form without any gets no menu bar. The commands go to `input`.
    void build(QWidget& window, Form& form, FormInput& input, MenuShortcuts& shortcuts);
    // Stops every action mirroring its item.
    void detach();

    QMenuBar* menuBar() const { return menuBar_; }
    QAction* actionOf(const Control& item) const;

private:
    // Owned by the window, as widgets are.
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<MenuItemView>> items_;
};

}  // namespace tappon
