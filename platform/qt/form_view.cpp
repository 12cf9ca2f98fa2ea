// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/form_view.h"

#include "platform/button.h"
#include "platform/frame.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/line.h"
#include "platform/menu_item.h"
#include "platform/picture_box.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/button_view.h"
#include "platform/qt/client_area.h"
#include "platform/qt/frame_view.h"
#include "platform/qt/image_view.h"
#include "platform/qt/key_codes.h"
#include "platform/qt/label_view.h"
#include "platform/qt/line_view.h"
#include "platform/qt/menu_item_view.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/shape_view.h"
#include "platform/qt/text_box_view.h"
#include "platform/qt/trace.h"
#include "platform/qt/x11_window_manager.h"
#include "platform/qt/x11_window_title.h"
#include "platform/shape.h"
#include "platform/tab_order.h"
#include "platform/text_box.h"
#include "platform/twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tappon {

FormView::FormView(Form& form, CloseRequest onCloseRequested)
    : QWidget(nullptr), form_(form), onCloseRequested_(std::move(onCloseRequested))
{
    installAccessibleInterfaces();
    setObjectName(QString::fromStdString(form_.name()));
    windowFont_ = form_.design().font ? resolveFont(*form_.design().font) : QFont();
    setFont(windowFont_);
    applyWindowFlags();

    auto* layout = new QVBoxLayout(this);
    const int border = drawsOwnFrame_ ? kDialogFramePixels : 0;
    layout->setContentsMargins(border, border, border, border);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new ClientArea(*this, this);
    client_->setFixedSize(twipsToPixels(form_.design().clientWidth), twipsToPixels(form_.design().clientHeight));
    if (form_.design().backColor)
        client_->setBackColor(toQColor(*form_.design().backColor, client_->palette()));
    layout->addWidget(client_);

    buildControls();
    buildMenus();
    if (menuBar_)
        layout->setMenuBar(menuBar_);
    applyTabOrder();
    applyCaption();
    nameWindow(*this, form_);
    applyIcon();
    // A window that draws its own frame knows it before it is shown: its load handler
    // may measure it.
    layout->activate();
    reportFrameMetrics();
    moveToModelPosition();
    form_.setObserver(this);
    applyFocus();
    QAccessible::installActivationObserver(this);
}

FormView::~FormView()
{
    QAccessible::removeActivationObserver(this);
    detach();
}

