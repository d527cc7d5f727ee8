// Command round trips through the real port driver and Vendrix to the
// simulator on a pseudo-terminal, with and without a heavy measurement stream.
#include "platform/CommPortDriver.h"
#include "sim/Instrument.h"
#include "vendrix/Vendrix.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <thread>

namespace {

class Line {
public:
    explicit Line(int rate, int mode)
    {
        auto state = pyrosim::LoadProfile(CALORIVA_SOURCE_DIR "/sim/profiles/Piro32.ini");
        state.rate = rate;
        state.rateFollowsSpeed = false;
        state.streaming = rate > 0;
        state.activeGraphMode = mode;
        instrument = std::make_unique<pyrosim::Instrument>(state);
        port.SetPortName(QString::fromStdString(instrument->OpenPty()));
        thread = std::thread([this] { instrument->Run(); });
        port.Connect();
        port.OnReceiveData = [this](TCommPortDriver&, const QByteArray& bytes) { frameBytes += bytes.size(); };
    }
    ~Line()
    {
        port.Disconnect();
        instrument->Stop();
        thread.join();
    }

    std::unique_ptr<pyrosim::Instrument> instrument;
    std::thread thread;
    TCommPortDriver port;
    qint64 frameBytes = 0;
};

void BM_WorkModeRead(benchmark::State& state)
{
    Line line(int(state.range(0)), 1);
    unsigned char data[12];
    for (auto _ : state) {
        int length = 0;
        if (Command(line.port, 13, data, 11, length) != 0)
            state.SkipWithError("command failed");
    }
    state.counters["frame_bytes_per_s"] =
        benchmark::Counter(double(line.frameBytes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WorkModeRead)->Arg(0)->Arg(2000)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_TableColumnWriteAndRead(benchmark::State& state)
{
    Line line(int(state.range(0)), 1);
    unsigned char column[120];
    for (int row = 0; row < 40; ++row)
        ValTo3Bytes(column[3 * row], column[3 * row + 1], column[3 * row + 2], row * 1000.0);
    for (auto _ : state) {
        int length = 120;
        if (Command(line.port, 68, column, 119, length) != 0)
            state.SkipWithError("write failed");
        length = 0;
        if (Command(line.port, 4, column, 119, length) != 0 || length != 120)
            state.SkipWithError("read failed");
    }
}
BENCHMARK(BM_TableColumnWriteAndRead)->Arg(0)->Arg(2000)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
