// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

class QWidget;

namespace tappon {

class Control;
class Form;

// What assistive technology (a screen reader, a black-box test through AT-SPI) learns
// about the windows and controls: what a player would call them, never the names the
// program uses inside. A label's name is its text, and QLabel announces each change of
// it (NameChanged) by itself, so labels keep no name of their own here; a control that
// shows no text is named by its design or its tip, a window by its accessible name or
// else its caption.
void nameControl(QWidget& widget, const Control& control);
void nameWindow(QWidget& window, const Form& form);

// A label drawn by its picture box keeps a hidden widget; its accessible interface
// reports it as the box shows it: visible while shown there, at its place on the box.
// A form's window
// is named by its title also while it is minimised; a modal one is a dialog whose
// description is the text it shows.
// Installed once, before the first window is made.
void installAccessibleInterfaces();

}  // namespace tappon
