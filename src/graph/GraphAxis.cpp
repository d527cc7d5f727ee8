#include "graph/GraphAxis.h"

#include "graph/GraphPlot.h"

#include <qcustomplot.h>

TGraphAxis::TGraphAxis(TGraphPlot* plot, QCPAxis* axis)
    : plot_(plot), axis_(axis)
{
}

double TGraphAxis::Min() const { return axis_->range().lower; }
double TGraphAxis::Max() const { return axis_->range().upper; }

void TGraphAxis::SetRange(const TAxisRange& range)
{
    // QCPAxis::setRange would swap a reversed pair; a reversed pair here is a
    // caller's fault that must not turn the axis round silently.
    if (!(range.Min <= range.Max))
        return;
    axis_->setRange(range.Min, range.Max);
    plot_->RequestReplot();
}

QString TGraphAxis::Caption() const { return axis_->label(); }

void TGraphAxis::SetCaption(const QString& caption)
{
    axis_->setLabel(caption);
    plot_->RequestReplot();
}

QColor TGraphAxis::GridColor() const { return axis_->grid()->pen().color(); }

void TGraphAxis::SetGridColor(const QColor& color)
{
    QPen pen = axis_->grid()->pen();
    pen.setColor(color);
    axis_->grid()->setPen(pen);
    plot_->RequestReplot();
}

double TGraphAxis::PixelToCoord(double pixel) const { return axis_->pixelToCoord(pixel); }
double TGraphAxis::CoordToPixel(double coord) const { return axis_->coordToPixel(coord); }