void FormView::applyWindowFlags()
{
    const FormDesign& design = form_.design();
    const bool titleless = design.border == BorderStyle::FixedDialog && design.caption.empty();
    Qt::WindowFlags flags;
    if (titleless) {
        // A dialog frame without a title bar is no window manager's: the window draws it.
        flags = (design.showInTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint;
        drawsOwnFrame_ = true;
        // Only an unmanaged window may sit partly above the screen where it puts itself.
        if (design.startPosition == StartPosition::Manual) {
            flags |= Qt::X11BypassWindowManagerHint;
            bypassesWindowManager_ = true;
        }
    } else {
        flags = (design.showInTaskbar ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (design.hasTitleBarButtons)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);
}

void FormView::buildControls()
{
    for (const auto& owned : form_.controls()) {
        Control& control = *owned;
        QWidget* parent = containerWidget(control.container());
        ControlView* view = nullptr;
        switch (control.kind()) {
        case ControlKind::Label:
            view = makeLabelView(static_cast<Label&>(control), parent);
            break;
        case ControlKind::TextBox:
            view = new TextBoxView(*this, static_cast<TextBox&>(control), parent);
            break;
        case ControlKind::PictureBox:
            view = new PictureBoxView(*this, static_cast<PictureBox&>(control), parent);
            break;
        case ControlKind::Button:
            view = new ButtonView(*this, static_cast<Button&>(control), parent);
            break;
        case ControlKind::Image:
            view = new ImageView(*this, static_cast<Image&>(control), parent);
            break;
        case ControlKind::Shape:
            view = new ShapeView(*this, static_cast<Shape&>(control), parent);
            break;
        case ControlKind::Line:
            view = new LineView(*this, static_cast<Line&>(control), parent);
            break;
        case ControlKind::Frame:
            view = new FrameView(*this, static_cast<Frame&>(control), parent);
            break;
        case ControlKind::MenuItem:
        case ControlKind::Timer:
            break;
        }
        if (!view)
            continue;
        view->widget()->setObjectName(QString::fromStdString(control.displayName()));
        nameControl(*view->widget(), control);
        views_.push_back(view);
        viewOf_[&control] = view;
        // Later controls lie above earlier ones, as they do in the design.
        view->widget()->raise();
        const ModelChange change(*this);
        view->syncAll();
        control.setObserver(view);
    }
}

ControlView* FormView::makeLabelView(Label& label, QWidget* parent)
{
    // A transparent label on a picture box is drawn by the box, unless it shows a pointer
    // of its own (which needs a window under the mouse).
    const auto container = viewOf_.find(label.container());
    auto* box = container == viewOf_.end() ? nullptr : dynamic_cast<PictureBoxView*>(container->second);
    if (!box || !label.transparent() || !label.mouseIcon().empty())
        return new LabelView(*this, label, parent);
    auto* view = new LabelView(*this, label, parent, box);
    box->addDrawnLabel(view);
    return view;
}

void FormView::buildMenus()
{
    std::map<const Control*, QMenu*> menus;
    for (const auto& owned : form_.controls()) {
        if (owned->kind() != ControlKind::MenuItem)
            continue;
        auto& item = static_cast<MenuItem&>(*owned);
        if (!menuBar_) {
            menuBar_ = new QMenuBar(this);
            menuBar_->setNativeMenuBar(false);
        }
        QMenu* parentMenu = item.container() ? menus[item.container()] : nullptr;
        const bool hasItems = std::any_of(form_.controls().begin(), form_.controls().end(),
                                          [&item](const auto& other) { return other->container() == &item; });
        QAction* action = nullptr;
        if (hasItems) {
            auto* menu = new QMenu(parentMenu ? static_cast<QWidget*>(parentMenu) : menuBar_);
            menus[&item] = menu;
            action = menu->menuAction();
            if (parentMenu)
                parentMenu->addMenu(menu);
            else
                menuBar_->addMenu(menu);
        } else if (item.isSeparator() && parentMenu) {
            action = parentMenu->addSeparator();
        } else {
            action = new QAction(parentMenu ? static_cast<QObject*>(parentMenu) : menuBar_);
            if (parentMenu)
                parentMenu->addAction(action);
            else
                menuBar_->addAction(action);
        }
        action->setObjectName(QString::fromStdString(item.displayName()));
        auto view = std::make_unique<MenuItemView>(*this, item, action);
        view->syncAll();
        item.setObserver(view.get());
        menuItems_.push_back(std::move(view));
    }
}

void FormView::applyTabOrder()
{
    std::vector<ControlView*> order;
    for (ControlView* view : views_)
        if (view->control().tabIndex() >= 0 && view->widget()->focusPolicy() != Qt::NoFocus)
            order.push_back(view);
    sortInTabOrder(order, &ControlView::control);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

void FormView::detach()
{
    if (detached_)
        return;
    detached_ = true;
    form_.setObserver(nullptr);
    for (ControlView* view : views_)
        view->control().setObserver(nullptr);
    for (const auto& item : menuItems_)
        item->item().setObserver(nullptr);
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

QWidget* FormView::widgetOf(const Control& control) const
{
    const auto it = viewOf_.find(&control);
    return it == viewOf_.end() ? nullptr : it->second->widget();
}

QAction* FormView::actionOf(const Control& item) const
{
    for (const auto& view : menuItems_)
        if (&view->item() == &item)
            return view->action();
    return nullptr;
}

QWidget* FormView::containerWidget(const Control* container) const
{
    if (container) {
        const auto it = viewOf_.find(container);
        if (it != viewOf_.end())
            return it->second->childHost();
    }
    return client_;
}

void FormView::applyCaption()
{
    const QString caption = QString::fromStdString(form_.caption());
    // The main window's title banner changes the caption three times a second for as
    // long as the program runs. While the window is up, its title goes straight to the
    // window system at half the toolkit's cost. An assistive tool reads the toolkit's
    // copy of the title, so while one is listening every caption goes the toolkit's way.
    if (isVisible() && !QAccessible::isActive() && writeNativeWindowTitle(*this, caption)) {
        toolkitTitleBehind_ = true;
        return;
    }
    toolkitTitleBehind_ = false;
    setWindowTitle(caption);
    if (caption.isEmpty())
        clearNativeWindowTitle(*this);
}

void FormView::catchUpToolkitTitle()
{
    if (toolkitTitleBehind_ && !detached_)
        applyCaption();
}

void FormView::accessibilityActiveChanged(bool active)
{
    if (active)
        catchUpToolkitTitle();
}

void FormView::applyIcon()
{
    setWindowIcon(PictureCache::instance().icon(form_.icon()));
}

void FormView::applyFocus()
{
    const ModelChange change(*this);
    if (Control* focused = form_.focused()) {
        if (QWidget* widget = widgetOf(*focused)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // No control holds the focus: the window takes the keys itself.
    client_->setFocus(Qt::OtherFocusReason);
}

void FormView::moveToModelPosition()
{
    moveFrameTo(QPoint(twipsToPixels(form_.left()), twipsToPixels(form_.top())));
}

void FormView::moveFrameTo(QPoint topLeft)
{
    moveFrameTo(topLeft, outerMargins());
}

void FormView::moveFrameTo(QPoint topLeft, const QMargins& frame)
{
    // The client area is placed, inside the frame: the toolkit cannot place a frame it
    // has not seen yet.
    setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), size()));
}

void FormView::learnFrame()
{
    if (bypassesWindowManager_ || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // The window manager frames the window only once it is mapped; asked now, it says
    // how thick the frame will be, so the window starts where its design puts it.
    winId();
    frameAnswered_ = false;
    if (const std::optional<QMargins> frame = requestFrameExtents(*this)) {
        windowManagerFrame_ = *frame;
        frameAnswered_ = true;
    }
}

QMargins FormView::outerMargins() const
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
    // While a window manager takes a window over, the toolkit may briefly know a frame
    // smaller than the window itself.
    const bool plausible = known.left() >= 0 && known.top() >= 0 && known.right() >= 0 && known.bottom() >= 0;
    return known.isNull() || !plausible ? windowManagerFrame_ : known;
}

void FormView::placeByStartPosition(const Form* owner)
{
    ensurePolished();
    if (layout())
        layout()->activate();
    if (form_.design().startPosition == StartPosition::Manual) {
        moveToModelPosition();
        return;
    }
    centreIn(centringArea(owner));
}

QRect FormView::centringArea(const Form* owner) const
{
    if (form_.design().startPosition == StartPosition::CenterOwner && owner)
        return QRect(twipsToPixels(owner->left()), twipsToPixels(owner->top()), twipsToPixels(owner->width()),
                     twipsToPixels(owner->height()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void FormView::centreIn(const QRect& area)
{
    centreIn(area, outerMargins());
}

void FormView::centreIn(const QRect& area, const QMargins& frame)
{
    const QSize outer = size().grownBy(frame);
    QPoint topLeft(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    // On a small screen the window stays on it, whole where it fits; where it does not,
    // its title bar and menu bar stay in reach.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        topLeft.setX(std::max(std::min(topLeft.x(), free.right() + 1 - outer.width()), free.left()));
        topLeft.setY(std::max(std::min(topLeft.y(), free.bottom() + 1 - outer.height()), free.top()));
    }
    moveFrameTo(topLeft, frame);
    form_.setPositionFromPlatform(pixelsToTwips(topLeft.x()), pixelsToTwips(topLeft.y()));
}

void FormView::centreAgainOnceFramed(const QRect& area)
{
    constexpr int kPollMs = 5;
    constexpr int kGiveUpMs = 1000;
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this, poll, area, deadline = QDeadlineTimer(kGiveUpMs)] {
        const std::optional<QMargins> frame = detached_ ? std::nullopt : frameExtents(*this);
        if (frame && !frame->isNull()) {
            windowManagerFrame_ = *frame;
            centreIn(area, *frame);
            reportGeometry();
        } else if (!detached_ && !deadline.hasExpired()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
    });
    poll->start(kPollMs);
}

void FormView::showWindow(ShowMode mode, const Form* owner)
{
    if (!isVisible()) {
        // A native window made anew takes its title from the toolkit's copy.
        catchUpToolkitTitle();
        setWindowModality(mode == ShowMode::Modal ? Qt::ApplicationModal : Qt::NonModal);
        learnFrame();
        if (!bypassesWindowManager_ && !form_.design().caption.empty() && windowHandle())
            offerFixedSizeActions(*this, mode == ShowMode::Modeless && form_.design().showInTaskbar);
        placeByStartPosition(owner);
    }
    const bool centreAgain = !isVisible() && !bypassesWindowManager_ && !frameAnswered_ &&
                             form_.design().startPosition != StartPosition::Manual && windowHandle() &&
                             windowManagerRuns(*this);
    const QRect area = centreAgain ? centringArea(owner) : QRect();
    show();
    if (centreAgain)
        centreAgainOnceFramed(area);
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();  // an offscreen screen has no stacking order and says so
    activateWindow();
    if (form_.caption().empty())
        clearNativeWindowTitle(*this);
    reportGeometry();
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

void FormView::reportFrameMetrics()
{
    const QRect inner = geometry();
    const QRect client(inner.topLeft() + client_->pos(), client_->size());
    const QRect outer = inner.marginsAdded(outerMargins());
    form_.setFrameMetrics(FrameMetrics{pixelsToTwips(client.left() - outer.left()),
                                       pixelsToTwips(client.top() - outer.top()),
                                       pixelsToTwips(outer.right() - client.right()),
                                       pixelsToTwips(outer.bottom() - client.bottom())});
}

void FormView::reportGeometry()
{
    if (detached_)
        return;
    reportFrameMetrics();
    const QRect outer = geometry().marginsAdded(outerMargins());
    // A window that places itself keeps the position it asked for: reports of the
    // window system may lag behind a quick series of moves.
    if (!bypassesWindowManager_)
        form_.setPositionFromPlatform(pixelsToTwips(outer.left()), pixelsToTwips(outer.top()));
}

void FormView::formChanged(Form&, Property property)
{
    const ModelChange change(*this);
    switch (property) {
    case Property::Caption:
        applyCaption();
        break;
    case Property::Geometry:
        moveToModelPosition();
        break;
    case Property::Icon:
        applyIcon();
        break;
    case Property::Focus:
        applyFocus();
        break;
    default:
        break;
    }
}

void FormView::focusReported(Control& control)
{
    if (detached_ || modelChanges_ > 0)
        return;
    form_.focusChangedByPlatform(&control);
}

void FormView::deliverKey(const QKeyEvent& event)
{
    if (detached_)
        return;
    if (trace::enabled())
        trace::event("key", form_.name() + " " + std::to_string(event.key()) + " " + event.text().toStdString());
    static const NativeKeys native = nativeKeysOfThisPlatform();
    const std::int16_t keyCode = classicKeyCode(event, native);
    if (keyCode != 0) {
        form_.keyDown(keyCode, shiftState(event.modifiers()));
        if (detached_)
            return;
    }
    for (const QChar unit : event.text()) {
        form_.keyPress(static_cast<std::int16_t>(unit.unicode()));
        if (detached_)
            return;
    }
}

void FormView::deliverCommitString(const QString& text)
{
    if (trace::enabled())
        trace::event("key", form_.name() + " commit " + text.toStdString());
    for (const QChar unit : text) {
        if (detached_)
            return;
        form_.keyPress(static_cast<std::int16_t>(unit.unicode()));
    }
}

void FormView::deliverFormMouseDown(const QMouseEvent& event)
{
    const std::int16_t button = mouseButtonCode(event.button());
    if (detached_ || button == 0)
        return;
    const QPoint at = event.position().toPoint();
    form_.mouseDown(nullptr, button, shiftState(event.modifiers()), pixelsToTwips(at.x()), pixelsToTwips(at.y()));
}

void FormView::menuTriggered(MenuItemView& item)
{
    if (detached_)
        return;
    MenuItem& model = item.item();
    form_.click(model);
    // A checkable action has toggled itself already; the model's mark is the one that counts.
    if (!detached_)
        item.syncChecked();
}

void FormView::closeEvent(QCloseEvent* event)
{
    if (quitting_ || detached_) {
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
        reportGeometry();
}

void FormView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reportGeometry();
}

void FormView::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!drawsOwnFrame_)
        return;
    // A raised dialog frame: a light and a dark edge outside, a face-coloured ring in.
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect edge = rect();
    // Filled, not stroked: a line is one screen pixel wide at any scale, a pixel of the
    // window is two of them on a screen scaled 2x.
    const auto ring = [&painter](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    ring(edge, colours.color(QPalette::Midlight), colours.color(QPalette::Shadow));
    ring(edge.adjusted(1, 1, -1, -1), colours.color(QPalette::Light), colours.color(QPalette::Dark));
    for (int inset = 2; inset < kDialogFramePixels; ++inset) {
        const QColor face = colours.color(QPalette::Button);
        ring(edge.adjusted(inset, inset, -inset, -inset), face, face);
    }
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    // Reached only when no child widget holds the focus: the window takes the key.
    deliverKey(*event);
    event->accept();
}

}  // namespace tappon
