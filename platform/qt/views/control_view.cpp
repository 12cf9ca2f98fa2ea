// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/control_view.h"

#include "platform/design/twips.h"
#include "platform/qt/appearance/qt_fonts.h"
#include "platform/qt/window/key_codes.h"
#include "platform/qt/window/mirrored_form.h"
#include "platform/window/form.h"

#include <QMouseEvent>
#include <QWidget>

namespace tappon {

ControlView::ControlView(const ControlViewOwner& owner, Control& control) : owner_(owner), control_(control)
{
}

void ControlView::syncAll()
{
    apply(Property::Geometry);
    apply(Property::Visible);
    apply(Property::Enabled);
}

void ControlView::controlChanged(Control&, Property property)
{
    const MirroredForm::Change change(owner_.form);
    apply(property);
}

void ControlView::apply(Property property)
{
    switch (property) {
    case Property::Geometry:
        applyGeometry();
        break;
    case Property::Visible:
        widget()->setVisible(control_.visible());
        break;
    case Property::Enabled:
        widget()->setEnabled(control_.enabled());
        break;
    default:
        // A drawing property that the view paints from the model: repaint.
        widget()->update();
        break;
    }
}

void ControlView::applyGeometry()
{
    widget()->setGeometry(twipsToPixels(control_.left()), twipsToPixels(control_.top()),
                          twipsToPixels(control_.width()), twipsToPixels(control_.height()));
}

Form* ControlView::liveForm() const
{
    return owner_.form.live();
}

QFont ControlView::fontFor(const std::optional<Font>& own) const
{
    return own ? resolveFont(*own) : owner_.font;
}

void ControlView::reportFocusIn()
{
    owner_.form.focusReported(control_);
}

void ControlView::deliverMouseDown(const QMouseEvent& event, QPoint inner)
{
    Form* form = liveForm();
    const std::int16_t button = mouseButtonCode(event.button());
    if (!form || button == 0)
        return;
    const QPoint at = event.position().toPoint() - inner;
    form->mouseDown(&control_, button, shiftState(event.modifiers()), pixelsToTwips(at.x()), pixelsToTwips(at.y()));
}

void ControlView::deliverClick()
{
    if (Form* form = liveForm())
        form->click(control_);
}

}  // namespace tappon
