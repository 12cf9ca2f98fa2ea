// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/form.h"
#include "platform/property.h"
#include "platform/window_host.h"

#include <QAccessible>
#include <QFont>
#include <QMargins>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QKeyEvent;
class QMenuBar;
class QMouseEvent;

namespace tappon {

class ClientArea;
class ControlView;
class Label;
class MenuItemView;

// The toolkit window of one form: a top-level widget with the menu bar above a client
// area of the design's fixed size, a widget per control, and the routing of the
// player's input into the form. It mirrors every change the form reports.
class FormView : public QWidget, public FormObserver, public QAccessible::ActivationObserver {
public:
    using CloseRequest = std::function<void(Form&)>;

    FormView(Form& form, CloseRequest onCloseRequested);
    ~FormView() override;

    Form& form() const { return form_; }
    // The form while it is attached; nullptr once the view is being torn down.
    Form* liveForm() const { return detached_ ? nullptr : &form_; }
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
    QMenuBar* menuBar() const { return menuBar_; }
    QWidget* widgetOf(const Control& control) const;
    QAction* actionOf(const Control& item) const;
    // The widget that holds a container's children (the client area for none).
    QWidget* containerWidget(const Control* container) const;
    QFont windowFont() const { return windowFont_; }
    // True for windows placed by absolute position without a title bar.
    bool bypassesWindowManager() const { return bypassesWindowManager_; }

    // While the view mirrors a change of the model, focus moves that the toolkit makes
    // on its own are not reported back: the model decides where the focus goes.
    class ModelChange {
    public:
        explicit ModelChange(FormView& view) : view_(view) { ++view_.modelChanges_; }
        ~ModelChange() { --view_.modelChanges_; }
        ModelChange(const ModelChange&) = delete;
        ModelChange& operator=(const ModelChange&) = delete;

    private:
        FormView& view_;
    };

    // Input from the widgets.
    void focusReported(Control& control);
    void deliverKey(const QKeyEvent& event);
    void deliverCommitString(const QString& text);
    void deliverFormMouseDown(const QMouseEvent& event);
    void menuTriggered(MenuItemView& item);

    void formChanged(Form& form, Property property) override;
    void accessibilityActiveChanged(bool active) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyWindowFlags();
    void buildControls();
    ControlView* makeLabelView(Label& label, QWidget* parent);
    void buildMenus();
    void applyTabOrder();
    void applyCaption();
    // Gives the toolkit the caption that went to the window system past it.
    void catchUpToolkitTitle();
    void applyIcon();
    void applyFocus();
    void moveToModelPosition();
    // Puts the outer top-left corner of the window, frame included, there.
    void moveFrameTo(QPoint topLeft);
    void moveFrameTo(QPoint topLeft, const QMargins& frame);
    // Asks the window manager, before the first show, how thick its frame will be.
    void learnFrame();
    // The frame around the window: as the toolkit knows it, else as the window
    // manager said it would be.
    QMargins outerMargins() const;
    void placeByStartPosition(const Form* owner);
    // The rectangle a window centred by its start position is centred on.
    QRect centringArea(const Form* owner) const;
    void centreIn(const QRect& area);
    void centreIn(const QRect& area, const QMargins& frame);
    // For a window manager that frames the window without saying beforehand how: the
    // window is centred again, once, as soon as its frame is there.
    void centreAgainOnceFramed(const QRect& area);
    void reportGeometry();
    void reportFrameMetrics();

    Form& form_;
    CloseRequest onCloseRequested_;
    QFont windowFont_;
    ClientArea* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    // Owned by their parent widgets, as widgets are.
    std::vector<ControlView*> views_;
    std::map<const Control*, ControlView*> viewOf_;
    std::vector<std::unique_ptr<MenuItemView>> menuItems_;
    // The thickness of the fixed dialog frame that a window without a title bar draws.
    static constexpr int kDialogFramePixels = 3;
    bool drawsOwnFrame_ = false;
    bool bypassesWindowManager_ = false;
    QMargins windowManagerFrame_;
    bool frameAnswered_ = false;
    bool detached_ = false;
    bool quitting_ = false;
    // The caption went to the window system directly; QWidget::windowTitle is older.
    bool toolkitTitleBehind_ = false;
    int modelChanges_ = 0;
};

}  // namespace tappon
