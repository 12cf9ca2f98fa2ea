// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace tappon {

// The title of a window as the model's caption says it. The main window's title banner
// changes the caption three times a second for as long as the program runs. While the
// window is up, its title goes straight to the window system at half the toolkit's
// cost. An assistive tool reads the toolkit's copy of the title, so while one is
// listening every caption goes the toolkit's way.
class WindowTitle : public QAccessible::ActivationObserver {
public:
    explicit WindowTitle(QWidget& window);
    ~WindowTitle() override;
    WindowTitle(const WindowTitle&) = delete;
    WindowTitle& operator=(const WindowTitle&) = delete;

    void set(const QString& caption);
    // Gives the toolkit the caption that went to the window system past it.
    void catchUp();
    // An empty caption leaves no title on the native window (the toolkit writes the
    // program's name there): after each show.
    void clearNativeIfEmpty();
    // Writes nothing more: the form is going away.
    void stop() { stopped_ = true; }

    void accessibilityActiveChanged(bool active) override;

private:
    QWidget& window_;
    QString caption_;
    // The caption went to the window system directly; QWidget::windowTitle is older.
    bool toolkitBehind_ = false;
    bool stopped_ = false;
};

}  // namespace tappon
