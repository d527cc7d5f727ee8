// Loading a recording of one million records into the graph window, as the
// open command does: reading, sorting onto the lines, fitting the axes.
// args: channels the records are spread over
#include "app/AppState.h"
#include "app/Startup.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 1000000;

TGraphMode FourLines()
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Четыре канала");
    mode.LinesCount = 4;
    for (int i = 1; i <= 4; ++i) {
        mode.Lines << QStringLiteral("Канал %1").arg(i);
        mode.Dims << QStringLiteral("T°C");
    }
    return mode;
}

// A recording as the program makes it: the time of day of every value, the
// channels taking turns.
QString Recording(int channels)
{
    const QString name = ExeDir + QStringLiteral("/rec%1.prv").arg(channels);
    TArhFile file;
    file.Open(name);
    file.WriteHead(FourLines());
    for (int i = 0; i < kRecords; ++i)
        file.AddLine({static_cast<std::uint8_t>(1 + i % channels), 0.25 + i * 2e-7,
                      800.0 + (i % 10000) * 0.001});
    file.Close();
    return name;
}

void BM_LoadArhToGraph(benchmark::State& state)
{
    const QString name = Recording(static_cast<int>(state.range(0)));
    TStartupWindows windows = CreateStartupWindows();
    for (auto _ : state) {
        windows.frmMain->LoadArhToGraph(name);
        benchmark::DoNotOptimize(windows.Graphic->Line(1)->Count());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    SetPirometr(nullptr);
}
BENCHMARK(BM_LoadArhToGraph)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
