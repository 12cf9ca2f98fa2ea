// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/label.h"
#include "platform/qt/views/control_view.h"

#include <QAccessible>
#include <QLabel>
#include <QStaticText>

namespace tappon {

class PictureBoxView;

// A label: one line of text in its font and colour; a transparent one paints only its
// text; an auto-size one takes the size of its text and reports it to the model.
//
// A transparent label on a picture box has no window of its own: the box draws it with
// its own picture, and the label's widget stays hidden, keeping only the label's text,
// font, geometry and accessible name. Moving such a label costs a repaint of two small
// rectangles of the box, instead of a widget move and a paint of its own. A label
// given a pointer of its own takes a widget of its own from then on.
class LabelView final : public QLabel, public ControlView {
public:
    // `drawnBy`: the picture box that draws this label, or nullptr for a label with a
    // widget of its own.
    LabelView(const ControlViewOwner& owner, Label& label, QWidget* parent, PictureBoxView* drawnBy = nullptr);

    QWidget* widget() override { return this; }
    void syncAll() override;

    bool drawnByContainer() const { return drawnBy_ != nullptr; }
    // Whether the box shows this label now (the widget itself stays hidden).
    bool shownOnContainer() const;
    // Draws the label with the box's painter; `innerOrigin` is where the box's inner
    // area begins.
    void drawOnContainer(QPainter& painter, QPoint innerOrigin, const QRegion& exposed) const;
    // What drawOnContainer draws, as how much of each pixel of the label the text covers
    // (Format_Alpha8), to be drawn in textColor(); nullptr for the looks drawn as a
    // plain label draws them.
    const QImage* glyphCoverage() const;
    QRgb textColor() const;
    // A press and a release that the box found on this label, as its own widget would
    // take them.
    void pressOnContainer(const QMouseEvent& event, QPoint innerOrigin);
    void releaseOnContainer(const QMouseEvent& event, QPoint innerOrigin);

protected:
    void apply(Property property) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void applyGeometry() override;

private:
    void applyCaption();
    void applyColors();
    void applyFont();
    void fitToText();
    bool drawnAsPlainLabel() const;
    void drawText(QPainter& painter, QPoint topLeft) const;
    // Asks the box that draws this label to repaint where it is now.
    void repaintOnContainer() const;
    // Takes a widget of its own from now on.
    void leaveContainer();
    void announce(QAccessible::Event event);

    Label& label_;
    PictureBoxView* drawnBy_ = nullptr;
    // An auto-size label's line height in its design, per pixel of its font's size (0
    // when the design does not tell): the substitute face is sized to take that height.
    double designLineHeightPerPixel_ = 0.0;
    // That height in pixels for the font the label has now; 0 when not known.
    int designLineHeight_ = 0;
    // The caption laid out once: the falling letters repaint twenty times a second
    // and would otherwise be shaped again on every paint.
    QStaticText laidOut_;
    // The caption's coverage, made when first asked for.
    mutable QImage coverage_;
};

}  // namespace tappon
