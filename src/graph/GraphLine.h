#pragma once
// One plot line of the graph: points in time order (x in days, y the value).
// Appending never redraws by itself; it asks the plot for a redraw, which
// comes at display rate, and not at all while repainting is suspended.
#include <QColor>
#include <QObject>
#include <QString>

class QCPGraph;
class TGraphPlot;

class TGraphLine : public QObject {
    Q_OBJECT
public:
    TGraphLine(TGraphPlot* plot, QCPGraph* graph, const QString& name);

    void AddXY(double x, double y);
    // Adds many points in one go; they must be in time order.
    void AddPoints(const QVector<double>& x, const QVector<double>& y);
    void Clear();
    int Count() const;
    // Point i, 0-based; 0 for an index outside 0..Count()-1.
    double XValue(int i) const;
    double YValue(int i) const;

    // Suspends repainting; calls nest, the last EndUpdate asks for a redraw.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updating_ > 0; }

    // An inactive line is not drawn but keeps its points.
    bool Active() const;
    void SetActive(bool active);

    QColor Color() const;
    void SetColor(const QColor& color);

    // The line's title as the lines panel shows it.
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

private:
    void Changed();

    TGraphPlot* plot_;
    QCPGraph* graph_;
    QString title_;
    int updating_ = 0;
};
