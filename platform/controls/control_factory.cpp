// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/controls/control_factory.h"

#include "platform/controls/button.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/line.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/shape.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"

#include <cassert>

namespace tappon {

namespace {

std::unique_ptr<Control> createOfKind(Form& form, const ControlDesign& d, Scheduler& scheduler)
{
    switch (d.kind) {
    case ControlKind::Label: {
        auto label = std::make_unique<Label>(form, d.name, d.index);
        label->setCaption(d.caption);
        if (d.foreColor)
            label->setForeColor(*d.foreColor);
        if (d.backColor)
            label->setBackColor(*d.backColor);
        if (d.font)
            label->setFont(*d.font);
        label->setAutoSize(d.autoSize);
        label->setTransparent(d.transparent);
        if (!d.mouseIcon.empty())
            label->setMouseIcon(Picture{d.mouseIcon});
        return label;
    }
    case ControlKind::TextBox: {
        auto box = std::make_unique<TextBox>(form, d.name, d.index);
        box->setMaxLength(d.maxLength);
        box->setText(d.caption);
        if (d.font)
            box->setFont(*d.font);
        return box;
    }
    case ControlKind::PictureBox: {
        auto box = std::make_unique<PictureBox>(form, d.name, d.index);
        if (d.backColor)
            box->setBackColor(*d.backColor);
        box->setPicture(Picture{d.picture});
        return box;
    }
    case ControlKind::Button: {
        auto button = std::make_unique<Button>(form, d.name, d.index);
        button->setCaption(d.caption);
        button->setPicture(Picture{d.picture});
        button->setToolTip(d.toolTip);
        if (d.backColor)
            button->setBackColor(*d.backColor);
        if (d.font)
            button->setFont(*d.font);
        button->setDefault(d.isDefault);
        button->setCancel(d.isCancel);
        return button;
    }
    case ControlKind::MenuItem: {
        auto item = std::make_unique<MenuItem>(form, d.name, d.index);
        item->setCaption(d.caption);
        item->setChecked(d.checked);
        item->setShortcut(d.shortcut);
        return item;
    }
    case ControlKind::Timer: {
        auto timer = std::make_unique<Timer>(form, d.name, d.index, scheduler);
        timer->setInterval(std::chrono::milliseconds(d.intervalMs));
        timer->setTag(d.tag);
        return timer;
    }
    case ControlKind::Image: {
        auto image = std::make_unique<Image>(form, d.name, d.index);
        image->setPicture(Picture{d.picture});
        image->setStretch(d.stretch);
        return image;
    }
    case ControlKind::Shape: {
        auto shape = std::make_unique<Shape>(form, d.name, d.index);
        if (d.borderColor)
            shape->setBorderColor(*d.borderColor);
        if (d.backColor)
            shape->setFillColor(*d.backColor);
        shape->setFilled(d.filled);
        shape->setBorderWidthPixels(d.borderWidthPixels);
        return shape;
    }
    case ControlKind::Line: {
        auto line = std::make_unique<Line>(form, d.name, d.index);
        line->setPoints(d.x1, d.y1, d.x2, d.y2);
        if (d.borderColor)
            line->setColor(*d.borderColor);
        line->setWidthPixels(d.borderWidthPixels);
        return line;
    }
    case ControlKind::Frame: {
        auto frame = std::make_unique<Frame>(form, d.name, d.index);
        frame->setCaption(d.caption);
        if (d.backColor)
            frame->setBackColor(*d.backColor);
        return frame;
    }
    }
    assert(false && "unknown control kind");
    return nullptr;
}

}  // namespace

std::unique_ptr<Control> createControl(Form& form, const ControlDesign& d, Scheduler& scheduler)
{
    std::unique_ptr<Control> control = createOfKind(form, d, scheduler);
    if (d.kind != ControlKind::Line) {  // a line is placed by its end points
        control->setLeft(d.left);
        control->setTop(d.top);
        control->setWidth(d.width);
        control->setHeight(d.height);
    }
    control->setTabIndex(d.tabIndex);
    control->setVisible(d.visible);
    control->setEnabled(d.enabled);  // a timer enabled in its design starts here
    return control;
}

}  // namespace tappon
