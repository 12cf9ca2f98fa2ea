// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/form_input.h"

#include "platform/controls/menu_item.h"
#include "platform/design/twips.h"
#include "platform/qt/program/trace.h"
#include "platform/qt/views/menu_item_view.h"
#include "platform/qt/window/key_codes.h"
#include "platform/qt/window/mirrored_form.h"
#include "platform/window/form.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>

#include <string>

namespace tappon {

void FormInput::deliverKey(const QKeyEvent& event)
{
    Form* form = form_.live();
    if (!form)
        return;
    if (trace::enabled())
        trace::event("key", form->name() + " " + std::to_string(event.key()) + " " + event.text().toStdString());
    static const NativeKeys native = nativeKeysOfThisPlatform();
    const std::int16_t keyCode = classicKeyCode(event, native);
    if (keyCode != 0) {
        form->keyDown(keyCode, shiftState(event.modifiers()));
        if (!form_.live())
            return;
    }
    for (const QChar unit : event.text()) {
        form->keyPress(static_cast<std::int16_t>(unit.unicode()));
        if (!form_.live())
            return;
    }
}

void FormInput::deliverCommitString(const QString& text)
{
    Form& form = form_.form();
    if (trace::enabled())
        trace::event("key", form.name() + " commit " + text.toStdString());
    for (const QChar unit : text) {
        if (!form_.live())
            return;
        form.keyPress(static_cast<std::int16_t>(unit.unicode()));
    }
}

void FormInput::deliverFormMouseDown(const QMouseEvent& event)
{
    Form* form = form_.live();
    const std::int16_t button = mouseButtonCode(event.button());
    if (!form || button == 0)
        return;
    const QPoint at = event.position().toPoint();
    form->mouseDown(nullptr, button, shiftState(event.modifiers()), pixelsToTwips(at.x()), pixelsToTwips(at.y()));
}

void FormInput::menuTriggered(MenuItemView& item)
{
    Form* form = form_.live();
    if (!form)
        return;
    form->click(item.item());
    // A checkable action has toggled itself already; the model's mark is the one that counts.
    if (form_.live())
        item.syncChecked();
}

}  // namespace tappon
