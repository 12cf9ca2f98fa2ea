// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// Every window on the Qt binding shows what its model holds, control by control and
// menu item by menu item, walked from the designs: places and sizes, captions, texts,
// tips, the names a screen reader reads, and the menus in their order with their
// shortcuts and marks. (That the model starts as designed is the unit designs test's.)
#include "designs/designs.h"
#include "game/startup.h"
#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/shape.h"
#include "platform/controls/text_box.h"
#include "platform/design/twips.h"
#include "platform/qt/window/form_view.h"
#include "tests/support/qt_program.h"
#include "windows/frm_about.h"
#include "windows/frm_splash.h"
#include "windows/frmhelp.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace tappon;
using namespace tappon::testing;

namespace {

const FormDesign* const kDesigns[] = {&designs::mainWindow(), &designs::splashWindow(), &designs::helpWindow(),
                                      &designs::aboutWindow()};

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

class WindowDesignsTest : public QtProgramTest {
    Q_OBJECT

private:
    // The window of the design, opened as the player opens it (the splash loaded anew).
    Form& open(const std::string& name)
    {
        if (name == "frmSplash")
            program->app.show(program->app.load<frmSplash>(loadMainWindow), ShowMode::Modeless);
        else if (name == "Frmhelp")
            program->main->form().click(program->main->care);
        else if (name == "frmAbout")
            program->main->form().click(program->main->guanyu);
        for (const auto& window : program->app.windows())
            if (window->form().name() == name)
                return window->form();
        qFatal("no window %s", name.c_str());
    }
    static void addControlRows(bool menuItems)
    {
        QTest::addColumn<const FormDesign*>("design");
        QTest::addColumn<int>("row");
        for (const FormDesign* design : kDesigns)
            for (int row = 0; row < int(design->controls.size()); ++row) {
                const ControlDesign& c = design->controls[row];
                if ((c.kind == ControlKind::MenuItem) == menuItems && c.kind != ControlKind::Timer)
                    QTest::addRow("%s.%s(%d)", design->name.c_str(), c.name.c_str(), c.index) << design << row;
            }
    }

private slots:
    void everyWindowHasItsCaptionClientSizeAndNames_data()
    {
        QTest::addColumn<const FormDesign*>("design");
        for (const FormDesign* design : kDesigns)
            QTest::addRow("%s", design->name.c_str()) << design;
    }
    void everyWindowHasItsCaptionClientSizeAndNames()
    {
        // The main window's caption is empty until its banner types it; a screen reader
        // names it by the whole title all along. Help and about are modal: dialogs that
        // read out what they show.
        QFETCH(const FormDesign*, design);
        const Form& form = open(design->name);
        FormView& view = *program->host.viewOf(form);
        QCOMPARE(view.windowTitle(), qs(form.caption()));
        QCOMPARE(view.clientArea()->size(),
                 QSize(twipsToPixels(design->clientWidth), twipsToPixels(design->clientHeight)));
        QCOMPARE(accessibleText(&view, QAccessible::Name),
                 qs(form.accessibleName().empty() ? form.caption() : form.accessibleName()));
        const bool modal = design == &designs::helpWindow() || design == &designs::aboutWindow();
        const QAccessible::Role dialog = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) ? QAccessible::Dialog
                                                                                 : QAccessible::AlertMessage;
        QCOMPARE(QAccessible::queryAccessibleInterface(&view)->role(), modal ? dialog : QAccessible::Window);
        const QString description = accessibleText(&view, QAccessible::Description);
        QCOMPARE(description.isEmpty(), !modal || dialog != QAccessible::Dialog);
        for (const auto& control : form.controls())
            if (!description.isEmpty() && control->kind() == ControlKind::Label && control->effectivelyVisible())
                QVERIFY2(description.contains(qs(static_cast<const Label&>(*control).caption())),
                         qPrintable(description));
    }

