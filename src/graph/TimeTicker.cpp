#include "graph/TimeTicker.h"

#include "platform/DateTime.h"
#include "platform/NumberText.h"

#include <cmath>

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kClockSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800,
                                  3600, 7200, 10800, 21600, 43200, 86400};

} // namespace

TTimeTicker::TTimeTicker()
{
    setTickCount(7);
    setTickStepStrategy(tssReadability);
}

double TTimeTicker::RoundStep(double idealStep)
{
    const double seconds = idealStep / kSecond;
    if (seconds > 86400)
        return std::ceil(seconds / 86400) * 86400 * kSecond;
    for (double step : kClockSteps)
        if (seconds <= step * 1.25)
            return step * kSecond;
    return 86400 * kSecond;
}

double TTimeTicker::getTickStep(const QCPRange& range)
{
    const double ideal = range.size() / std::max(1, tickCount() - 1);
    // Below a second the clock label cannot tell ticks apart; plain decimal
    // steps keep the ticks themselves sensible.
    if (ideal < kSecond)
        return cleanMantissa(ideal);
    return RoundStep(ideal);
}

int TTimeTicker::getSubTickCount(double)
{
    return 0;
}

QString TTimeTicker::getTickLabel(double tick, const QLocale&, QChar, int)
{
    return FormatDateTime(QStringLiteral("hh:mm:ss"), tick);
}

QString TValueTicker::getTickLabel(double tick, const QLocale&, QChar, int)
{
    // A tick at zero may arrive as -0 or as a rounding rest; neither is "-0.000".
    if (std::abs(tick) < 1e-9)
        tick = 0;
    return FormatFloat(QStringLiteral("###0.000"), tick);
}
