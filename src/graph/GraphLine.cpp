#include "graph/GraphLine.h"

#include "graph/GraphPlot.h"

#include <qcustomplot.h>

TGraphLine::TGraphLine(TGraphPlot* plot, QCPGraph* graph, const QString& name)
    : QObject(plot), plot_(plot), graph_(graph)
{
    setObjectName(name);
}

void TGraphLine::AddXY(double x, double y)
{
    // The container appends in place when x is not before the last point
    // and inserts in order otherwise, so the points stay sorted.
    graph_->addData(x, y);
    Changed();
}

void TGraphLine::AddPoints(const QVector<double>& x, const QVector<double>& y)
{
    graph_->addData(x, y, true);
    Changed();
}

void TGraphLine::Clear()
{
    graph_->data()->clear();
    Changed();
}

int TGraphLine::Count() const { return graph_->dataCount(); }

double TGraphLine::XValue(int i) const
{
    return i >= 0 && i < Count() ? graph_->data()->at(i)->key : 0.0;
}

double TGraphLine::YValue(int i) const
{
    return i >= 0 && i < Count() ? graph_->data()->at(i)->value : 0.0;
}

void TGraphLine::BeginUpdate() { ++updating_; }

void TGraphLine::EndUpdate()
{
    if (updating_ == 0)
        return;
    if (--updating_ == 0)
        plot_->RequestReplot();
}

bool TGraphLine::Active() const { return graph_->visible(); }

void TGraphLine::SetActive(bool active)
{
    graph_->setVisible(active);
    plot_->RequestReplot();
}

QColor TGraphLine::Color() const { return graph_->pen().color(); }

void TGraphLine::SetColor(const QColor& color)
{
    QPen pen = graph_->pen();
    pen.setColor(color);
    graph_->setPen(pen);
    plot_->RequestReplot();
}

void TGraphLine::Changed()
{
    if (updating_ == 0)
        plot_->RequestReplot();
}
