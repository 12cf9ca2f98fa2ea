#pragma once

#include "platform/label.h"
#include "platform/qt/control_view.h"

#include <QLabel>
#include <QStaticText>

namespace tappon {

// A label: one line of text in its font and colour; a transparent one paints only its
// text; an auto-size one takes the size of its text and reports it to the model.
class LabelView final : public QLabel, public ControlView {
public:
    LabelView(FormView& owner, Label& label, QWidget* parent);

    QWidget* widget() override { return this; }
    void syncAll() override;

protected:
    void apply(Property property) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyCaption();
    void applyColors();
    void fitToText();

    Label& label_;
    // The caption laid out once: the falling letters repaint twenty times a second
    // and would otherwise be shaped again on every paint.
    QStaticText laidOut_;
};

}  // namespace tappon
