#pragma once
// One axis of the graph plot. Ranges change as a (min, max) pair, so min
// never passes max on the way.
#include <QColor>
#include <QString>

#include "graph/ZoomRules.h"

class QCPAxis;
class TGraphPlot;

class TGraphAxis {
public:
    TGraphAxis(TGraphPlot* plot, QCPAxis* axis);

    double Min() const;
    double Max() const;
    double Span() const { return Max() - Min(); }
    TAxisRange Range() const { return {Min(), Max()}; }
    void SetRange(const TAxisRange& range);
    void SetMinMax(double min, double max) { SetRange({min, max}); }

    QString Caption() const;
    void SetCaption(const QString& caption);

    QColor GridColor() const;
    void SetGridColor(const QColor& color);

    // The data coordinate under a pixel position along this axis.
    double PixelToCoord(double pixel) const;
    double CoordToPixel(double coord) const;

private:
    TGraphPlot* plot_;
    QCPAxis* axis_;
};
