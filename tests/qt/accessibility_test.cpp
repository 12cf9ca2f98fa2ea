// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// What a screen reader learns about the main window and its companions: names, check
// marks and the alert role of message boxes. (Announcements need a live accessibility
// bridge, which the offscreen platform lacks: the AT-SPI and Orca end-to-end tests hear
// them.)
#include "game/frmtype.h"
#include "platform/controls/label.h"
#include "platform/qt/services/qt_message_box.h"
#include "platform/qt/window/form_view.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/services/services.h"
#include "platform/window/application.h"
#include "tests/support/qt_program.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QtTest>

using namespace tappon;
using namespace tappon::testing;

class AccessibilityTest : public QtProgramTest {
    Q_OBJECT

private slots:
    void aLabelIsNamedByItsCaptionAsItChanges()
    {
        static_cast<Label&>(program->main->form().find("Label4")).setCaption("12");
        QCOMPARE(accessibleText(program->widget("Label4"), QAccessible::Name), QStringLiteral("12"));
    }

    void aLetterDrawnByTheFieldIsReportedWhereTheFieldShowsIt()
    {
        // The letter's own widget stays hidden; a screen reader must still find it,
        // shown, at its place on the field, and not once it is hidden.
        Label& letter = program->main->Label1[2];
        letter.setCaption("k");
        letter.setLeft(300);
        letter.setTop(1500);
        QWidget* widget = program->widget("Label1", 2);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("k"));
        QVERIFY(!iface->state().invisible);
        QWidget* field = program->widget("Picture1");
        QCOMPARE(iface->rect(), QRect(field->mapToGlobal(QPoint(2 + 20, 2 + 100)), widget->size()));
        letter.setVisible(false);
        QVERIFY(iface->state().invisible);
        QVERIFY(iface->rect().isEmpty());
    }

    void aWindowKeepsItsNameWhateverItsCaptionShows()
    {
        // The main window's title types itself out; a screen reader hears the whole title.
        Form& form = program->main->form();
        FormView& window = program->view();
        form.setCaption("Tap");
        QCOMPARE(accessibleText(&window, QAccessible::Name), QStringLiteral("Tappon  http://tappon.example.com/"));
        // Minimised, the toolkit would name it by its icon text, which no window here has.
        form.setAccessibleName("");
        form.setCaption("Tappon");
        window.showMinimized();
        QVERIFY(window.isMinimized());
        QCOMPARE(accessibleText(&window, QAccessible::Name), QStringLiteral("Tappon"));
    }

    void levelCheckMarksAreReadable()
    {
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(program->action("jb")->menu());
        QVERIFY(menu);
        QStringList checked;
        for (int i = 0; i < menu->childCount(); ++i)
            if (menu->child(i)->state().checked)
                checked << menu->child(i)->text(QAccessible::Name);
        QCOMPARE(checked, QStringList{QStringLiteral(" 初 级(C)")});
    }

    void theMessageBoxIsAnAlertNamedByItsTitle()
    {
        // Also while minimised, as a window manager may map it for a moment.
        QtMessageBox box(program->appInfo);
        QAccessible::Role role = QAccessible::NoRole;
        QString name;
        QString minimisedName;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                role = QAccessible::queryAccessibleInterface(modal)->role();
                name = accessibleText(modal, QAccessible::Name);
                modal->showMinimized();
                minimisedName = accessibleText(modal, QAccessible::Name);
                modal->close();
            }
        });
        box.show("You are a loser man！", "Harder！", MessageIcon::None);
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(name, QStringLiteral("Harder！"));
        QCOMPARE(minimisedName, QStringLiteral("Harder！"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
