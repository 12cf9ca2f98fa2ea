// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The splash window on the Qt binding, as the player sees it at start-up.
#include "game/startup.h"
#include "platform/design/twips.h"
#include "platform/qt/appearance/picture_cache.h"
#include "platform/qt/window/form_view.h"
#include "platform/qt/window/qt_window_host.h"
#include "platform/window/application.h"
#include "platform/window/form_pictures.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_program.h"
#include "tests/support/virtual_clock.h"
#include "windows/frm_splash.h"

#include <QtTest>

using namespace tappon;
using namespace tappon::testing;

class SplashWindowQtTest : public QObject {
    Q_OBJECT

private slots:
    void theBarIsTwoPixelsThick()
    {
        // Shape2 is one pixel high with a white border 2 pixels wide: a bar 2 pixels thick.
        FakeServices fakes;
        VirtualClock clock;
        QtWindowHost host;
        Application app{fakes.services, clock, host};
        host.bind(app);
        frmSplash& splash = app.load<frmSplash>(loadMainWindow);
        app.show(splash, ShowMode::Modeless);
        splash.Shape2.setVisible(true);
        FormView& view = *host.viewOf(splash.form());
        QWidget* frame = view.widgetOf(splash.form().find("Frame1"));
        QWidget* bar = view.widgetOf(splash.Shape2);
        QImage image(frame->size(), QImage::Format_RGB32);
        frame->render(&image);
        const Shape& shape = splash.Shape2;
        // The column through the middle of the bar, a few pixels either side of its box.
        const QPoint middle = bar->parentWidget()->mapTo(
            frame, QPoint(twipsToPixels(shape.left() + shape.width() / 2), twipsToPixels(shape.top())));
        int white = 0;
        for (int y = middle.y() - 4; y <= middle.y() + 4; ++y)
            white += image.pixelColor(middle.x(), y) == QColor(Qt::white);
        QCOMPARE(white, 2);
    }

    void aClosedWindowTakesItsPicturesWithIt()
    {
        QtProgram program;
        Application& app = program.app;
        frmSplash& splash = app.load<frmSplash>(loadMainWindow);
        Window& main = *program.main;
        PictureCache& cache = PictureCache::instance();
        const std::vector<Picture> splashPictures = picturesOf(splash.form());
        const std::vector<Picture> mainPictures = picturesOf(main.form());
        QVERIFY(splashPictures.size() >= 4);
        QVERIFY(!mainPictures.empty());
        for (const auto* pictures : {&splashPictures, &mainPictures})
            for (const Picture& picture : *pictures)
                QVERIFY(!cache.pixmap(picture).isNull());
        const QPixmap held = cache.pixmap(splashPictures.back());

        app.unload(splash);

        for (const Picture& picture : splashPictures) {
            const bool shared = std::ranges::find(mainPictures, picture) != mainPictures.end();
            QCOMPARE(cache.holds(picture), shared);
        }
        for (const Picture& picture : mainPictures)
            QVERIFY(cache.holds(picture));
        // A picture asked for again comes back, loaded anew.
        QVERIFY(cache.pixmap(splashPictures.back()).cacheKey() != held.cacheKey());
        QCOMPARE(cache.pixmap(splashPictures.back()).toImage(), held.toImage());
    }
};

QTEST_MAIN(SplashWindowQtTest)
#include "splash_window_test.moc"
