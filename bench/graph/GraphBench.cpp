// The cost of the graph's two hot paths: appending one live point, and one
// redraw of four full lines (the default limit of 32 000 points each), over
// the whole time range and zoomed in.
#include "app/AppState.h"
#include "graph/Graphic.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr int kPoints = 32000;
constexpr double kStart = 46000.5;


double Value(int line, int i)
{
    return 500 + 100 * line + 80 * std::sin(i / 300.0 + line) + ((i % 1000) * 7919 % 13);
}

// Four lines of 32 000 points at 100 points per second.
void Fill(TGraphic& w)
{
    for (int line = 1; line <= 4; ++line) {
        QVector<double> x(kPoints);
        QVector<double> y(kPoints);
        for (int i = 0; i < kPoints; ++i) {
            x[i] = kStart + i * 0.01 * kSecond;
            y[i] = Value(line, i);
        }
        w.Line(line)->AddPoints(x, y);
    }
    w.Graph()->LeftAxis().SetMinMax(0, 1200);
}

void BM_AppendPoint(benchmark::State& state)
{
    TGraphic w;
    double t = kStart;
    int i = 0;
    for (auto _ : state) {
        TGraphLine* line = w.Line(1 + i % 4);
        // The measurement control's limit: a line over MaxPoint empties all four.
        if (line->Count() > MaxPoint)
            for (int n = 1; n <= 4; ++n)
                w.Line(n)->Clear();
        line->AddXY(t, Value(1, i));
        t += 0.0025 * kSecond;
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendPoint);

// args: visible part of the data in percent
void BM_Redraw4x32000(benchmark::State& state)
{
    TGraphic w;
    Fill(w);
    const double span = kPoints * 0.01 * kSecond * state.range(0) / 100.0;
    w.Graph()->BottomAxis().SetMinMax(kStart, kStart + span);
    for (auto _ : state) {
        const QPixmap picture = w.Graph()->ToPixmap(1000, 600);
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(BM_Redraw4x32000)->Arg(100)->Arg(10)->Unit(benchmark::kMillisecond);

// Panning: move the time window by a sixtieth of its span and redraw.
void BM_PanAndRedraw4x32000(benchmark::State& state)
{
    TGraphic w;
    Fill(w);
    const double span = kPoints * 0.01 * kSecond / 4;
    double min = kStart;
    for (auto _ : state) {
        min += span / 60;
        if (min > kStart + 3 * span)
            min = kStart;
        w.Graph()->BottomAxis().SetMinMax(min, min + span);
        const QPixmap picture = w.Graph()->ToPixmap(1000, 600);
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(BM_PanAndRedraw4x32000)->Unit(benchmark::kMillisecond);

} // namespace
