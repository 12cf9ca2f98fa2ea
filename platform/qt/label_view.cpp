#include "platform/qt/label_view.h"

#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/trace.h"
#include "platform/twips.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tappon {

LabelView::LabelView(FormView& owner, Label& label, QWidget* parent)
    : QLabel(parent), ControlView(owner, label), label_(label)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    laidOut_.setTextFormat(Qt::PlainText);
    laidOut_.setPerformanceHint(QStaticText::AggressiveCaching);
}

void LabelView::syncAll()
{
    setFont(fontFor(label_.font()));
    applyCaption();
    applyColors();
    if (!label_.mouseIcon().empty())
        setCursor(PictureCache::instance().cursor(label_.mouseIcon()));
    fitToText();
    ControlView::syncAll();
}

void LabelView::apply(Property property)
{
    switch (property) {
    case Property::Caption:
        applyCaption();
        fitToText();
        if (trace::enabled())
            trace::event("caption", label_.displayName() + "=" + label_.caption());
        break;
    case Property::Font:
        setFont(fontFor(label_.font()));
        fitToText();
        break;
    case Property::ForeColor:
    case Property::BackColor:
        applyColors();
        break;
    case Property::MouseIcon:
        if (label_.mouseIcon().empty())
            unsetCursor();
        else
            setCursor(PictureCache::instance().cursor(label_.mouseIcon()));
        break;
    default:
        ControlView::apply(property);
        break;
    }
}

void LabelView::applyCaption()
{
    const QString caption = QString::fromStdString(label_.caption());
    setText(caption);
    laidOut_.setText(caption);
}

void LabelView::applyColors()
{
    QPalette palette = this->palette();
    setPaletteColor(palette, QPalette::WindowText, toQColor(label_.foreColor(), palette));
    if (label_.backColor())
        setPaletteColor(palette, QPalette::Window, toQColor(*label_.backColor(), palette));
    setPalette(palette);
    setAutoFillBackground(!label_.transparent());
}

void LabelView::fitToText()
{
    if (!label_.autoSize())
        return;
    const QFontMetrics metrics(font());
    const QString caption = text();
    // Script faces draw past their advance; the label takes the whole of the ink.
    const int width = caption.isEmpty() ? 0 : std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).right() + 1);
    int height = metrics.height();
    // A face with a tight line (as the Song face at small sizes) puts the underline below it.
    if (font().underline()) {
        const QFontMetricsF exact(font());
        height = std::max(height, static_cast<int>(std::ceil(exact.ascent() + exact.underlinePos() + exact.lineWidth())));
    }
    label_.setMeasuredSize(pixelsToTwips(width), pixelsToTwips(height));
    applyGeometry();
}

void LabelView::paintEvent(QPaintEvent* event)
{
    // Several lines, underlined or struck-out text (a laid-out text draws no lines) and
    // the greyed look of a disabled label are left to QLabel.
    if (!isEnabled() || font().underline() || font().strikeOut() || text().contains(QChar('\n'))) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(contentsRect().topLeft(), laidOut_);
}

void LabelView::mousePressEvent(QMouseEvent* event)
{
    deliverMouseDown(*event);
    event->accept();
}

void LabelView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        deliverClick();
}

}  // namespace tappon
