// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The about window as the player meets it: opened from the main window's menu through
// the application and the Qt window host, with fake services and a virtual clock.
#include "game/frmtype.h"
#include "platform/qt/window/form_view.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/services/services.h"
#include "platform/window/application.h"
#include "tests/support/qt_program.h"
#include "windows/frm_about.h"

#include <QAccessible>
#include <QFile>
#include <QImage>
#include <QtTest>

#include <algorithm>
#include <chrono>

using namespace tappon;
using namespace tappon::testing;

// Every test starts with the about window opened from the menu.
class AboutWindowQtTest : public QtProgramTest {
    Q_OBJECT

private slots:
    void init()
    {
        QtProgramTest::init();
        program->main->form().click(program->main->guanyu);
        QVERIFY(aboutView() != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(aboutView()));
    }

    void itOpensModalOverTheMainWindow()
    {
        QVERIFY(aboutView()->isVisible());
        QVERIFY(aboutView()->windowModality() != Qt::NonModal);
    }

    void escClosesItWhicheverButtonHasTheFocus()
    {
        // cmdOk is the cancel button.
        about()->form().setFocus(about()->cmdSysInfo);
        QTest::keyClick(aboutView()->windowHandle(), Qt::Key_Escape);
        QCOMPARE(about(), nullptr);
        QVERIFY(program->messageBox.shown.empty());
    }

    void enterClosesIt()
    {
        // cmdOk holds the focus when the window opens and is the default button.
        QTest::keyClick(aboutView()->windowHandle(), Qt::Key_Return);
        QCOMPARE(about(), nullptr);
    }

    void enterOnTheSystemInformationButtonPressesIt()
    {
        // With no tool in the registry the button says so, and the window stays open.
        about()->form().setFocus(about()->cmdSysInfo);
        QTest::keyClick(aboutView()->windowHandle(), Qt::Key_Return);
        QVERIFY(about() != nullptr);
        QCOMPARE(program->messageBox.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(program->messageBox.shown[0].prompt), QStringLiteral("此时系统信息不可用！"));
    }

    void theLogoOnScreenChangesWithTheTicks()
    {
        // Frame 0 shows at load and at the first tick; the second tick shows frame 1.
        if (!QFile::exists(QStringLiteral(":/pictures/about/logo0.gif")))
            QSKIP("the logo pictures are not built into this test");
        QWidget* logo = widget("imgLogo");
        QCOMPARE(logo->size(), QSize(39, 39));
        const QImage atLoad = logo->grab().toImage();
        program->advanceMs(180);
        QCOMPARE(logo->grab().toImage(), atLoad);
        program->advanceMs(180);
        QVERIFY(logo->grab().toImage() != atLoad);
    }

    void bothLinksShowTheHandCursorAndTheirCaptionsDoNot()
    {
        // Label2's cursor is the copy that the load handler gives it.
        QCOMPARE(widget("Label1")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(widget("Label2")->cursor().shape(), Qt::BitmapCursor);
        // A pointer needs a window under the mouse: the links have widgets of their own,
        // even Label2, which was drawn by the panel until the handler gave it the cursor.
        QVERIFY(widget("Label1")->isVisible());
        QVERIFY(widget("Label2")->isVisible());
        QVERIFY(!widget("Label4")->isVisible());
        QVERIFY(widget("Label4")->cursor().shape() != Qt::BitmapCursor);
        QVERIFY(widget("Label5")->cursor().shape() != Qt::BitmapCursor);
    }

    void aClosedWindowsDrawnLabelReadsAsGoneUntilItsWidgetIs()
    {
        // The panel draws Label10; its hidden widget outlives the window's controls for
        // a moment, and a screen reader may ask about it then.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget("Label10"));
        QVERIFY(iface);
        QVERIFY(!iface->state().invisible);
        QVERIFY(!iface->rect().isEmpty());
        about()->form().click(about()->cmdOk);
        QVERIFY(about() == nullptr);
        QVERIFY(iface->state().invisible);
        QVERIFY(iface->rect().isEmpty());
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("版权所有 © 2026 Tappon"));
    }

    void theLinksAreUnderlined()
    {
        // Under each link's text runs a light line across the dark panel, the width of the text.
        QWidget* panel = widget("Picture2");
        const QImage image = panel->grab().toImage();
        for (const char* name : {"Label1", "Label2"}) {
            QWidget* link = widget(name);
            QVERIFY(link->font().underline());
            const QRect box(link->mapTo(panel, QPoint(0, 0)), link->size());
            int bestRow = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                int lit = 0;
                for (int x = box.left(); x <= box.right(); ++x)
                    if (qGray(image.pixel(x, y)) > 160)
                        ++lit;
                bestRow = std::max(bestRow, lit);
            }
            QVERIFY2(bestRow > box.width() * 3 / 4, name);
        }
    }

    void aClickOnTheWebLinkAsksTheShellToOpenTheSite()
    {
        QTest::mouseClick(widget("Label1"), Qt::LeftButton);
        QCOMPARE(program->shell.requests.size(), std::size_t{1});
        QCOMPARE(program->shell.requests[0].operation, std::string("open"));
        QCOMPARE(program->shell.requests[0].show, ShowCommand::Maximized);
    }

private:
    frmAbout* about() const { return program->app.find<frmAbout>(); }
    FormView* aboutView() const { return about() ? program->host.viewOf(about()->form()) : nullptr; }
    QWidget* widget(const char* name) const { return aboutView()->widgetOf(about()->form().find(name)); }
};

QTEST_MAIN(AboutWindowQtTest)
#include "about_window_test.moc"
