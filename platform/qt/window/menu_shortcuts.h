// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QObject>
#include <QStringList>

#include <string>

class QAction;
class QWindow;

namespace tappon {

class MirroredForm;

// The menu shortcuts of a form (F1, F2, Ctrl+P). The form decides whether a key is
// one: its item and the menus above it enabled, no modal window in the way. Here the
// window's key presses named like a shortcut are only handed to it; a key it does not
// take goes on to the focused control as any other.
//
// An action shows its key sequence beside its caption (and to screen readers) only as
// a Qt shortcut, so the actions keep theirs, but Qt never acts on them: the window
// overrides them before Qt's shortcut map looks, and an action ignores its own.
class MenuShortcuts : public QObject {
public:
    explicit MenuShortcuts(const MirroredForm& form) : form_(form) {}

    // Shows the shortcut by its name as the designs write it ("F2", "Ctrl+P").
    void show(QAction& action, const std::string& name);
    // Takes the key presses of the form's window, native or made anew.
    void watch(QWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const MirroredForm& form_;
    QStringList names_;
};

}  // namespace tappon
