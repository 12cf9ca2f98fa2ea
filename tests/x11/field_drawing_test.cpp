// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The field drawn on the X server during a game: what the window shows must be what Qt
// would paint (the same letters at the same places in the same colours over the same
// picture, with no trail), and Qt must paint wherever the server cannot stand in for it.
#include "platform/qt/views/picture_box_view.h"
#include "tests/support/qt_program.h"

#include <QGuiApplication>
#include <QPainter>
#include <QtGui/qguiapplication_platform.h>
#include <QtTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

using namespace tappon;
using namespace tappon::testing;

namespace {

// The X server blends glyph edges linearly where Qt blends them gamma-corrected; a
// partly covered pixel may be off by up to a quarter of a channel's range (the game's
// letters measure up to 45 over the field's picture), nothing else may.
constexpr int kEdgeTolerance = 64;

xcb_connection_t* connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// Everything asked of the server so far has been done.
void syncWithServer()
{
    std::free(xcb_get_input_focus_reply(connection(), xcb_get_input_focus(connection()), nullptr));
}

// What the window shows where the widget is, read back from the X server.
QImage shownOnScreen(QWidget* widget)
{
    syncWithServer();
    QWidget* window = widget->window();
    const qreal ratio = widget->devicePixelRatio();
    const QPoint at = widget->mapTo(window, QPoint()) * ratio;
    const QSize size = widget->size() * ratio;
    const auto cookie = xcb_get_image(connection(), XCB_IMAGE_FORMAT_Z_PIXMAP,
                                      static_cast<xcb_drawable_t>(window->winId()), static_cast<std::int16_t>(at.x()),
                                      static_cast<std::int16_t>(at.y()), static_cast<std::uint16_t>(size.width()),
                                      static_cast<std::uint16_t>(size.height()), ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection(), cookie, nullptr);
    if (!reply)
        return {};
    // 24-bit pixels come four bytes each, as Qt's RGB32 holds them.
    QImage image(xcb_get_image_data(reply), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
    image = image.copy();
    std::free(reply);
    return image;
}

// What Qt paints for the widget now, in the screen's pixels.
QImage paintedByToolkit(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Lets the field's pending draws (made as the event loop is about to wait) and Qt's
// repaints run, then waits for the server.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    syncWithServer();
}

// How the window's pixels differ from Qt's painting of the same field. Ground and the
// letters' fully covered pixels must match exactly; pixels a letter partly covers (where
// Qt's painting differs from the bare ground and is not the letter's colour) may differ
// by the edge tolerance.
struct Comparison {
    int exactWrong = 0;
    int edgeWorst = 0;
    QString firstWrong;
};

Comparison compare(const QImage& shown, const QImage& painted, const QImage& bare, const QList<QRgb>& letterColors)
{
    Comparison result;
    if (shown.size() != painted.size() || bare.size() != painted.size()) {
        result.exactWrong = -1;
        return result;
    }
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            const QRgb want = painted.pixel(x, y);
            const QRgb got = shown.pixel(x, y);
            const bool edge = want != bare.pixel(x, y) && !letterColors.contains(want);
            if (edge) {
                const int worst = std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                                            std::abs(qBlue(want) - qBlue(got))});
                result.edgeWorst = std::max(result.edgeWorst, worst);
            } else if (want != got) {
                if (result.exactWrong++ == 0)
                    result.firstWrong = QStringLiteral("(%1,%2) shows %3, Qt paints %4")
                                            .arg(x)
                                            .arg(y)
                                            .arg(QColor(got).name(), QColor(want).name());
            }
        }
    return result;
}

}  // namespace

class FieldDrawingTest : public QtProgramTest {
    Q_OBJECT

private:
    QWidget* field() const { return program->widget("Picture1"); }
    int serverDraws() const { return static_cast<PictureBoxView*>(field())->serverDraws(); }
    bool serverCanDraw() const { return field()->devicePixelRatio() == 1.0; }

    QList<QRgb> letterColors() const
    {
        QList<QRgb> colors;
        for (int i = 0; i < 5; ++i)
            colors.append(program->widget("Label1", i)->palette().color(QPalette::WindowText).rgb());
        return colors;
    }

