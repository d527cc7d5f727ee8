#include "platform/LEDLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int kGap = 5;

QColor LampColor(TLEDColor color, bool lit)
{
    if (color == lcGreen)
        return lit ? QColor(0, 230, 0) : QColor(0, 80, 0);
    return lit ? QColor(255, 30, 30) : QColor(90, 0, 0);
}

} // namespace

TLEDLabel::TLEDLabel(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

TLEDLabel::TLEDLabel(const QString& caption, TLEDColor color, QWidget* parent)
    : TLEDLabel(parent)
{
    caption_ = caption;
    color_ = color;
}

void TLEDLabel::SetLit(bool lit)
{
    if (lit_ == lit)
        return;
    lit_ = lit;
    update();
}

void TLEDLabel::SetColor(TLEDColor color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void TLEDLabel::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    updateGeometry();
    update();
}

int TLEDLabel::LampDiameter() const
{
    return fontMetrics().height() - 2;
}

QSize TLEDLabel::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {LampDiameter() + kGap + fm.horizontalAdvance(caption_) + 2, fm.height() + 4};
}

QSize TLEDLabel::minimumSizeHint() const
{
    return {LampDiameter() + 2, fontMetrics().height() + 4};
}

void TLEDLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = LampDiameter();
    const QRectF lamp(1, (height() - d) / 2.0, d, d);
    const QColor base = LampColor(color_, lit_);
    QRadialGradient shine(lamp.center() - QPointF(d / 5.0, d / 5.0), d / 1.5);
    shine.setColorAt(0, lit_ ? base.lighter(170) : base.lighter(130));
    shine.setColorAt(1, base);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(shine);
    p.drawEllipse(lamp);

    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect text(d + kGap + 1, 0, width() - d - kGap - 1, height());
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, caption_);
}
