// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/views/control_widgets.h"

#include "platform/controls/button.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/line.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/shape.h"
#include "platform/controls/tab_order.h"
#include "platform/controls/text_box.h"
#include "platform/qt/accessibility/accessibility.h"
#include "platform/qt/views/button_view.h"
#include "platform/qt/views/frame_view.h"
#include "platform/qt/views/image_view.h"
#include "platform/qt/views/label_view.h"
#include "platform/qt/views/line_view.h"
#include "platform/qt/views/picture_box_view.h"
#include "platform/qt/views/shape_view.h"
#include "platform/qt/views/text_box_view.h"
#include "platform/qt/window/mirrored_form.h"
#include "platform/window/form.h"

#include <QWidget>

namespace tappon {

void ControlWidgets::build(const ControlViewOwner& owner, QWidget* client)
{
    for (const auto& owned : owner.form.form().controls()) {
        Control& control = *owned;
        ControlView* view = makeView(owner, control, containerWidget(control.container(), client));
        if (!view)
            continue;
        view->widget()->setObjectName(QString::fromStdString(control.displayName()));
        nameControl(*view->widget(), control);
        views_.push_back(view);
        viewOf_[&control] = view;
        // Later controls lie above earlier ones, as they do in the design.
        view->widget()->raise();
        const MirroredForm::Change change(owner.form);
        view->syncAll();
        control.setObserver(view);
    }
}

ControlView* ControlWidgets::makeView(const ControlViewOwner& owner, Control& control, QWidget* parent)
{
    switch (control.kind()) {
    case ControlKind::Label:
        return makeLabelView(owner, static_cast<Label&>(control), parent);
    case ControlKind::TextBox:
        return new TextBoxView(owner, static_cast<TextBox&>(control), parent);
    case ControlKind::PictureBox:
        return new PictureBoxView(owner, static_cast<PictureBox&>(control), parent);
    case ControlKind::Button:
        return new ButtonView(owner, static_cast<Button&>(control), parent);
    case ControlKind::Image:
        return new ImageView(owner, static_cast<Image&>(control), parent);
    case ControlKind::Shape:
        return new ShapeView(owner, static_cast<Shape&>(control), parent);
    case ControlKind::Line:
        return new LineView(owner, static_cast<Line&>(control), parent);
    case ControlKind::Frame:
        return new FrameView(owner, static_cast<Frame&>(control), parent);
    case ControlKind::MenuItem:
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

ControlView* ControlWidgets::makeLabelView(const ControlViewOwner& owner, Label& label, QWidget* parent)
{
    // A transparent label on a picture box is drawn by the box, unless it shows a pointer
    // of its own (which needs a window under the mouse).
    const auto container = viewOf_.find(label.container());
    auto* box = container == viewOf_.end() ? nullptr : dynamic_cast<PictureBoxView*>(container->second);
    if (!box || !label.transparent() || !label.mouseIcon().empty())
        return new LabelView(owner, label, parent);
    auto* view = new LabelView(owner, label, parent, box);
    box->addDrawnLabel(view);
    return view;
}

void ControlWidgets::applyTabOrder() const
{
    std::vector<ControlView*> order;
    for (ControlView* view : views_)
        if (view->control().tabIndex() >= 0 && view->widget()->focusPolicy() != Qt::NoFocus)
            order.push_back(view);
    sortInTabOrder(order, &ControlView::control);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

void ControlWidgets::detach()
{
    for (ControlView* view : views_)
        view->control().setObserver(nullptr);
}

QWidget* ControlWidgets::widgetOf(const Control& control) const
{
    const auto it = viewOf_.find(&control);
    return it == viewOf_.end() ? nullptr : it->second->widget();
}

QWidget* ControlWidgets::containerWidget(const Control* container, QWidget* client) const
{
    if (container) {
        const auto it = viewOf_.find(container);
        if (it != viewOf_.end())
            return it->second->childHost();
    }
    return client;
}

}  // namespace tappon
