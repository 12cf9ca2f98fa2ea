// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// How the main window paints: the field draws the letters over its picture as their
// labels would, repaints only what changes, and the panel's labels and picture buttons
// look as plain widgets would.
#include "game/frmtype.h"
#include "platform/design/twips.h"
#include "platform/qt/window/form_view.h"
#include "platform/window/application.h"
#include "tests/support/qt_program.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace tappon;
using namespace tappon::testing;

namespace {

// A widget painted whole, its own background included, as it would show on screen.
QImage paintedImage(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// The regions a widget paints, as they reach it.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Every character a falling letter can show: "0" of the design, then Label1(0)'s 26
// codes from 49 and the other letters' 26 from 97.
QString everyLetterCharacter()
{
    QString characters(QChar('0'));
    for (int code = 49; code < 49 + 26; ++code)
        characters += QChar(code);
    for (int code = 97; code < 97 + 26; ++code)
        characters += QChar(code);
    return characters;
}

// How much two glyphs differ in shape: the ink where they differ, over the ink of
// both, at the best fit of the one over the other within two pixels either way.
double glyphDifference(const QImage& a, const QImage& b)
{
    double least = 1.0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            double differing = 0.0;
            double inked = 0.0;
            for (int y = 2; y < a.height() - 2; ++y) {
                const uchar* rowA = a.constScanLine(y);
                const uchar* rowB = b.constScanLine(y + dy);
                for (int x = 2; x < a.width() - 2; ++x) {
                    differing += std::abs(rowA[x] - rowB[x + dx]);
                    inked += std::max(rowA[x], rowB[x + dx]);
                }
            }
            if (inked > 0.0)
                least = std::min(least, differing / inked);
        }
    return least;
}

}  // namespace

class MainWindowPaintingTest : public QtProgramTest {
    Q_OBJECT

private slots:
    void aParkedLetterShowsNoPixelInTheField()
    {
        // Parked at Top -600, a letter lies wholly above the field, whatever it shows.
        QWidget* field = program->widget("Picture1");
        for (int i = 1; i <= 4; ++i)
            program->main->Label1[i].setVisible(false);
        Label& letter = program->main->Label1[0];
        letter.setVisible(false);
        const QImage bare = paintedImage(field);
        letter.setVisible(true);
        QCOMPARE(letter.top(), -600.0f);
        for (const QChar character : everyLetterCharacter()) {
            letter.setCaption(QString(character).toStdString());
            QVERIFY2(paintedImage(field) == bare, qPrintable(character));
        }
    }

    void everyLetterCharacterLooksUnlikeEveryOther()
    {
        // In the letters' face, 1, I and l or 9, g and q must not be told apart by guesswork.
        const QFont font = program->widget("Label1", 0)->font();
        if (QFontInfo(font).family() != QStringLiteral("Dancing Script"))
            QFAIL(qPrintable("the letters are drawn in " + QFontInfo(font).family()
                             + ": install Debian's fonts-dancingscript"));
        const QFontMetrics metrics(font);
        const QString characters = everyLetterCharacter();
        std::vector<QImage> glyphs;
        for (const QChar character : characters) {
            QImage glyph(metrics.height() + 12, metrics.height() + 12, QImage::Format_Grayscale8);
            glyph.fill(0);
            QPainter painter(&glyph);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(6, 6 + metrics.ascent(), QString(character));
            glyphs.push_back(glyph);
        }
        for (qsizetype a = 0; a < characters.size(); ++a)
            for (qsizetype b = a + 1; b < characters.size(); ++b)
                QVERIFY2(glyphDifference(glyphs[a], glyphs[b]) >= 0.25,
                         qPrintable(QString(characters[a]) + " and " + characters[b] + " look alike"));
    }

    void pictureButtonsShowTheirFaceColourFlat()
    {
        // Around its picture a button's face is its design colour and nothing else, inside
        // a border that is raised, sunken while held; a disabled one greys its picture.
        for (const char* name : {"Command1", "Command3", "Command2"}) {
            auto* button = static_cast<QPushButton*>(program->widget(name));
            QRect picture(QPoint(), button->iconSize());
            picture.moveCenter(button->rect().center());
            const QImage face = paintedImage(button);
            int otherColour = 0;
            for (int y = 2; y < face.height() - 2; ++y)
                for (int x = 2; x < face.width() - 2; ++x)
                    otherColour += !picture.contains(x, y) && face.pixelColor(x, y) != QColor(224, 224, 224);
            QVERIFY2(otherColour == 0, name);
            const QPoint farCorner(face.width() - 1, face.height() - 1);
            QVERIFY(qGray(face.pixel(0, 0)) > qGray(face.pixel(farCorner)));
            button->setDown(true);
            const QImage held = paintedImage(button);
            button->setDown(false);
            QVERIFY(qGray(held.pixel(0, 0)) < qGray(held.pixel(farCorner)));
            // Greyed, the symbol changes but its ground stays the face's grey.
            button->setEnabled(!button->isEnabled());
            const QImage toggled = paintedImage(button);
            button->setEnabled(!button->isEnabled());
            const QImage& enabledLook = button->isEnabled() ? face : toggled;
            const QImage& disabledLook = button->isEnabled() ? toggled : face;
            QVERIFY(enabledLook.copy(picture) != disabledLook.copy(picture));
            int paledGround = 0;
            for (int y = picture.top(); y <= picture.bottom(); ++y)
                for (int x = picture.left(); x <= picture.right(); ++x)
                    paledGround += enabledLook.pixelColor(x, y) == QColor(224, 224, 224)
                                   && disabledLook.pixelColor(x, y) != QColor(224, 224, 224);
            QVERIFY2(paledGround == 0, name);
        }
    }

