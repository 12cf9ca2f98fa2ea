// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/accessibility/accessibility.h"

#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/qt/views/label_view.h"
#include "platform/qt/window/form_view.h"
#include "platform/window/form.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>

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

// A label that was drawn by its box when its interface was made; it may have taken a
// widget of its own since.
class DrawnLabelAccessible final : public QAccessibleWidget {
public:
    explicit DrawnLabelAccessible(LabelView* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->drawnByContainer())
            state.invisible = !label()->shownOnContainer();
        return state;
    }

    QRect rect() const override
    {
        if (!label()->drawnByContainer())
            return QAccessibleWidget::rect();
        if (!label()->shownOnContainer())
            return {};
        return {label()->parentWidget()->mapToGlobal(label()->pos()), label()->size()};
    }

private:
    LabelView* label() const { return static_cast<LabelView*>(widget()); }
};

// The text a modal window shows, its labels in their order, as one description: a
// screen reader reads it when the window opens.
QString shownText(const Form& form)
{
    QStringList lines;
    for (const auto& control : form.controls()) {
        if (control->kind() != ControlKind::Label || !control->effectivelyVisible())
            continue;
        if (const auto& caption = static_cast<const Label&>(*control).caption(); !caption.empty())
            lines << QString::fromStdString(caption);
    }
    return lines.join(QLatin1Char(' '));
}

// A form's window: a frame, or while it is modal a dialog that a screen reader reads out
// when it opens; named by its title in every state. The toolkit names a minimised
// window by its icon text, which these windows never set, so a minimised one would go
// nameless. A window manager may also map a new window iconic for a moment before it
// shows it (mutter 48 does): a screen reader told of the window then read no name.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(FormView* window) : QAccessibleWidget(window) {}

    QAccessible::Role role() const override
    {
        if (!widget()->isModal())
            return QAccessible::Window;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        return QAccessible::Dialog;
#else
        // The releases that ship Qt 6.4 ship Orca 43, which reads only the labels of a
        // dialog that hold three words or more, and Chinese without blanks is one word;
        // it reads every label of an alert. Orca 48 reads neither so, but it reads a
        // dialog's description (twice over, as it happens: it says the description it
        // took for the dialog's text again at the end).
        return QAccessible::AlertMessage;
#endif
    }

    QString text(QAccessible::Text type) const override
    {
        // The native window's title is the caption as the toolkit shows it, which is what
        // a window that is not minimised is named by.
        if (type == QAccessible::Name && widget()->isMinimized() && widget()->accessibleName().isEmpty()) {
            if (const QWindow* native = widget()->windowHandle())
                return native->title();
        }
        // An alert's labels are read by themselves: as its description they would be
        // read twice.
        if (type == QAccessible::Description && role() == QAccessible::Dialog) {
            if (const Form* form = static_cast<FormView*>(widget())->liveForm())
                return shownText(*form);
        }
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface* drawnLabelInterface(QObject* object)
{
    auto* label = dynamic_cast<LabelView*>(object);
    return label && label->drawnByContainer() ? new DrawnLabelAccessible(label) : nullptr;
}

QAccessibleInterface* programInterface(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<FormView*>(object))
        return new WindowAccessible(window);
    return drawnLabelInterface(object);
}

}  // namespace

void installAccessibleInterfaces()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
}

void nameControl(QWidget& widget, const Control& control)
{
    const ControlDesign* design = designOf(control);
    if (design && !design->accessibleDescription.empty())
        widget.setAccessibleDescription(QString::fromStdString(design->accessibleDescription));
    if (design && !design->accessibleName.empty()) {
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
    // Only the accessible name: the window system's title must stay as the caption says.
    window.setAccessibleName(QString::fromStdString(form.accessibleName()));
}

}  // namespace tappon
