// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace tappon {

class Form;

// Where a form's window stands on the screen: put where the model says or centred by
// its start position, its frame taken into account, and its real position and frame
// reported back to the model.
class WindowPlacement {
public:
    // `client` is the window's client area, inside the frame and below the menu bar.
    WindowPlacement(QWidget& window, Form& form, const QWidget& client, bool bypassesWindowManager);
    WindowPlacement(const WindowPlacement&) = delete;
    WindowPlacement& operator=(const WindowPlacement&) = delete;

    // Reports nothing more: the form is going away.
    void stop() { stopped_ = true; }

    void moveToModelPosition();
    // Asks the window manager, before the first show, how thick its frame will be.
    void learnFrame();
    // True when the window manager said beforehand how it will frame the window.
    bool frameAnswered() const { return frameAnswered_; }
    void placeByStartPosition(const Form* owner);
    // The rectangle a window centred by its start position is centred on.
    QRect centringArea(const Form* owner) const;
    // For a window manager that frames the window without saying beforehand how: the
    // window is centred again, once, as soon as its frame is there, and made opaque
    // once the window manager has moved it there (it is shown see-through).
    void centreAgainOnceFramed(const QRect& area);

    void reportGeometry();
    void reportFrameMetrics();

private:
    // Puts the outer top-left corner of the window, frame included, there.
    void moveFrameTo(QPoint topLeft);
    void moveFrameTo(QPoint topLeft, const QMargins& frame);
    // The frame around the window: as the toolkit knows it, else as the window
    // manager said it would be.
    QMargins outerMargins() const;
    void centreIn(const QRect& area);
    void centreIn(const QRect& area, const QMargins& frame);

    QWidget& window_;
    Form& form_;
    const QWidget& client_;
    bool bypassesWindowManager_ = false;
    QMargins windowManagerFrame_;
    bool frameAnswered_ = false;
    bool stopped_ = false;
};

}  // namespace tappon
