#pragma once
// The step response of the instrument's measurement filter: how the shown
// value follows a jump of the input from 0 to 100 %, for filter coefficient F.
#include <QVector>
#include <cstdint>

constexpr int kStepResponsePoints = 1500;

// Fills `times` (seconds) and `values` (percent) with kStepResponsePoints
// points: time 0 with 0 %, then 0.02 s to 15.00 s in steps of 0.01 s.
void FilterStepResponse(std::uint8_t filterNum, QVector<double>& times, QVector<double>& values);
