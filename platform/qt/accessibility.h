// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

class QWidget;

namespace tappon {

class Control;
class Form;

// What assistive technology (a screen reader, a black-box test through AT-SPI) learns
// about the windows and controls. Every widget's description is the control's or the
// window's own name ("Label4", "Label1(3)", "frmtype"), which Qt does not expose by
// itself; the name is what a player would call it. A label's name is its text, and
// QLabel announces each change of it (NameChanged) by itself, so labels keep no name
// of their own here.
void nameControl(QWidget& widget, const Control& control);
void nameWindow(QWidget& window, const Form& form);

// A label drawn by its picture box keeps a hidden widget; its accessible interface
// reports it as the box shows it: visible while shown there, at its place on the box.
// A form's window is named by its title also while it is minimised.
// Installed once, before the first window is made.
void installAccessibleInterfaces();

}  // namespace tappon