    void lettersAreDrawnByTheFieldAsTheirLabelsWouldDrawThemselves()
    {
        // The letters have no window of their own: the field draws each one over its
        // picture, pixel for pixel as the label's own widget would paint over it.
        QWidget* field = program->widget("Picture1");
        Label& letter = program->main->Label1[3];
        letter.setCaption("W");
        letter.setLeft(1200);
        letter.setTop(1800);
        auto* label = static_cast<QLabel*>(program->widget("Label1", 3));
        QVERIFY(!label->isVisible());
        const QImage drawn = paintedImage(field);
        letter.setVisible(false);
        const QImage bare = paintedImage(field);
        letter.setVisible(true);
        const QRect place(label->mapTo(field, QPoint(0, 0)), label->size());
        QCOMPARE(place.topLeft(), QPoint(2 + 80, 2 + 120));
        QImage expected = bare;
        label->render(&expected, place.topLeft(), QRegion(), {});
        QVERIFY(expected != bare);
        QCOMPARE(drawn, expected);
        // Where it was, the field shows its picture again once it has moved away.
        letter.setTop(3000);
        QCOMPARE(paintedImage(field).copy(place), bare.copy(place));
    }

    void disabledAndUnderlinedLabelsAreDrawnAsTheirWidgetsWouldDrawThem()
    {
        // Those two looks take the plain label's own way of drawing; the panel must
        // reproduce it exactly.
        QWidget* panel = program->widget("Picture2");
        Label& hits = program->main->Label4;
        auto& title = static_cast<Label&>(program->main->form().find("Label2"));
        hits.setCaption("123");
        hits.setEnabled(false);
        title.setFont(Font{"宋体", 10.5f, true, true});
        const QImage drawn = paintedImage(panel);
        hits.setVisible(false);
        title.setVisible(false);
        QImage expected = paintedImage(panel);
        hits.setVisible(true);
        title.setVisible(true);
        for (QWidget* label : {program->widget("Label4"), program->widget("Label2")})
            label->render(&expected, label->mapTo(panel, QPoint(0, 0)), QRegion(), {});
        QCOMPARE(drawn, expected);
    }

    void aMovingLetterRepaintsOnlyWhereItWasAndWhereItIs()
    {
        QWidget* field = program->widget("Picture1");
        Label& letter = program->main->Label1[1];
        letter.setTop(600);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        PaintRecorder recorder(field);
        QWidget* label = program->widget("Label1", 1);
        const QRect before(label->mapTo(field, QPoint(0, 0)), label->size());
        letter.setTop(630);
        const QRect after(label->mapTo(field, QPoint(0, 0)), label->size());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QVERIFY(!recorder.painted.isEmpty());
        QCOMPARE(recorder.painted, QRegion(before) + QRegion(after));
        // A letter that does not move repaints nothing.
        recorder.painted = QRegion();
        letter.setTop(630);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QVERIFY(recorder.painted.isEmpty());
    }

    void labelsPaintExactlyAsAPlainLabelWould()
    {
        // Labels keep their laid-out caption between paints; the pixels must not change.
        const auto paint = [](QWidget* widget) {
            QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(QColor(20, 40, 60));
            widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            return image;
        };
        const char* names[] = {"Label1", "Label2", "Label5", "Label10"};
        for (const char* name : names) {
            auto* label = static_cast<QLabel*>(name == std::string("Label1") ? program->widget(name, 3)
                                                                             : program->widget(name));
            QLabel plain;
            plain.setFont(label->font());
            plain.setPalette(label->palette());
            plain.setAlignment(label->alignment());
            plain.setTextFormat(Qt::PlainText);
            plain.setMargin(0);
            plain.setIndent(0);
            plain.setAutoFillBackground(label->autoFillBackground());
            plain.setText(label->text());
            plain.resize(label->size());
            QVERIFY2(!label->text().isEmpty(), name);
            QCOMPARE(paint(label), paint(&plain));
        }
    }

    void fieldRepaintsAnyExposedPieceFromItsPicture()
    {
        // The field paints only what a moving letter exposes; each piece must show the
        // same place of the picture, which starts inside the field's 2-pixel border.
        QWidget* field = program->widget("Picture1");
        const QImage picture = QImage(":/pictures/main/field.jpg").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!picture.isNull());
        const QRect pictured = QRect(QPoint(2, 2), picture.size()) & field->rect().adjusted(2, 2, -2, -2);
        // A checkerboard of small pieces, as many letters' worth of exposed rectangles.
        QRegion exposed;
        for (int y = 0; y < field->height(); y += 9)
            for (int x = (y / 9) % 2 * 11; x < field->width(); x += 22)
                exposed += QRect(x, y, 11, 9);
        QImage image(field->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        field->render(&image, QPoint(), exposed, QWidget::DrawWindowBackground);
        int wrong = 0;
        for (int y = 0; y < field->height(); ++y)
            for (int x = 0; x < field->width(); ++x) {
                if (!exposed.contains(QPoint(x, y)))
                    wrong += image.pixelColor(x, y) != QColor(Qt::magenta);
                else if (pictured.contains(x, y))
                    wrong += image.pixel(x, y) != picture.pixel(x - 2, y - 2);
            }
        QCOMPARE(wrong, 0);
    }
};

QTEST_MAIN(MainWindowPaintingTest)
#include "main_window_painting_test.moc"
