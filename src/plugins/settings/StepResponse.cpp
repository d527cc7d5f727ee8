#include "plugins/settings/StepResponse.h"

void FilterStepResponse(std::uint8_t filterNum, QVector<double>& times, QVector<double>& values)
{
    // A first-order exponential filter; F + 1.1 is never 0 for an 8-bit F.
    const double k = filterNum + 1.1;
    times.resize(kStepResponsePoints);
    values.resize(kStepResponsePoints);
    times[0] = 0.0;
    values[0] = 0.0;
    for (int i = 1; i < kStepResponsePoints; ++i) {
        values[i] = ((k - 1.0) * values[i - 1] + 100.0) / k;
        times[i] = (i + 1) / 100.0;
    }
}
