#pragma once

#include "platform/picture_box.h"
#include "platform/qt/control_view.h"

#include <QWidget>

namespace tappon {

// A picture box: its back colour, its picture at the picture's own size from the
// top-left corner of its inner area, an optional sunken border; a container of other
// controls; it takes the keyboard focus and hands keys and typed text to the form.
class PictureBoxView final : public QWidget, public ControlView {
public:
    static constexpr int kBorderPixels = 2;

    PictureBoxView(FormView& owner, PictureBox& box, QWidget* parent);

    QWidget* widget() override { return this; }
    QWidget* childHost() override { return inner_; }
    void syncAll() override;

protected:
    void apply(Property property) override;
    void applyGeometry() override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the inner area begins: inside the border.
    QPoint innerOrigin() const;

    PictureBox& box_;
    // The inner area: children are placed in it and cut off at its edges.
    QWidget* inner_ = nullptr;
};

}  // namespace tappon
