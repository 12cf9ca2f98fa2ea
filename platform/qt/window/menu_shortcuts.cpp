// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/menu_shortcuts.h"

#include "platform/qt/window/mirrored_form.h"
#include "platform/window/form.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWindow>

namespace tappon {

void MenuShortcuts::show(QAction& action, const std::string& name)
{
    const QString text = QString::fromStdString(name);
    action.setShortcut(QKeySequence::fromString(text, QKeySequence::PortableText));
    action.installEventFilter(this);
    names_.append(text);
}

void MenuShortcuts::watch(QWindow& window)
{
    window.installEventFilter(this);
}

bool MenuShortcuts::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Shortcut)
        return true;
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    // An open menu has the keys, as it had them from Qt's window shortcuts.
    if (QApplication::activePopupWidget())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString name = QKeySequence(key->keyCombination()).toString(QKeySequence::PortableText);
    if (!names_.contains(name))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Neither the focused control nor Qt's shortcut map gets it: it comes back as a key press.
        key->accept();
        return true;
    }
    Form* form = form_.live();
    return form && form->shortcut(name.toStdString());
}

}  // namespace tappon
