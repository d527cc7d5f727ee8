// Throughput of the frame decoder on a stream of good frames with every
// handler assigned and the real clock read for each byte.
#include "link/ComBuf.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> MakeStream(int frames)
{
    std::vector<std::uint8_t> stream;
    stream.reserve(std::size_t(frames) * 7);
    for (int i = 0; i < frames; ++i) {
        const std::uint32_t milli = std::uint32_t(i * 7919) % 8388608u;
        const std::uint8_t f[5] = {
            std::uint8_t(0x40 | (i / 64 % 64)),
            std::uint8_t(0x80 | ((i % 4) << 3) | ((i % 3 == 0) ? 0x04 : 0) | ((milli >> 21) & 0x03)),
            std::uint8_t(0x80 | ((milli >> 14) & 0x7F)),
            std::uint8_t(0x80 | ((milli >> 7) & 0x7F)),
            std::uint8_t(0x80 | (milli & 0x7F)),
        };
        const int check = 16382 - (f[0] + f[1] + f[2] + f[3] + f[4]);
        stream.insert(stream.end(), f, f + 5);
        stream.push_back(std::uint8_t(0x80 | ((check >> 7) & 0x7F)));
        stream.push_back(std::uint8_t(0x80 | (check & 0x7F)));
    }
    return stream;
}

void BM_AddByteAllHandlers(benchmark::State& state)
{
    const std::vector<std::uint8_t> stream = MakeStream(4096);
    TComBuf buf(7);
    double sum = 0;
    int statuses = 0;
    buf.OnValue = [&](TComBuf*, std::uint8_t channel, double value) { sum += value * channel; };
    buf.OnStatus = [&](TComBuf*, std::uint8_t status) { statuses += status; };
    buf.OnMin = [&](TComBuf* sender, double) { sender->ResetMax(); };
    buf.OnMax = [&](TComBuf* sender, double) { sender->ResetMin(); };
    for (auto _ : state) {
        for (std::uint8_t b : stream)
            buf.AddByte(b);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(statuses);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(stream.size()));
    state.counters["good"] = buf.GoodCount();
}
BENCHMARK(BM_AddByteAllHandlers);

} // namespace

BENCHMARK_MAIN();
