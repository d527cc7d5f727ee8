#include "graph/GraphPlot.h"

#include "graph/TimeTicker.h"

#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace {

const QColor kGrey(128, 128, 128);

QFont PlotFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

void SetUpAxis(QCPAxis* axis, bool withGrid)
{
    const QFont font = PlotFont();
    axis->setTickLabelFont(font);
    axis->setLabelFont(font);
    axis->setTickLabelColor(Qt::black);
    axis->setLabelColor(Qt::black);
    axis->grid()->setVisible(withGrid);
    axis->grid()->setSubGridVisible(false);
    axis->grid()->setPen(QPen(kGrey, 0, Qt::DotLine));
    axis->grid()->setZeroLinePen(Qt::NoPen);
}

} // namespace

TGraphPlot::TGraphPlot(QWidget* parent)
    : QWidget(parent), plot_(new QCustomPlot(this)), redraw_(new QTimer(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);

    plot_->setInteractions(QCP::Interactions());
    plot_->setNoAntialiasingOnDrag(true);
    plot_->setAntialiasedElements(QCP::aeNone);
    plot_->setFont(PlotFont());
    plot_->axisRect()->setBackground(Qt::black);

    QCPAxis* x = plot_->xAxis;
    QCPAxis* y = plot_->yAxis;
    SetUpAxis(x, true);
    SetUpAxis(y, true);
    auto timeTicker = QSharedPointer<TTimeTicker>::create();
    x->setTicker(timeTicker);
    x->setLabel(QStringLiteral("Время"));
    auto valueTicker = QSharedPointer<TValueTicker>::create();
    valueTicker->setTickCount(11);
    y->setTicker(valueTicker);
    y->setRange(0, 1000);

    for (QCPAxis* frame : {plot_->xAxis2, plot_->yAxis2}) {
        SetUpAxis(frame, false);
        frame->setVisible(true);
        frame->setTicks(false);
        frame->setTickLabels(false);
    }

    bottom_ = std::make_unique<TGraphAxis>(this, x);
    left_ = std::make_unique<TGraphAxis>(this, y);

    redraw_->setSingleShot(true);
    redraw_->setInterval(kRedrawDelayMs);
    connect(redraw_, &QTimer::timeout, this, &TGraphPlot::ReplotNow);
    connect(plot_, &QCustomPlot::afterReplot, this, [this] { ++replots_; });
    connect(plot_, &QCustomPlot::mousePress, this, &TGraphPlot::MouseDown);
    connect(plot_, &QCustomPlot::mouseMove, this, &TGraphPlot::MouseMove);
    connect(plot_, &QCustomPlot::mouseRelease, this, &TGraphPlot::MouseUp);
}

TGraphPlot::~TGraphPlot() = default;

TGraphLine* TGraphPlot::AddLine(const QString& name)
{
    QCPGraph* graph = plot_->addGraph(plot_->xAxis, plot_->yAxis);
    graph->setName(name);
    graph->setLineStyle(QCPGraph::lsLine);
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    graph->setAdaptiveSampling(true);
    auto* line = new TGraphLine(this, graph, name);
    lines_.push_back(line);
    return line;
}

TGraphLine* TGraphPlot::FindLine(const QString& name) const
{
    for (TGraphLine* line : lines_)
        if (line->objectName() == name)
            return line;
    return nullptr;
}

QColor TGraphPlot::FieldColor() const { return plot_->axisRect()->backgroundBrush().color(); }

void TGraphPlot::SetFieldColor(const QColor& color)
{
    plot_->axisRect()->setBackground(color);
    RequestReplot();
}

void TGraphPlot::RequestReplot()
{
    if (!redraw_->isActive())
        redraw_->start();
}

void TGraphPlot::ReplotNow()
{
    redraw_->stop();
    plot_->replot();
}

bool TGraphPlot::ReplotPending() const { return redraw_->isActive(); }

void TGraphPlot::Render(QPaintDevice* device, const QRect& target)
{
    QCPPainter painter(device);
    painter.translate(target.topLeft());
    plot_->toPainter(&painter, target.width(), target.height());
}

QPixmap TGraphPlot::ToPixmap(int width, int height)
{
    return plot_->toPixmap(width, height);
}
