#pragma once
// The graph window's plot: a time axis at the bottom, a value axis on the
// left, the right and top axes as a frame, and its lines. The plot redraws
// at display rate: every change asks for a redraw and one single-shot timer
// coalesces the requests.
#include <QColor>
#include <QMouseEvent>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "graph/GraphAxis.h"
#include "graph/GraphLine.h"

class QCustomPlot;

class QPaintDevice;
class QTimer;

class TGraphPlot : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRedrawDelayMs = 40;

    explicit TGraphPlot(QWidget* parent = nullptr);
    ~TGraphPlot() override;

    TGraphAxis& BottomAxis() { return *bottom_; }
    TGraphAxis& LeftAxis() { return *left_; }

    // A new line, owned by the plot, named for lookups ("Line1").
    TGraphLine* AddLine(const QString& name);
    TGraphLine* FindLine(const QString& name) const;
    const std::vector<TGraphLine*>& Lines() const { return lines_; }

    QColor FieldColor() const;
    void SetFieldColor(const QColor& color);

    void RequestReplot();
    void ReplotNow();
    bool ReplotPending() const;
    // Redraws done since creation.
    int ReplotCount() const { return replots_; }

    // Draws the plot into `target` of a device with no painter active on it
    // (a printer page, an image), or into a picture of its own.
    void Render(QPaintDevice* device, const QRect& target);
    QPixmap ToPixmap(int width, int height);

signals:
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);

private:
    QCustomPlot* plot_;
    QTimer* redraw_;
    std::unique_ptr<TGraphAxis> bottom_;
    std::unique_ptr<TGraphAxis> left_;
    std::vector<TGraphLine*> lines_;
    int replots_ = 0;
};
