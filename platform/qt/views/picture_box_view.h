// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#pragma once

#include "platform/controls/picture_box.h"
#include "platform/qt/views/control_view.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <vector>

namespace tappon {

class LabelView;
class X11FieldPainter;

// A picture box: its back colour, its picture at the picture's own size from the
// top-left corner of its inner area, an optional sunken border; a container of other
// controls; it takes the keyboard focus and hands keys and typed text to the form.
class PictureBoxView final : public QWidget, public ControlView {
public:
    static constexpr int kBorderPixels = 2;

    PictureBoxView(const ControlViewOwner& owner, PictureBox& box, QWidget* parent);
    ~PictureBoxView() override;

    QWidget* widget() override { return this; }
    QWidget* childHost() override { return inner_; }
    void syncAll() override;

    // Transparent labels on the box are drawn by it, in the order they are added (later
    // ones on top), under any control with a window of its own.
    void addDrawnLabel(LabelView* label);
    void removeDrawnLabel(LabelView* label);
    // Repaints a rectangle of the inner area (in the inner area's coordinates). On X11
    // the rectangles are drawn together on the X server (X11FieldPainter) before the
    // event loop waits again, or through Qt where the server cannot stand in for it.
    void repaintInner(const QRect& area);
    // The draws made on the X server so far.
    int serverDraws() const;

protected:
    void apply(Property property) override;
    void applyGeometry() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the inner area begins: inside the border.
    QPoint innerOrigin() const;
    QRect innerRect() const;
    // The topmost drawn label shown at a point of the inner area, or nullptr.
    LabelView* drawnLabelAt(QPoint point) const;
    // The back colour and the picture over the parts of `region` inside the border.
    void paintGround(QPainter& painter, const QRegion& region) const;
    // The inner area as paintGround paints it, without the labels.
    QImage groundImage() const;
    void drawPendingOnServer();
    bool drawOnServer(const QRegion& area);

    PictureBox& box_;
    // The inner area: children are placed in it and cut off at its edges.
    QWidget* inner_ = nullptr;
    std::vector<LabelView*> drawnLabels_;
    // The drawn label that took the last press: it gets the release, as a widget would.
    LabelView* pressedLabel_ = nullptr;
    // Only on X11, and not with TAPPON_X11_FIELD=0.
    std::unique_ptr<X11FieldPainter> serverPainter_;
    QRegion pendingOnServer_;
    // Changes whenever what paintGround paints may have.
    quint64 groundVersion_ = 1;
};

}  // namespace tappon
