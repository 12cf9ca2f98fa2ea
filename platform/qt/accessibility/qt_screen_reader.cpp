// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/accessibility/qt_screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace tappon {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A widget that draws nothing, takes no input and is a notification to a screen reader.
class Notice final : public QWidget {
public:
    explicit Notice(QWidget* window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }
};

class NoticeAccessible final : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
};

QAccessibleInterface* noticeInterface(const QString&, QObject* object)
{
    auto* notice = dynamic_cast<Notice*>(object);
    return notice ? new NoticeAccessible(notice) : nullptr;
}
#endif

}  // namespace

void QtScreenReader::announce(const std::string& text)
{
    if (!QAccessible::isActive())
        return;
    QWidget* source = QApplication::focusWidget();
    if (!source)
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, QString::fromStdString(text));
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(noticeInterface);
        return true;
    }();
    if (!notice_ || notice_->window() != source->window()) {
        delete notice_;
        notice_ = new Notice(source->window());
    }
    notice_->hide();
    notice_->setAccessibleName(QString::fromStdString(text));
    notice_->show();
#endif
}

}  // namespace tappon
