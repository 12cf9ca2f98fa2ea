// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
// The main window as the player meets it: built through the application and the Qt
// window host, with fake services and a virtual clock, shown on an offscreen screen.
#include "game/frmtype.h"
#include "platform/application.h"
#include "platform/services.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_window_host.h"
#include "platform/twips.h"
#include "tests/support/qt_program.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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

// Types through the window system, so each key goes to whichever widget has the focus.
void typeInto(QWindow* window, const char* text)
{
    for (const char* c = text; *c; ++c)
        QTest::keyClick(window, *c);
}

// A widget painted whole, its own background included, as it would show on screen.
QImage paintedImage(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// Records each mouse press on a control as "name x,y", in the control's twips.
void recordPresses(Control& control, std::string name, std::vector<std::string>& presses)
{
    control.onMouseDown = [name = std::move(name), &presses](std::int16_t, std::int16_t, float x, float y) {
        presses.push_back(name + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
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

QList<QAction*> menuActions(QAction* menuAction)
{
    return menuAction->menu()->actions();
}

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

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        program = std::make_unique<QtProgram>();
        QVERIFY(QTest::qWaitForWindowActive(&program->view()));
    }
    void cleanup() { program.reset(); }

    void clientAreaHasTheDesignedSizeInPixels()
    {
        // 6915 x 5025 twips at 15 twips a pixel.
        QCOMPARE(program->view().clientArea()->size(), QSize(461, 335));
    }

    void panelsSitWhereTheDesignPutsThem()
    {
        QCOMPARE(program->widget("Picture1")->geometry(), QRect(5, 4, 321, 329));
        QCOMPARE(program->widget("Picture2")->geometry(), QRect(328, 4, 130, 329));
    }

    void buttonsSitInsideThePanelsBorder()
    {
        // Button positions count from the panel's inner area, 2 pixels inside its border.
        QWidget* panel = program->widget("Picture2");
        const QPoint starts[] = {{8, 224}, {48, 224}, {88, 224}};
        const char* names[] = {"Command1", "Command3", "Command2"};
        for (int i = 0; i < 3; ++i) {
            QWidget* button = program->widget(names[i]);
            QCOMPARE(button->size(), QSize(33, 33));
            QCOMPARE(button->mapTo(panel, QPoint(0, 0)), starts[i] + QPoint(2, 2));
        }
    }

    void panelLabelsShowTheirCaptions()
    {
        QCOMPARE(program->labelText("Label2"), QStringLiteral("现在得分："));
        QCOMPARE(program->labelText("Label3"), QStringLiteral("剩余时间："));
        QCOMPARE(program->labelText("Label9"), QStringLiteral("最好成绩："));
        QCOMPARE(program->labelText("Label7"), QStringLiteral("设 置 时 间"));
        QCOMPARE(static_cast<QLineEdit*>(program->widget("Text1"))->text(), QStringLiteral("1"));
        QCOMPARE(static_cast<QPushButton*>(program->widget("Command1"))->toolTip(), QStringLiteral("开始"));
    }

    void autoSizeLabelsTakeTheSizeOfTheirText()
    {
        QWidget* label = program->widget("Label2");
        const QFontMetrics metrics(label->font());
        QVERIFY(label->width() >= metrics.horizontalAdvance(QStringLiteral("现在得分：")));
        QCOMPARE(program->main->Label9.width(), pixelsToTwips(program->widget("Label9")->width()));
    }

    void autoSizeLabelsTakeTheHeightOfTheirDesign()
    {
        // A substitute face is sized to the designed line, so each label is as high as designed.
        for (const ControlDesign& design : program->main->form().design().controls) {
            if (design.kind != ControlKind::Label || !design.autoSize)
                continue;
            const Control& label = program->main->form().find(design.name, design.index);
            QVERIFY2(label.height() == design.height, design.name.c_str());
        }
    }

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
            QFAIL(qPrintable("the letters are drawn in " + QFontInfo(font).family() +
                             ": install Debian's fonts-dancingscript"));
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
            button->setEnabled(!button->isEnabled());
            QVERIFY(paintedImage(button).copy(picture) != face.copy(picture));
            button->setEnabled(!button->isEnabled());
        }
    }

    void menuBarHoldsTheTwoMenusInOrder()
    {
        const QList<QAction*> titles = program->view().menuBar()->actions();
        QCOMPARE(titles.size(), 2);
        QCOMPARE(titles[0]->text(), QStringLiteral(" 设  置(&S)"));
        QCOMPARE(titles[1]->text(), QStringLiteral("  帮  助(&H)"));
    }

    void settingsMenuHoldsItsItemsWithShortcutsAndSeparator()
    {
        const QList<QAction*> items = menuActions(program->action("sz"));
        QCOMPARE(items.size(), 6);
        QCOMPARE(items[0]->text(), QStringLiteral("开 局(&P)"));
        QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(items[1]->text(), QStringLiteral("级 别(&J)"));
        QVERIFY(items[1]->menu() != nullptr);
        QCOMPARE(items[2]->text(), QStringLiteral("音 效"));
        QCOMPARE(items[3]->text(), QStringLiteral("暂 停(&P)"));
        QCOMPARE(items[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(!items[3]->isEnabled());
        QVERIFY(items[4]->isSeparator());
        QCOMPARE(items[5]->text(), QStringLiteral("退 出(&X)"));
    }

    void levelMenuHoldsThreeLevelsWithBeginnerChecked()
    {
        const QList<QAction*> levels = menuActions(program->action("jb"));
        QCOMPARE(levels.size(), 3);
        QCOMPARE(levels[0]->text(), QStringLiteral(" 初 级(&C)"));
        QCOMPARE(levels[1]->text(), QStringLiteral(" 中 级(&Z)"));
        QCOMPARE(levels[2]->text(), QStringLiteral(" 高 级(&G)"));
        QVERIFY(levels[0]->isChecked());
        QVERIFY(!levels[1]->isChecked());
        QVERIFY(!levels[2]->isChecked());
        QVERIFY(program->action("sound")->isChecked());
    }

    void helpMenuHoldsHelpWithF1AndAbout()
    {
        const QList<QAction*> items = menuActions(program->action("help"));
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("帮 助(&Z)"));
        QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(items[1]->text(), QStringLiteral("关 于(&A)"));
    }

    void playingFieldHoldsTheKeyboardFocusAtStart()
    {
        QCOMPARE(QApplication::focusWidget(), program->widget("Picture1"));
        QCOMPARE(program->main->form().focused(), &program->main->Picture1);
    }

    void enterPressesTheDefaultButtonAndStartsAGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_Return);
        QCOMPARE(program->labelText("Label5"), QStringLiteral("60"));
        QVERIFY(!program->widget("Command1")->isEnabled());
    }

    void typedKeysReachThePlayingField()
    {
        // Right after load all five letters show "0": one key hits all five.
        typeInto(program->view().windowHandle(), "0");
        QCOMPARE(program->labelText("Label4"), QStringLiteral("5"));
    }

    void inputMethodCommitStringsCountAsTypedCharacters()
    {
        QInputMethodEvent event;
        event.setCommitString(QStringLiteral("0"));
        QApplication::sendEvent(program->widget("Picture1"), &event);
        QCOMPARE(program->labelText("Label4"), QStringLiteral("5"));
    }

    void f2StartsAGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        QCOMPARE(program->labelText("Label5"), QStringLiteral("60"));
        QVERIFY(program->action("pause1")->isEnabled());
    }

    void ctrlPPausesARunningGame()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        QTest::keyClick(program->view().windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(program->main->paused);
        QVERIFY(program->widget("Command1")->isEnabled());
        QVERIFY(!program->action("pause1")->isEnabled());
    }

    void ctrlPDoesNothingWhilePauseIsDisabled()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!program->main->paused);
        QVERIFY(!program->main->Timer1.enabled());
    }

    void soundItemTogglesOncePerClick()
    {
        // The handler inverts the mark; the action must show the model's mark, not flip again.
        program->action("sound")->trigger();
        QVERIFY(!program->main->sound.checked());
        QVERIFY(!program->action("sound")->isChecked());
        program->action("sound")->trigger();
        QVERIFY(program->main->sound.checked());
        QVERIFY(program->action("sound")->isChecked());
    }

    void levelItemMovesTheCheckMark()
    {
        program->action("jibie", 3)->trigger();
        QVERIFY(program->action("jibie", 3)->isChecked());
        QVERIFY(!program->action("jibie", 1)->isChecked());
        QCOMPARE(program->main->baseSpeed, std::int16_t{80});
    }

    void emptyCaptionStaysEmptyUntilTheBannerTypesIt()
    {
        QCOMPARE(program->view().windowTitle(), QString());
        program->clock.advance(program->app.scheduler(), std::chrono::milliseconds(300));
        QCOMPARE(program->view().windowTitle(), QString::fromStdString(program->main->form().caption()));
        QVERIFY(!program->view().windowTitle().isEmpty());
    }

    void movingALetterMovesItsWidget()
    {
        Label& letter = program->main->Label1[2];
        letter.setTop(1500);
        QCOMPARE(program->widget("Label1", 2)->y(), 100);
        letter.setLeft(300);
        QCOMPARE(program->widget("Label1", 2)->x(), 20);
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

    void pressesOnALetterGoToItsLabelAndElsewhereToTheField()
    {
        QWidget* field = program->widget("Picture1");
        Label& letter = program->main->Label1[0];
        letter.setCaption("M");
        letter.setLeft(600);
        letter.setTop(900);
        Label& under = program->main->Label1[4];
        under.setCaption("M");
        under.setLeft(600);
        under.setTop(900);
        std::vector<std::string> got;
        recordPresses(letter, "Label1(0)", got);
        recordPresses(under, "Label1(4)", got);
        recordPresses(program->main->Picture1, "Picture1", got);
        int clicks = 0;
        under.onClick = [&clicks] { ++clicks; };
        // The later label lies on top; positions count from the label's own corner.
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 40 + 3, 2 + 60 + 4));
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 200, 2 + 250));
        under.setEnabled(false);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 40 + 3, 2 + 60 + 4));
        under.setVisible(false);
        under.setEnabled(true);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2 + 40 + 3, 2 + 60 + 4));
        const std::vector<std::string> expected = {"Label1(4) 45,60", "Picture1 3000,3750", "Label1(0) 45,60",
                                                   "Label1(0) 45,60"};
        QCOMPARE(got, expected);
        QCOMPARE(clicks, 1);
    }

    void fallingLettersFollowTheTimer()
    {
        QTest::keyClick(program->view().windowHandle(), Qt::Key_F2);
        program->clock.advance(program->app.scheduler(), std::chrono::milliseconds(500));
        for (int i = 0; i <= 4; ++i)
            QCOMPARE(program->widget("Label1", i)->y(), twipsToPixels(program->main->Label1[i].top()));
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

    void clickingTheTimeBoxEmptiesIt()
    {
        auto* box = static_cast<QLineEdit*>(program->widget("Text1"));
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(program->main->Text1.text(), std::string());
    }

    void typingIntoTheTimeBoxReachesTheModel()
    {
        auto* box = static_cast<QLineEdit*>(program->widget("Text1"));
        QTest::mouseClick(box, Qt::LeftButton);
        typeInto(program->view().windowHandle(), "2");
        QCOMPARE(program->main->Text1.text(), std::string("2"));
        QTest::keyClick(program->view().windowHandle(), Qt::Key_Return);
        QCOMPARE(program->labelText("Label5"), QStringLiteral("120"));
    }

    void windowReportsItsOuterFrameToTheModel()
    {
        // The model's Left/Top/Width/Height are the outer frame, menu bar included.
        const QRect frame = program->view().frameGeometry();
        const Form& form = program->main->form();
        QCOMPARE(form.left(), pixelsToTwips(frame.x()));
        QCOMPARE(form.top(), pixelsToTwips(frame.y()));
        QCOMPARE(form.height(), pixelsToTwips(frame.height()));
        QVERIFY(form.height() > form.design().clientHeight);
    }

    void messageBoxWarmUpLeavesNothingBehind()
    {
        // The program warms the message boxes up while its first window is on screen.
        const auto windowsBefore = QGuiApplication::allWindows().size();
        const auto widgetsBefore = QApplication::topLevelWidgets().size();
        QtMessageBox::warmUp();
        QCoreApplication::processEvents();
        QCOMPARE(QGuiApplication::allWindows().size(), windowsBefore);
        QCOMPARE(QApplication::topLevelWidgets().size(), widgetsBefore);
        QCOMPARE(QApplication::activeWindow(), &program->view());
    }

    void closingTheMainWindowEndsTheProgram()
    {
        program->view().close();
        QVERIFY(program->app.ended());
        QVERIFY(program->host.quitRequested());
        QCOMPARE(program->host.exitCode(), 0);
    }

private:
    std::unique_ptr<QtProgram> program;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
