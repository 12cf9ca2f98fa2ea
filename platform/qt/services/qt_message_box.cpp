// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/services/qt_message_box.h"

#include "platform/qt/x11/x11_window_manager.h"

#include <QApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace tappon {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBox::show(const std::string& prompt, const std::string& title, MessageIcon icon)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    const QString caption = QString::fromStdString(title.empty() ? appInfo_.title() : title);
    QMessageBox box(toQtIcon(icon), caption, QString::fromStdString(prompt), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A minimised window is named by its icon text, and a message box without one by its
    // prompt: a window manager that maps new windows iconic for a moment (mutter 48)
    // would have a screen reader announce the verdict box by its message, not its title.
    box.setWindowIconText(caption);
    const QPointer<QWidget> owner = parent;
    box.exec();
    // Without a window manager nobody hands the keyboard back to the window below.
    if (owner && owner->isVisible() && !windowManagerRuns(*owner)) {
        owner->activateWindow();
        setInputFocus(*owner);
    }
}

void QtMessageBox::warmUp()
{
    for (const QMessageBox::Icon icon : {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical}) {
        // A full-width mark, as the verdicts end with: its font is found and loaded now.
        QMessageBox box(icon, QString(), QStringLiteral("Continue！"), QMessageBox::Ok);
        box.ensurePolished();
        if (box.layout())
            box.layout()->activate();
    }
    // Then what the first show of a box does once per program: a native window made,
    // and given a title with a full-width mark, as the verdicts' titles end with one.
    // On X11 the first such title loads Xlib's locale converters and interns their
    // atoms. The window is never shown.
    QWindow window;
    window.setFlags(Qt::Dialog);
    window.create();
    window.setTitle(QStringLiteral("Continue！"));
    window.destroy();
}

}  // namespace tappon
