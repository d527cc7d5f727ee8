// Writing and reading archive files of one million records, reported as
// records per second.
#include "archive/ArhFile.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 1000000;

TGraphMode BenchMode()
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Температура");
    mode.LinesCount = 1;
    mode.Lines = QStringList{QStringLiteral("Температура")};
    mode.Dims = QStringList{QStringLiteral("T°C")};
    return mode;
}

// A stream as the instrument sends it: one channel, a new time of day for
// every value, values with three decimals.
TArhLine RecordAt(int i)
{
    return {1, 0.5 + i * 1e-7, 800.0 + (i % 10000) * 0.001};
}

TArh BenchContents()
{
    TArh arh;
    arh.GMode = BenchMode();
    arh.Points.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i)
        arh.Points.push_back(RecordAt(i));
    return arh;
}

void BM_Record(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("day/rec.prv"));
    TArhFile file;
    for (auto _ : state) {
        file.Open(name);
        file.WriteHead(BenchMode());
        for (int i = 0; i < kRecords; ++i)
            file.AddLine(RecordAt(i));
        file.Close();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_Record)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("saved.prv"));
    const TArh arh = BenchContents();
    TArhFile file;
    // Answers the overwrite question for every run after the first.
    ScriptedResponder responder;
    for (auto _ : state) {
        responder.answers = {MsgResult::Yes};
        file.SaveFile(name, arh);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_Read(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString recorded = dir.filePath(QStringLiteral("day/rec.prv"));
    const QString saved = dir.filePath(QStringLiteral("saved.prv"));
    TArhFile file;
    file.Open(recorded);
    file.WriteHead(BenchMode());
    for (int i = 0; i < kRecords; ++i)
        file.AddLine(RecordAt(i));
    file.Close();
    file.SaveFile(saved, BenchContents());
    const QString name = state.range(0) == 0 ? recorded : saved;
    for (auto _ : state) {
        TArh arh;
        file.ReadFile(name, arh);
        benchmark::DoNotOptimize(arh.Points.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.SetLabel(state.range(0) == 0 ? "recording form" : "save form");
}
BENCHMARK(BM_Read)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
