#include "graph/ZoomRules.h"

#include <cmath>

namespace {

constexpr double kKY[] = {0, 2, 2.5, 2};
constexpr double kKX[] = {0, 2, 3, 10};

// Spans are differences of date-time values near 46 000 days, whose last
// bits are noise (about a microsecond): limits and the step sequences
// compare with this relative slack so that a span of 10 s is 10 s.
constexpr double kSlack = 1e-6;

int NextStep(int step) { return step >= 3 ? 1 : step + 1; }
int PreviousStep(int step) { return step <= 1 ? 3 : step - 1; }

// Halves round to the even neighbour, so that a value halfway between two
// marks does not push both ends of an axis outwards.
double RoundToMultiple(double value, double unit) { return std::nearbyint(value / unit) * unit; }

TAxisRange Snap(const TAxisRange& axis, double start, double (*factor)(int), int& step)
{
    step = 1;
    double v = start;
    const double span = axis.Span();
    while (span > v * (1 + kSlack)) {
        v *= factor(step);
        step = NextStep(step);
    }
    const double widen = (v - span) / 2;
    return {axis.Min - widen, axis.Max + widen};
}

} // namespace

double KY(int step) { return kKY[step >= 1 && step <= 3 ? step : 1]; }
double KX(int step) { return kKX[step >= 1 && step <= 3 ? step : 1]; }

TAxisRange ZoomInY(const TAxisRange& axis, double newest, int& yStep)
{
    const double s = axis.Span();
    if (s <= 0.011)
        return axis;
    const double k = KY(yStep);
    const double a = (axis.Max - newest) / k;
    const double newSpan = s / k;
    const double t = newest + a;
    const double m = RoundToMultiple(t, newSpan / 100);
    yStep = NextStep(yStep);
    return {m - newSpan, m};
}

TAxisRange ZoomOutY(const TAxisRange& axis, double newest, int& yStep)
{
    const double s = axis.Span();
    if (s >= 9999)
        return axis;
    yStep = PreviousStep(yStep);
    const double k = KY(yStep);
    const double g = s / k;
    const double a = (axis.Max - newest) * k;
    double max = RoundToMultiple(axis.Max, g / 100);
    double min = RoundToMultiple(axis.Min, g / 100);
    const double c = max - (max - min) / 2;
    max = c + (max - c) * k;
    min = c - (max - c);
    const double newSpan = max - min;
    max = RoundToMultiple(newest + a, newSpan / 100);
    return {max - newSpan, max};
}

TAxisRange ZoomInX(const TAxisRange& axis, double newest, int& xStep)
{
    const double s = axis.Span();
    if (s < 10 * kSecond * (1 - kSlack))
        return axis;
    const double k = KX(xStep);
    const double max = newest + (axis.Max - newest) / k;
    xStep = NextStep(xStep);
    return {max - s / k, max};
}

TAxisRange ZoomOutX(const TAxisRange& axis, double newest, int& xStep)
{
    const double s = axis.Span();
    if (s >= 6 * 3600 * kSecond * (1 - kSlack))
        return axis;
    xStep = PreviousStep(xStep);
    const double k = KX(xStep);
    const double max = newest + (axis.Max - newest) * k;
    return {max - s * k, max};
}

TAxisRange Pan(const TAxisRange& axis, double fraction)
{
    const double shift = axis.Span() * fraction;
    return {axis.Min + shift, axis.Max + shift};
}

TAxisRange SnapValueSpan(const TAxisRange& axis, int& yStep) { return Snap(axis, 0.01, KY, yStep); }

TAxisRange SnapTimeSpan(const TAxisRange& axis, int& xStep) { return Snap(axis, 10 * kSecond, KX, xStep); }

void FollowPoint(TAxisRange& time, TAxisRange& value, double x, double y)
{
    const double sx = time.Span();
    const double sy = value.Span();
    if (x > time.Max - sx / 10) {
        time.Max = x + sx / 10;
        time.Min = time.Max - sx;
    }
    if (x < time.Min) {
        time.Min = x - sx / 100;
        time.Max = time.Min + sx;
    }
    if (y > value.Max) {
        value.Max = y + sy / 100;
        value.Min = value.Max - sy;
    }
    if (y < value.Min) {
        value.Min = y - sy / 100;
        value.Max = value.Min + sy;
    }
}

TAxisRange CentreOn(const TAxisRange& axis, double y)
{
    const double half = axis.Span() / 2;
    return {y - half, y + half};
}

TAxisRange RoundToHundredths(const TAxisRange& axis)
{
    const double unit = axis.Span() / 100;
    if (unit <= 0)
        return axis;
    return {RoundToMultiple(axis.Min, unit), RoundToMultiple(axis.Max, unit)};
}
