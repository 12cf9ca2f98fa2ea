// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// On a screen scaled 2x (this test runs with QT_SCALE_FACTOR=2) every window keeps its
// layout at twice the size, its pictures are the ones drawn at twice their resolution,
// and its text is drawn at the screen's own resolution, not enlarged.
#include "game/startup.h"
#include "platform/design/twips.h"
#include "platform/qt/window/form_view.h"
#include "tests/support/qt_program.h"
#include "windows/frm_about.h"
#include "windows/frm_splash.h"
#include "windows/frmhelp.h"

#include <QGuiApplication>
#include <QImage>
#include <QtTest>

#include <chrono>
#include <cstdlib>
#include <limits>
#include <memory>

using namespace tappon;
using namespace tappon::testing;
using namespace std::chrono_literals;

namespace {

constexpr int kScale = 2;

// The main window with the splash, help or about window open over it as asked.
struct Screens : QtProgram {
    explicit Screens(const QString& window)
    {
        if (window == "splash") {
            other = &app.load<frmSplash>(loadMainWindow);
            app.show(*other, ShowMode::Modeless);
            advance(300ms);  // the three tiles are showing
        } else if (window == "help") {
            main->form().click(main->care);
            advance(300ms);  // slid in
            other = app.find<Frmhelp>();
        } else if (window == "about") {
            main->form().click(main->guanyu);
            other = app.find<frmAbout>();
        }
    }
    Window& window() const { return other ? *other : *main; }
    FormView& windowView() const { return *host.viewOf(window().form()); }
    QWidget* control(const QString& name, int index) const
    {
        if (name.isEmpty())
            return windowView().clientArea();
        return windowView().widgetOf(window().form().find(name.toStdString().c_str(), index));
    }

    Window* other = nullptr;
};

// What a widget shows, in the screen's pixels.
QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The same widget painted at one pixel per logical pixel, as a 1x screen shows it.
QImage paintedAtOneX(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

// The mean difference per colour channel between a place of the shot and a picture,
// over the picture's opaque pixels that fall inside the shot's inner area.
double meanDifference(const QImage& shot, QPoint at, const QImage& picture, int inset = 0)
{
    const QRect inner = shot.rect().adjusted(inset, inset, -inset, -inset);
    double sum = 0;
    long counted = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = picture.pixel(x, y);
            if (qAlpha(want) < 128 || !inner.contains(at + QPoint(x, y)))
                continue;
            const QRgb got = shot.pixel(at + QPoint(x, y));
            sum += std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want))
                   + std::abs(qBlue(got) - qBlue(want));
            ++counted;
        }
    return counted ? sum / (3.0 * counted) : std::numeric_limits<double>::infinity();
}

// Where in the shot the picture fits best, and how well.
std::pair<QPoint, double> bestPlace(const QImage& shot, const QImage& picture)
{
    std::pair<QPoint, double> best{QPoint(), std::numeric_limits<double>::infinity()};
    for (int y = 0; y + picture.height() <= shot.height(); ++y)
        for (int x = 0; x + picture.width() <= shot.width(); ++x) {
            const double difference = meanDifference(shot, QPoint(x, y), picture);
            if (difference < best.second)
                best = {QPoint(x, y), difference};
        }
    return best;
}

// The sums of squared differences between neighbouring pixels, in grey, within the
// squares of 2 x 2 pixels that stand for one logical pixel and across their edges. An
// edge drawn crisply at twice the resolution holds about twice the energy of the same
// edge smoothly enlarged from 1x, whose step is spread over two pixels; an enlargement
// that copies each pixel into its square has no energy within the squares.
struct EdgeEnergy {
    double within = 0;
    double across = 0;
    double total() const { return within + across; }
};

EdgeEnergy edgeEnergy(const QImage& image)
{
    EdgeEnergy energy;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const double here = qGray(image.pixel(x, y));
            const double right = qGray(image.pixel(x + 1, y)) - here;
            const double below = qGray(image.pixel(x, y + 1)) - here;
            (x % 2 == 0 ? energy.within : energy.across) += right * right;
            (y % 2 == 0 ? energy.within : energy.across) += below * below;
        }
    return energy;
}

