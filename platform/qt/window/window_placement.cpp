// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/window/window_placement.h"

#include "platform/design/twips.h"
#include "platform/qt/x11/x11_window_manager.h"
#include "platform/window/form.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace tappon {

WindowPlacement::WindowPlacement(QWidget& window, Form& form, const QWidget& client, bool bypassesWindowManager)
    : window_(window), form_(form), client_(client), bypassesWindowManager_(bypassesWindowManager)
{
}

void WindowPlacement::moveToModelPosition()
{
    moveFrameTo(QPoint(twipsToPixels(form_.left()), twipsToPixels(form_.top())));
}

void WindowPlacement::moveFrameTo(QPoint topLeft)
{
    moveFrameTo(topLeft, outerMargins());
}

void WindowPlacement::moveFrameTo(QPoint topLeft, const QMargins& frame)
{
    // The client area is placed, inside the frame: the toolkit cannot place a frame it
    // has not seen yet.
    window_.setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window_.size()));
}

void WindowPlacement::learnFrame()
{
    if (bypassesWindowManager_ || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // The window manager frames the window only once it is mapped; asked now, it says
    // how thick the frame will be, so the window starts where its design puts it.
    window_.winId();
    frameAnswered_ = false;
    const std::optional<QMargins> frame = requestFrameExtents(window_);
    if (!frame)
        return;
    // An empty frame is no estimate for a window that gets a title bar: a window manager
    // whose frames are drawn by a client of its own (mutter 48, by mutter-x11-frames)
    // cannot measure one beforehand and answers nothing but zeros, for every window.
    // Such a window is then centred again once it is framed, as where no answer comes.
    if (frame->isNull() && !window_.windowFlags().testFlag(Qt::FramelessWindowHint))
        return;
    windowManagerFrame_ = *frame;
    frameAnswered_ = true;
}

QMargins WindowPlacement::outerMargins() const
{
    const QRect frame = window_.frameGeometry();
    const QRect inner = window_.geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
    // While a window manager takes a window over, the toolkit may briefly know a frame
    // smaller than the window itself.
    const bool plausible = known.left() >= 0 && known.top() >= 0 && known.right() >= 0 && known.bottom() >= 0;
    return known.isNull() || !plausible ? windowManagerFrame_ : known;
}

void WindowPlacement::placeByStartPosition(const Form* owner)
{
    window_.ensurePolished();
    if (window_.layout())
        window_.layout()->activate();
    if (form_.design().startPosition == StartPosition::Manual) {
        moveToModelPosition();
        return;
    }
    centreIn(centringArea(owner));
}

QRect WindowPlacement::centringArea(const Form* owner) const
{
    if (form_.design().startPosition == StartPosition::CenterOwner && owner)
        return QRect(twipsToPixels(owner->left()), twipsToPixels(owner->top()), twipsToPixels(owner->width()),
                     twipsToPixels(owner->height()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void WindowPlacement::centreIn(const QRect& area)
{
    centreIn(area, outerMargins());
}

void WindowPlacement::centreIn(const QRect& area, const QMargins& frame)
{
    const QSize outer = window_.size().grownBy(frame);
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

void WindowPlacement::centreAgainOnceFramed(const QRect& area)
{
    constexpr int kPollMs = 5;
    constexpr int kGiveUpMs = 1000;
    // The poll belongs to the window, and so goes with it.
    auto* poll = new QTimer(&window_);
    QObject::connect(
        poll, &QTimer::timeout, &window_,
        [this, poll, area, deadline = QDeadlineTimer(kGiveUpMs), wanted = std::optional<QPoint>()]() mutable {
            if (!stopped_ && !deadline.hasExpired()) {
                if (!wanted) {
                    const std::optional<QMargins> frame = frameExtents(window_);
                    if (!frame || frame->isNull())
                        return;
                    windowManagerFrame_ = *frame;
                    centreIn(area, *frame);
                    reportGeometry();
                    wanted = window_.geometry().topLeft();
                }
                // The window manager moves the frame a moment after it is asked to.
                constexpr int kRoundingPixels = 2;
                const std::optional<QPoint> there = clientPositionOnScreen(window_);
                if (!there || (*there - *wanted).manhattanLength() > kRoundingPixels)
                    return;
            }
            setSeeThrough(window_, false);
            poll->stop();
            poll->deleteLater();
        });
    poll->start(kPollMs);
}

void WindowPlacement::reportFrameMetrics()
{
    const QRect inner = window_.geometry();
    const QRect client(inner.topLeft() + client_.pos(), client_.size());
    const QRect outer = inner.marginsAdded(outerMargins());
    form_.setFrameMetrics(
        FrameMetrics{pixelsToTwips(client.left() - outer.left()), pixelsToTwips(client.top() - outer.top()),
                     pixelsToTwips(outer.right() - client.right()), pixelsToTwips(outer.bottom() - client.bottom())});
}

void WindowPlacement::reportGeometry()
{
    if (stopped_)
        return;
    reportFrameMetrics();
    const QRect outer = window_.geometry().marginsAdded(outerMargins());
    // A window that places itself keeps the position it asked for: reports of the
    // window system may lag behind a quick series of moves.
    if (!bypassesWindowManager_)
        form_.setPositionFromPlatform(pixelsToTwips(outer.left()), pixelsToTwips(outer.top()));
}

}  // namespace tappon
