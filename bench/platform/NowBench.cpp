// Now() is read for every received byte; at the frame decoder's 50 million
// bytes per second it has to stay at a few nanoseconds.
#include "platform/DateTime.h"
#include "platform/NumberText.h"

#include <benchmark/benchmark.h>

static void BM_Now(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Now());
}
BENCHMARK(BM_Now);

// One archive record's time and value.
static void BM_FloatToStrExp(benchmark::State& state)
{
    double v = 45366.123456;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToStrExp(v, 15, 4));
        v += 0.001;
    }
}
BENCHMARK(BM_FloatToStrExp);

static void BM_FormatFloat(benchmark::State& state)
{
    double v = 1234.567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFloat("###0.00", v));
        v += 0.001;
    }
}
BENCHMARK(BM_FormatFloat);

BENCHMARK_MAIN();
