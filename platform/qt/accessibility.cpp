#include "platform/qt/accessibility.h"

#include "platform/button.h"
#include "platform/form.h"

#include <QWidget>

#include <algorithm>

namespace tappon {

namespace {

const ControlDesign* designOf(const Control& control)
{
    const auto& controls = control.form().design().controls;
    const auto it = std::find_if(controls.begin(), controls.end(), [&control](const ControlDesign& design) {
        return design.name == control.name() && design.index == control.index();
    });
    return it == controls.end() ? nullptr : &*it;
}

}  // namespace

void nameControl(QWidget& widget, const Control& control)
{
    widget.setAccessibleDescription(QString::fromStdString(control.displayName()));
    if (const ControlDesign* design = designOf(control); design && !design->accessibleName.empty()) {
        widget.setAccessibleName(QString::fromStdString(design->accessibleName));
        return;
    }
    // A picture button says nothing but its tool tip.
    if (control.kind() == ControlKind::Button) {
        const auto& button = static_cast<const Button&>(control);
        if (button.caption().empty() && !button.toolTip().empty())
            widget.setAccessibleName(QString::fromStdString(button.toolTip()));
    }
}

void nameWindow(QWidget& window, const Form& form)
{
    window.setAccessibleDescription(QString::fromStdString(form.name()));
    // Only the accessible name: the window system's title must stay as the caption says.
    if (form.design().caption.empty() && !form.design().accessibleName.empty())
        window.setAccessibleName(QString::fromStdString(form.design().accessibleName));
}

}  // namespace tappon
