// Time of one fit as the approximation graph editor asks for it: a full
// table of 40 points.
#include "calibration/AprocFunctions.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

struct Table {
    TrealArray x, y, w;
};

Table FullTable()
{
    Table t;
    for (int i = 0; i < 40; ++i) {
        const double temperature = 600.0 + 25.0 * i;
        t.x.push_back(temperature);
        t.y.push_back(0.0015 * temperature * temperature + 2.5 * temperature + 30.0 * std::sin(temperature / 60.0));
        t.w.push_back(1.0);
    }
    return t;
}

void BM_AprocPolynomDegree10(benchmark::State& state)
{
    const Table t = FullTable();
    for (auto _ : state) {
        TrealArray c = AprocPolynom(t.x, t.y, 40, 10);
        benchmark::DoNotOptimize(c.data());
    }
}
BENCHMARK(BM_AprocPolynomDegree10);

void BM_AprocSpline20Nodes(benchmark::State& state)
{
    const Table t = FullTable();
    for (auto _ : state) {
        TReal2DArray c = AprocSpline(t.x, t.y, t.w, t.x.front(), t.x.back(), 40, 20);
        benchmark::DoNotOptimize(c.data());
    }
}
BENCHMARK(BM_AprocSpline20Nodes);

} // namespace

BENCHMARK_MAIN();
