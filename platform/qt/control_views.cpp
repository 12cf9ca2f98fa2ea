// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/control_views.h"

#include "platform/button.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/line.h"
#include "platform/picture_box.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/button_view.h"
#include "platform/qt/frame_view.h"
#include "platform/qt/image_view.h"
#include "platform/qt/label_view.h"
#include "platform/qt/line_view.h"
#include "platform/qt/mirrored_form.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/shape_view.h"
#include "platform/qt/text_box_view.h"
#include "platform/shape.h"
#include "platform/tab_order.h"
#include "platform/text_box.h"

#include <QWidget>

namespace tappon {

void ControlViews::build(const ControlViewOwner& owner, QWidget* client)
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

ControlView* ControlViews::makeView(const ControlViewOwner& owner, Control& control, QWidget* parent)
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

ControlView* ControlViews::makeLabelView(const ControlViewOwner& owner, Label& label, QWidget* parent)
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

void ControlViews::applyTabOrder() const
{
    std::vector<ControlView*> order;
    for (ControlView* view : views_)
        if (view->control().tabIndex() >= 0 && view->widget()->focusPolicy() != Qt::NoFocus)
            order.push_back(view);
    sortInTabOrder(order, &ControlView::control);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

void ControlViews::detach()
{
    for (ControlView* view : views_)
        view->control().setObserver(nullptr);
}

QWidget* ControlViews::widgetOf(const Control& control) const
{
    const auto it = viewOf_.find(&control);
    return it == viewOf_.end() ? nullptr : it->second->widget();
}

QWidget* ControlViews::containerWidget(const Control* container, QWidget* client) const
{
    if (container) {
        const auto it = viewOf_.find(container);
        if (it != viewOf_.end())
            return it->second->childHost();
    }
    return client;
}

}  // namespace tappon