    // Every control sits where its model puts it, counted from its container's inner
    // area (2 pixels inside a panel's border), as large as the model says or as its
    // text needs, and shows its caption, text and tip; a screen reader hears its caption,
    // its tip (a picture button) or its design's accessible name as the name, and as the
    // description its design's accessible description or a button's tip, never a name
    // the program uses inside.
    void everyControlShowsItsModel_data() { addControlRows(false); }
    void everyControlShowsItsModel()
    {
        QFETCH(const FormDesign*, design);
        QFETCH(int, row);
        const ControlDesign& d = design->controls[row];
        const Form& form = open(design->name);
        const FormView& view = *program->host.viewOf(form);
        const Control& control = form.find(d.name, d.index);
        QWidget* widget = view.widgetOf(control);
        QVERIFY(widget);
        if (d.kind != ControlKind::Line) {
            QWidget* container = d.container.empty() ? view.clientArea() : view.widgetOf(*control.container());
            const bool inPanel = control.container() && control.container()->kind() == ControlKind::PictureBox;
            // A shape's widget reaches out under its border, by half the border's width.
            const int border = d.kind == ControlKind::Shape ? static_cast<const Shape&>(control).borderWidthPixels()
                                                            : 1;
            const QPoint reach(inPanel * 2 - border / 2, inPanel * 2 - border / 2);
            QCOMPARE(widget->mapTo(container, QPoint(0, 0)) - reach,
                     QPoint(twipsToPixels(control.left()), twipsToPixels(control.top())));
            if (!d.autoSize)
                QCOMPARE(widget->size() - QSize(border - 1, border - 1),
                         QSize(twipsToPixels(control.width()), twipsToPixels(control.height())));
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && d.autoSize) {
            // A label sized to its text tells the model its width; in the main window a
            // substitute face is sized to the designed line, so it is as high as designed.
            QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text()));
            QCOMPARE(control.width(), pixelsToTwips(label->width()));
            if (design == &designs::mainWindow())
                QCOMPARE(control.height(), d.height);
        }
        QCOMPARE(widget->toolTip(), qs(d.toolTip));
        QCOMPARE(accessibleText(widget, QAccessible::Description),
                 d.accessibleDescription.empty() ? widget->toolTip() : qs(d.accessibleDescription));
        QString name = qs(d.accessibleName);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), qs(static_cast<const Label&>(control).caption()));
            name = name.isEmpty() ? label->text() : name;
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(box->text(), qs(static_cast<const TextBox&>(control).text()));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), qs(static_cast<const Button&>(control).caption()));
            name = name.isEmpty() && button->text().isEmpty() ? button->toolTip() : name;
        }
        if (!name.isEmpty())
            QCOMPARE(accessibleText(widget, QAccessible::Name), name);
    }

    // Every menu item is an action in its menu, in the design's order, with its caption,
    // shortcut, mark and state; "-" is a separator, and an item with items opens a menu.
    void everyMenuItemShowsItsModel_data() { addControlRows(true); }
    void everyMenuItemShowsItsModel()
    {
        QFETCH(const FormDesign*, design);
        QFETCH(int, row);
        const ControlDesign& d = design->controls[row];
        const Form& form = open(design->name);
        const FormView& view = *program->host.viewOf(form);
        const auto& item = static_cast<const MenuItem&>(form.find(d.name, d.index));
        QAction* action = view.actionOf(item);
        QVERIFY(action);
        int place = 0;
        bool hasItems = false;
        for (int other = 0; other < int(design->controls.size()); ++other) {
            const ControlDesign& o = design->controls[other];
            place += other < row && o.kind == ControlKind::MenuItem && o.container == d.container;
            hasItems = hasItems || o.container == d.name;
        }
        const QList<QAction*> siblings = d.container.empty() ? view.menuBar()->actions()
                                                             : view.actionOf(*item.container())->menu()->actions();
        QCOMPARE(siblings.indexOf(action), place);
        QCOMPARE(action->menu() != nullptr, hasItems);
        QCOMPARE(action->isSeparator(), d.caption == "-");
        if (!action->isSeparator())
            QCOMPARE(action->text(), qs(item.caption()));
        QCOMPARE(action->shortcut(), QKeySequence::fromString(qs(d.shortcut), QKeySequence::PortableText));
        QCOMPARE(action->isChecked(), item.checked());
        QCOMPARE(action->isEnabled(), item.enabled());
        QCOMPARE(action->isVisible(), item.visible());
    }
};

QTEST_MAIN(WindowDesignsTest)
#include "window_designs_test.moc"
