// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

class QKeyEvent;
class QMouseEvent;
class QString;

namespace tappon {

class MenuItemView;
class MirroredForm;

// The player's keys, mouse presses on the window and menu commands, turned into the
// form's input calls. A handler may unload the form midway: nothing more is delivered
// to it then.
class FormInput {
public:
    explicit FormInput(MirroredForm& form) : form_(form) {}
    FormInput(const FormInput&) = delete;
    FormInput& operator=(const FormInput&) = delete;

    // A key press: the key's code, then each character it types.
    void deliverKey(const QKeyEvent& event);
    // Characters an input method commits.
    void deliverCommitString(const QString& text);
    void deliverFormMouseDown(const QMouseEvent& event);
    void menuTriggered(MenuItemView& item);

private:
    MirroredForm& form_;
};

}  // namespace tappon
