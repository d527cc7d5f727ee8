#pragma once
// The contents of an archive file in memory: its header (one graph mode)
// and its points in file order.
#include "device/GraphMode.h"
#include "platform/DateTime.h"

#include <cstdint>
#include <vector>

// One point: the graph line it belongs to, its time in days and its value
// in the line's unit.
struct TArhLine {
    std::uint8_t Channel = 0;
    TDateTime Time = 0;
    double Value = 0;
};

struct TArh {
    TGraphMode GMode;
    std::vector<TArhLine> Points;
};