    // The field as Qt paints it without its letters.
    QImage bareField()
    {
        for (int i = 0; i < 5; ++i)
            program->main->Label1[i].setVisible(false);
        settle();
        const QImage bare = paintedByToolkit(field());
        for (int i = 0; i < 5; ++i)
            program->main->Label1[i].setVisible(true);
        settle();
        return bare;
    }

    void verifyShowsWhatToolkitPaints(const QImage& bare, const char* when)
    {
        const Comparison c = compare(shownOnScreen(field()), paintedByToolkit(field()), bare, letterColors());
        QVERIFY2(
            c.exactWrong == 0,
            qPrintable(QStringLiteral("%1: %2 pixels wrong, first %3").arg(when).arg(c.exactWrong).arg(c.firstWrong)));
        QVERIFY2(c.edgeWorst <= kEdgeTolerance,
                 qPrintable(QStringLiteral("%1: an edge pixel off by %2").arg(when).arg(c.edgeWorst)));
    }

    void startGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_Return);
        settle();
    }

private slots:
    void aGameDrawsItsLettersOnTheServerAsQtWouldPaintThem()
    {
        const QImage bare = bareField();
        startGame();
        const int drawsBefore = serverDraws();
        // Two seconds of falling, with two hits: each tick moves every letter, a hit
        // gives one a new character at the top. A letter drawn in the wrong place or
        // colour, or a place left without its ground, shows in the comparison.
        for (int tick = 1; tick <= 40; ++tick) {
            program->advanceMs(50);
            if (tick == 15 || tick == 30)
                QTest::keyClick(program->view().windowHandle(), program->main->Label1[0].caption().at(0));
            settle();
            verifyShowsWhatToolkitPaints(bare, qPrintable(QStringLiteral("tick %1").arg(tick)));
        }
        QVERIFY(program->labelText("Label4").toInt() >= 2);
        // A tick with every letter still above the field has nothing to draw.
        if (serverCanDraw())
            QVERIFY(serverDraws() - drawsBefore >= 35);
        else
            QCOMPARE(serverDraws(), 0);
    }

    void anExposedWindowShowsTheFieldAsItIsNow()
    {
        // Qt keeps its own copy of the window, which the server's draws leave behind:
        // a window covering the field and going away must not bring back old letters.
        const QImage bare = bareField();
        startGame();
        for (int tick = 0; tick < 10; ++tick) {
            program->advanceMs(50);
            settle();
        }
        QWidget cover;
        cover.setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        cover.setGeometry(QRect(field()->mapToGlobal(QPoint()), field()->size()));
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        for (int tick = 0; tick < 10; ++tick) {
            program->advanceMs(50);
            settle();
        }
        cover.hide();
        QTRY_VERIFY_WITH_TIMEOUT(
            (settle(),
             compare(shownOnScreen(field()), paintedByToolkit(field()), bare, letterColors()).exactWrong == 0),
            2000);
        verifyShowsWhatToolkitPaints(bare, "after the cover went");
    }

    void qtPaintsWhereTheServerCannotDraw_data()
    {
        QTest::addColumn<QString>("look");
        // Lines under the text and the greyed look are drawn as a plain label draws them.
        QTest::newRow("an underlined letter") << "underlined";
        QTest::newRow("a disabled letter") << "disabled";
        QTest::newRow("the window hidden") << "hidden";
    }

    void qtPaintsWhereTheServerCannotDraw()
    {
        QFETCH(QString, look);
        const QImage bare = bareField();
        Label& letter = program->main->Label1[2];
        if (look == "underlined")
            letter.setFont(Font{"宋体", 14.0f, false, true});
        if (look == "disabled")
            letter.setEnabled(false);
        startGame();
        // In the middle of the field, so that every tick moves it there.
        letter.setTop(1500);
        if (look == "hidden")
            program->view().hide();
        const int drawsBefore = serverDraws();
        for (int tick = 0; tick < 10; ++tick) {
            program->advanceMs(50);
            settle();
        }
        // Every tick moves that letter too, so no tick goes to the server.
        QCOMPARE(serverDraws(), drawsBefore);
        if (look == "hidden") {
            program->view().show();
            QVERIFY(QTest::qWaitForWindowExposed(&program->view()));
            settle();
        }
        verifyShowsWhatToolkitPaints(bare, qPrintable(look));
    }
};

QTEST_MAIN(FieldDrawingTest)
#include "field_drawing_test.moc"
