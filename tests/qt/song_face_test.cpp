// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The program's own Song face draws every text its windows show, in every Song font
// they use, exactly as the installed AR PL UMing CN it was cut from: the same glyphs,
// bitmaps, advances and hinting. Neither face may fall back on another, so a character
// the own face lacks is drawn as its empty glyph and shows as a difference.
#include "designs/designs.h"
#include "game/frmtype.h"
#include "platform/qt/appearance/qt_fonts.h"

#include "tests/support/harness.h"
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTranslator>

#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace tappon;

namespace {

QImage drawn(const QString& text, const Font& designFont, const QString& family)
{
    QFont font = resolveFont(designFont);
    font.setFamilies({family});
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 4, metrics.height() + 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(2, 2 + metrics.ascent(), text);
    return image;
}

bool isSong(const Font& font)
{
    return fontFamilies(font.family).value(0) == ownSongFamily();
}

}  // namespace

class SongFaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral(":/fonts/tappon-song.ttf")))
            QSKIP("built without the program's own Song face");
        QVERIFY2(!ownSongFamily().isEmpty(), "the program's own Song face is built in but cannot be registered");
        if (!QFontDatabase::hasFamily(QStringLiteral("AR PL UMing CN")))
            QSKIP("AR PL UMing CN (fonts-arphic-uming) is not installed");
        // Qt's own texts in the windows, in Chinese as the program shows them.
        if (translator_.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&translator_);
        QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok);
        texts_.push_back(box.button(QMessageBox::Ok)->text());
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        for (const QAction* action : menu->actions())
            texts_.push_back(action->text());
        // The game's own boxes: the warning about the time, and a verdict.
        testing::Harness h;
        frmtype& game = h.app.load<frmtype>();
        h.app.show(game, ShowMode::Modeless);
        for (const char* minutes : {"x", ".01"}) {
            game.form().setFocus(game.Picture1);
            game.Text1.setTextFromInput(minutes);
            game.form().click(game.Command1);
        }
        h.advanceMs(1000);
        QCOMPARE(h.messageBox.shown.size(), 2u);
        for (const testing::ShownMessage& message : h.messageBox.shown)
            texts_.push_back(QString::fromStdString(message.prompt));
    }

    void drawsEveryTextAsTheInstalledFace()
    {
        // The program's default font, then every Song font of the designs.
        std::vector<Font> fonts{Font{"宋体", 9.0f, false, false}};
        for (const FormDesign* design :
             {&designs::mainWindow(), &designs::splashWindow(), &designs::helpWindow(), &designs::aboutWindow()}) {
            texts_.push_back(QString::fromStdString(design->caption));
            if (design->font && std::find(fonts.begin(), fonts.end(), *design->font) == fonts.end())
                fonts.push_back(*design->font);
            for (const ControlDesign& control : design->controls) {
                texts_.push_back(QString::fromStdString(control.caption));
                texts_.push_back(QString::fromStdString(control.toolTip));
                if (control.font && std::find(fonts.begin(), fonts.end(), *control.font) == fonts.end())
                    fonts.push_back(*control.font);
            }
        }
        int compared = 0;
        for (const Font& font : fonts) {
            if (!isSong(font))
                continue;
            for (const QString& text : texts_) {
                for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                    const QImage own = drawn(line, font, ownSongFamily());
                    const QImage installed = drawn(line, font, QStringLiteral("AR PL UMing CN"));
                    QVERIFY2(own == installed, qPrintable(QStringLiteral("\"%1\" at %2 pt%3 is drawn differently")
                                                              .arg(line)
                                                              .arg(font.points)
                                                              .arg(font.bold ? " bold" : "")));
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 100);
    }

private:
    QTranslator translator_;
    std::vector<QString> texts_;
};

QTEST_MAIN(SongFaceTest)
#include "song_face_test.moc"
