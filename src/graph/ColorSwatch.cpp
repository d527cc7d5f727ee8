#include "graph/ColorSwatch.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kBox = 16;
constexpr int kGap = 5;
} // namespace

TColorSwatch::TColorSwatch(QWidget* parent, const QString& caption)
    : QWidget(parent), caption_(caption)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TColorSwatch::SetColor(const QColor& color)
{
    color_ = color;
    update();
}

QSize TColorSwatch::sizeHint() const
{
    const int text = caption_.isEmpty() ? 0 : kGap + fontMetrics().horizontalAdvance(caption_);
    return {kBox + 2 + text, std::max(kBox + 2, fontMetrics().height())};
}

void TColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect box(1, (height() - kBox) / 2, kBox, kBox);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(color_);
    p.drawRect(box);
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(box.right() + kGap, 0, width() - box.right() - kGap, height()),
                   Qt::AlignVCenter | Qt::AlignLeft, caption_);
    }
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