QImage picture(const QString& resource)
{
    return QImage(resource).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsScaledTwice() { QCOMPARE(qGuiApp->devicePixelRatio(), qreal(kScale)); }

    void windowsKeepTheirLayoutAtTwiceTheSize_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "splash", "help", "about"})
            QTest::newRow(window) << window;
    }

    void windowsKeepTheirLayoutAtTwiceTheSize()
    {
        // The design's sizes in logical pixels, each one two pixels of the screen.
        QFETCH(QString, window);
        Screens screens(window);
        QWidget* client = screens.windowView().clientArea();
        const FormDesign& design = screens.window().form().design();
        const QSize size(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
        QCOMPARE(client->size(), size);
        QCOMPARE(grabbed(client).size(), size * kScale);
        for (const auto& control : screens.window().form().controls()) {
            const ControlKind kind = control->kind();
            if (kind != ControlKind::PictureBox && kind != ControlKind::Button && kind != ControlKind::TextBox
                && kind != ControlKind::Frame)
                continue;
            QCOMPARE(screens.windowView().widgetOf(*control)->size(),
                     QSize(twipsToPixels(control->width()), twipsToPixels(control->height())));
        }
    }

    void picturesAreTheOnesDrawnAtTwiceTheirResolution_data()
    {
        // Each control shows its picture as drawn at 2x: pixel for pixel where it is shown
        // at its own size (from the top-left corner inside its border, or wherever the
        // button centres it), and smoothly fitted where it is stretched to its box.
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("stretched");
        const int centred = -1;
        // One row a line: clang-format would break a row between two strings side by side.
        // clang-format off
        QTest::newRow("playing field") << "main" << "Picture1" << kNoIndex << "main/field.jpg" << 2 << false;
        QTest::newRow("start button") << "main" << "Command1" << kNoIndex << "main/start.gif" << centred << false;
        QTest::newRow("splash slogan") << "splash" << "Image2" << kNoIndex << "splash/banner.gif" << 0 << false;
        QTest::newRow("splash tile") << "splash" << "Image1" << 1 << "splash/tile1.jpg" << 0 << true;
        QTest::newRow("help title") << "help" << "Image1" << kNoIndex << "help/title.jpg" << 0 << false;
        QTest::newRow("about icon") << "about" << "imgIcon" << kNoIndex << "about/icon.ico" << 0 << false;
        // clang-format on
    }

    void picturesAreTheOnesDrawnAtTwiceTheirResolution()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(QString, file);
        QFETCH(int, border);
        QFETCH(bool, stretched);
        Screens screens(window);
        QWidget* widget = screens.control(control, index);
        QVERIFY(widget);
        const qsizetype dot = file.lastIndexOf('.');
        QImage sharp = picture(":/pictures/" + file.left(dot) + "@2x" + file.mid(dot));
        QImage plain = picture(":/pictures/" + file);
        QVERIFY(!sharp.isNull() && !plain.isNull());
        // An image that takes the size of its picture takes its logical size.
        const Control& shown = screens.window().form().find(control.toStdString().c_str(), index);
        if (shown.kind() == ControlKind::Image && !stretched)
            QCOMPARE(widget->size(), plain.size());
        const QImage shot = grabbed(widget);
        // The 1x picture as a 2x screen would show it enlarged.
        QImage enlarged = plain.scaled(plain.size() * kScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (stretched) {
            sharp = sharp.scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            enlarged = plain.scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        const int inset = qMax(border, 0) * kScale;
        const QPoint place = border < 0 ? bestPlace(shot, sharp).first : QPoint(inset, inset);
        const double sharpDifference = meanDifference(shot, place, sharp, inset);
        const double enlargedDifference = meanDifference(shot, place, enlarged, inset);
        QVERIFY2(sharpDifference < (stretched ? 3.0 : 0.5) && sharpDifference < enlargedDifference / 2,
                 qPrintable(QStringLiteral("at (%1, %2): %3 from the 2x picture, %4 from the 1x one enlarged")
                                .arg(place.x())
                                .arg(place.y())
                                .arg(sharpDifference)
                                .arg(enlargedDifference)));
    }

    void boxesPaintEveryPixelOfTheirBorder_data()
    {
        // A picture box paints all of itself, its border too, leaving nothing of what
        // lay beneath: at 2x a line one logical pixel wide covers two rows of pixels.
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        // One row a line: clang-format would break a row between two strings side by side.
        // clang-format off
        QTest::newRow("playing field") << "main" << "Picture1";
        QTest::newRow("side panel") << "main" << "Picture2";
        QTest::newRow("link panel") << "about" << "Picture2";
        // So does a window that draws its own dialog frame.
        QTest::newRow("help window's frame") << "help" << "";
        QTest::newRow("splash window's frame") << "splash" << "";
        // clang-format on
    }

    void boxesPaintEveryPixelOfTheirBorder()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        Screens screens(window);
        QWidget* box = control.isEmpty() ? &screens.windowView() : screens.control(control, kNoIndex);
        QImage image(box->size() * kScale, QImage::Format_RGB32);
        image.setDevicePixelRatio(kScale);
        image.fill(Qt::magenta);
        box->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int unpainted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                unpainted += image.pixelColor(x, y) == QColor(Qt::magenta);
        QCOMPARE(unpainted, 0);
    }

    void textIsDrawnAtTheScreensResolution_data()
    {
        // A panel label, and a falling letter, which the playing field draws.
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::newRow("panel label") << "Label2" << kNoIndex;
        QTest::newRow("falling letter") << "Label1" << 3;
    }

    void textIsDrawnAtTheScreensResolution()
    {
        QFETCH(QString, control);
        QFETCH(int, index);
        Screens screens("main");
        QWidget* shown = screens.control(control, index);
        QRect place = shown->rect();
        if (index != kNoIndex) {  // look at the field where the letter stands
            Label& letter = screens.main->Label1[index];
            letter.setCaption("W");
            letter.setLeft(1200);
            letter.setTop(1800);
            QWidget* field = screens.control("Picture1", kNoIndex);
            place = QRect(shown->mapTo(field, QPoint(0, 0)), shown->size());
            shown = field;
        }
        const QImage sharp = grabbed(shown).copy(QRect(place.topLeft() * kScale, place.size() * kScale));
        const QImage enlarged = paintedAtOneX(shown).copy(place).scaled(place.size() * kScale, Qt::IgnoreAspectRatio,
                                                                        Qt::SmoothTransformation);
        const EdgeEnergy drawn = edgeEnergy(sharp);
        QVERIFY2(drawn.total() > 1.4 * edgeEnergy(enlarged).total() && drawn.within > drawn.across / 3,
                 qPrintable(QStringLiteral("edge energy %1 within squares, %2 across, %3 enlarged from 1x")
                                .arg(drawn.within)
                                .arg(drawn.across)
                                .arg(edgeEnergy(enlarged).total())));
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
