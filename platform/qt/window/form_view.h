// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/property.h"
#include "platform/qt/views/control_widgets.h"
#include "platform/qt/window/form_input.h"
#include "platform/qt/window/form_menu_bar.h"
#include "platform/qt/window/menu_shortcuts.h"
#include "platform/qt/window/mirrored_form.h"
#include "platform/qt/window/window_style.h"
#include "platform/qt/window/window_title.h"
#include "platform/window/form.h"
#include "platform/window/window_host.h"

#include <QFont>
#include <QWidget>

#include <functional>
#include <memory>

class QMenuBar;

namespace tappon {

class ClientArea;
class WindowPlacement;

// The toolkit window of one form: a top-level widget with the menu bar above a client
// area of the design's fixed size, a widget per control, and the routing of the
// player's input into the form. It mirrors every change the form reports.
class FormView : public QWidget, public FormObserver {
public:
    using CloseRequest = std::function<void(Form&)>;

    FormView(Form& form, CloseRequest onCloseRequested);
    ~FormView() override;

    Form& form() const { return form_; }
    // The form while it is attached; nullptr once the view is being torn down.
    Form* liveForm() const { return mirrored_.live(); }
    // Stops mirroring and delivering input for good: the form is going away.
    void detach();
    // Hides the window because the program ends.
    void closeForQuit();

    // Places the window by its start position, then shows it (modal ones block input
    // to every other window).
    void showWindow(ShowMode mode, const Form* owner);

    // Becomes the active window again, when the window above it goes, and gives the
    // keyboard to the control that had it. From a window that the window manager did
    // not manage, the program hands the X input focus on itself.
    void takeKeyboardBack(bool fromUnmanagedWindow);

    QWidget* clientArea() const;
    QMenuBar* menuBar() const { return menus_.menuBar(); }
    QWidget* widgetOf(const Control& control) const { return controls_.widgetOf(control); }
    QAction* actionOf(const Control& item) const { return menus_.actionOf(item); }
    QFont windowFont() const { return windowFont_; }
    // True for windows placed by absolute position without a title bar.
    bool bypassesWindowManager() const { return style_.bypassesWindowManager; }

    void formChanged(Form& form, Property property) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyCaption();
    void applyIcon();
    void applyFocus();

    Form& form_;
    MirroredForm mirrored_{form_};
    CloseRequest onCloseRequested_;
    WindowStyle style_;
    QFont windowFont_;
    ClientArea* client_ = nullptr;
    ControlWidgets controls_;
    FormInput input_{mirrored_};
    MenuShortcuts shortcuts_{mirrored_};
    FormMenuBar menus_;
    WindowTitle title_{*this};
    std::unique_ptr<WindowPlacement> placement_;
    bool quitting_ = false;
};

}  // namespace tappon
