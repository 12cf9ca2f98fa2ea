// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/form_view.h"

#include "platform/design/twips.h"
#include "platform/qt/accessibility/accessibility.h"
#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/appearance/qt_colors.h"
#include "platform/qt/appearance/qt_fonts.h"
#include "platform/qt/views/control_view.h"
#include "platform/qt/window/client_area.h"
#include "platform/qt/window/window_placement.h"
#include "platform/qt/x11/x11_window_manager.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

namespace tappon {

FormView::FormView(Form& form, CloseRequest onCloseRequested)
    : QWidget(nullptr),
      form_(form),
      onCloseRequested_(std::move(onCloseRequested)),
      style_(windowStyleOf(form.design()))
{
    installAccessibleInterfaces();
    setObjectName(QString::fromStdString(form_.name()));
    windowFont_ = form_.design().font ? resolveFont(*form_.design().font) : QFont();
    setFont(windowFont_);
    setWindowFlags(style_.flags);

    auto* layout = new QVBoxLayout(this);
    const int border = style_.drawsOwnFrame ? kDialogFramePixels : 0;
    layout->setContentsMargins(border, border, border, border);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new ClientArea(mirrored_, input_, this);
    client_->setFixedSize(twipsToPixels(form_.design().clientWidth), twipsToPixels(form_.design().clientHeight));
    if (form_.design().backColor)
        client_->setBackColor(toQColor(*form_.design().backColor, client_->palette()));
    layout->addWidget(client_);
    placement_ = std::make_unique<WindowPlacement>(*this, form_, *client_, style_.bypassesWindowManager);

    controls_.build(ControlViewOwner{mirrored_, input_, windowFont_}, client_);
    menus_.build(*this, form_, input_, shortcuts_);
    if (menus_.menuBar())
        layout->setMenuBar(menus_.menuBar());
    controls_.applyTabOrder();
    applyCaption();
    nameWindow(*this, form_);
    applyIcon();
    // A window that draws its own frame knows it before it is shown: its load handler
    // may measure it.
    layout->activate();
    placement_->reportFrameMetrics();
    placement_->moveToModelPosition();
    form_.setObserver(this);
    applyFocus();
}

FormView::~FormView()
{
    detach();
}

void FormView::detach()
{
    if (!mirrored_.live())
        return;
    mirrored_.detach();
    title_.stop();
    placement_->stop();
    form_.setObserver(nullptr);
    controls_.detach();
    menus_.detach();
}

void FormView::closeForQuit()
{
    quitting_ = true;
    hide();
}

QWidget* FormView::clientArea() const
{
    return client_;
}

void FormView::applyCaption()
{
    title_.set(QString::fromStdString(form_.caption()));
}

void FormView::applyIcon()
{
    setWindowIcon(PictureCache::instance().icon(form_.icon()));
}

void FormView::applyFocus()
{
    const MirroredForm::Change change(mirrored_);
    if (Control* focused = form_.focused()) {
        if (QWidget* widget = widgetOf(*focused)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // No control holds the focus: the window takes the keys itself.
    client_->setFocus(Qt::OtherFocusReason);
}

void FormView::showWindow(ShowMode mode, const Form* owner)
{
    if (!isVisible()) {
        // A native window made anew takes its title from the toolkit's copy.
        title_.catchUp();
        setWindowModality(mode == ShowMode::Modal ? Qt::ApplicationModal : Qt::NonModal);
        placement_->learnFrame();
        if (!style_.bypassesWindowManager && !form_.design().caption.empty() && windowHandle())
            offerFixedSizeActions(*this, mode == ShowMode::Modeless && form_.design().showInTaskbar);
        placement_->placeByStartPosition(owner);
    }
    const bool centreAgain = !isVisible() && !style_.bypassesWindowManager && !placement_->frameAnswered()
                             && form_.design().startPosition != StartPosition::Manual && windowHandle()
                             && windowManagerRuns(*this);
    const QRect area = centreAgain ? placement_->centringArea(owner) : QRect();
    // Where a compositor draws the windows, a window the window manager frames is not
    // seen until it stands where it belongs, its frame included.
    if (centreAgain && !style_.drawsOwnFrame)
        setSeeThrough(*this, true);
    show();
    if (centreAgain)
        placement_->centreAgainOnceFramed(area);
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();  // an offscreen screen has no stacking order and says so
    activateWindow();
    title_.clearNativeIfEmpty();
    placement_->reportGeometry();
    applyFocus();
}

void FormView::takeKeyboardBack(bool fromUnmanagedWindow)
{
    activateWindow();
    // Without a window manager nobody moves the X input focus: keys would reach the
    // window only while the pointer is over it. A window manager may refuse to activate
    // a window for the program when the focus was on a window it knew nothing of.
    if (fromUnmanagedWindow || !windowManagerRuns(*this))
        setInputFocus(*this);
    applyFocus();
}

void FormView::formChanged(Form&, Property property)
{
    const MirroredForm::Change change(mirrored_);
    switch (property) {
    case Property::Caption:
        applyCaption();
        break;
    case Property::Geometry:
        placement_->moveToModelPosition();
        break;
    case Property::Icon:
        applyIcon();
        break;
    case Property::AccessibleName:
        nameWindow(*this, form_);
        break;
    case Property::Focus:
        applyFocus();
        break;
    default:
        break;
    }
}

void FormView::closeEvent(QCloseEvent* event)
{
    if (quitting_ || !mirrored_.live()) {
        event->accept();
        return;
    }
    // The model decides whether and how the window goes (it may be blocked by a modal one).
    event->ignore();
    if (onCloseRequested_)
        onCloseRequested_(form_);
}

void FormView::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible())
        placement_->reportGeometry();
}

void FormView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    shortcuts_.watch(*windowHandle());
    placement_->reportGeometry();
}

void FormView::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!style_.drawsOwnFrame)
        return;
    QPainter painter(this);
    paintDialogFrame(painter, rect(), palette());
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    // Reached only when no child widget holds the focus: the window takes the key.
    input_.deliverKey(*event);
    event->accept();
}

}  // namespace tappon
