#include "graph/ZoomRules.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A live time axis: full date-time values of 9 December 2025, 14:05.
constexpr double kToday = 46000.0;
constexpr double kNoon = kToday + 0.5;
constexpr double kSecondsEps = 1e-4;   // in seconds

// Spans of date-time values near 46 000 days carry about a microsecond of
// noise, more after a few factors.
double SecondsTolerance(double seconds) { return std::max(kSecondsEps, seconds * 1e-8); }

double Seconds(const TAxisRange& r) { return r.Span() / kSecond; }

TEST(ZoomY, ZoomInFromThousandStepsThroughTheFactorsDownToTheLimit)
{
    TAxisRange axis{0, 1000};
    int step = 1;
    const std::vector<double> spans = {500, 200, 100, 50, 20, 10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01};
    for (double expected : spans) {
        axis = ZoomInY(axis, 500, step);
        EXPECT_NEAR(axis.Span(), expected, expected * 1e-9);
    }
    const TAxisRange before = axis;
    const int stepBefore = step;
    axis = ZoomInY(axis, 500, step);
    EXPECT_DOUBLE_EQ(axis.Min, before.Min);
    EXPECT_DOUBLE_EQ(axis.Max, before.Max);
    EXPECT_EQ(step, stepBefore);
}

TEST(ZoomY, ZoomOutFromThousandStopsAtTenThousand)
{
    TAxisRange axis{0, 1000};
    int step = 1;
    const std::vector<std::pair<double, int>> expected = {{2000, 3}, {5000, 2}, {10000, 1}};
    for (const auto& [span, newStep] : expected) {
        axis = ZoomOutY(axis, 500, step);
        EXPECT_NEAR(axis.Span(), span, 1e-6);
        EXPECT_EQ(step, newStep);
    }
    const TAxisRange before = axis;
    axis = ZoomOutY(axis, 500, step);
    EXPECT_DOUBLE_EQ(axis.Min, before.Min);
    EXPECT_DOUBLE_EQ(axis.Max, before.Max);
    EXPECT_EQ(step, 1);
}

TEST(ZoomY, NewestValueKeepsItsPlaceAndEndsLandOnHundredthsOfTheSpan)
{
    int step = 1;
    // 250 at a quarter of [0, 1000]; after halving the span it is still at a quarter.
    TAxisRange axis = ZoomInY({0, 1000}, 250, step);
    EXPECT_NEAR(axis.Min, 125, 1e-9);
    EXPECT_NEAR(axis.Max, 625, 1e-9);

    step = 1;
    axis = ZoomInY({0, 1000}, 333.3, step);
    const double unit = axis.Span() / 100;
    EXPECT_NEAR(axis.Max / unit, std::round(axis.Max / unit), 1e-6);
    EXPECT_NEAR((333.3 - axis.Min) / axis.Span(), 0.3333, 0.01);
}

TEST(ZoomY, InThenOutGivesBackTheSpan)
{
    for (int start = 1; start <= 3; ++start) {
        int step = start;
        const TAxisRange in = ZoomInY({20, 120}, 70, step);
        const TAxisRange out = ZoomOutY(in, 70, step);
        EXPECT_NEAR(out.Span(), 100, 1e-9) << "step " << start;
        EXPECT_EQ(step, start);
    }
}

TEST(ZoomX, ZoomInFromAMinute)
{
    TAxisRange axis{kNoon - 6 * kSecond, kNoon + 54 * kSecond};
    int step = 1;
    const double newest = kNoon + 30 * kSecond;
    const std::vector<double> spans = {30, 10, 1};
    for (double expected : spans) {
        axis = ZoomInX(axis, newest, step);
        EXPECT_NEAR(Seconds(axis), expected, kSecondsEps);
    }
    // Below 10 s zoom in does nothing.
    const TAxisRange before = axis;
    const int stepBefore = step;
    axis = ZoomInX(axis, newest, step);
    EXPECT_EQ(axis.Min, before.Min);
    EXPECT_EQ(axis.Max, before.Max);
    EXPECT_EQ(step, stepBefore);
}

TEST(ZoomX, ZoomOutFromAMinuteStopsAboveSixHours)
{
    TAxisRange axis{kNoon - 6 * kSecond, kNoon + 54 * kSecond};
    int step = 1;
    const double newest = kNoon;
    const std::vector<double> spans = {600, 1800, 3600, 36000};
    for (double expected : spans) {
        axis = ZoomOutX(axis, newest, step);
        EXPECT_NEAR(Seconds(axis), expected, SecondsTolerance(expected));
    }
    const TAxisRange before = axis;
    axis = ZoomOutX(axis, newest, step);
    EXPECT_EQ(axis.Min, before.Min);
    EXPECT_EQ(axis.Max, before.Max);
}

TEST(ZoomX, NewestPointKeepsItsRelativePosition)
{
    const double newest = kNoon;
    const TAxisRange axis{newest - 54 * kSecond, newest + 6 * kSecond};   // newest at 90 %
    int step = 1;
    const TAxisRange in = ZoomInX(axis, newest, step);
    EXPECT_NEAR((newest - in.Min) / in.Span(), 0.9, 1e-6);
    const TAxisRange out = ZoomOutX(in, newest, step);
    EXPECT_NEAR((newest - out.Min) / out.Span(), 0.9, 1e-6);
    EXPECT_NEAR(Seconds(out), 60, kSecondsEps);
    EXPECT_EQ(step, 1);
}

TEST(SetUpMash, ValueSpanOfPointThreeSnapsToHalfAndZoomsContinueFromThere)
{
    int step = 1;
    const TAxisRange snapped = SnapValueSpan({10.0, 10.3}, step);
    EXPECT_NEAR(snapped.Span(), 0.5, 1e-12);
    EXPECT_NEAR(snapped.Min, 9.9, 1e-12);
    EXPECT_NEAR(snapped.Max, 10.4, 1e-12);
    EXPECT_EQ(step, 3);

    int outStep = step;
    EXPECT_NEAR(ZoomOutY(snapped, 10.15, outStep).Span(), 1.25, 1e-9);
    int inStep = step;
    EXPECT_NEAR(ZoomInY(snapped, 10.15, inStep).Span(), 0.25, 1e-9);
}

TEST(SetUpMash, SpansSnapToTheNextStepOfTheirSequence)
{
    struct Case {
        double span;
        double snapped;
        int step;
    };
    const Case values[] = {{0.005, 0.01, 1}, {0.01, 0.01, 1}, {0.02, 0.02, 2},
                           {0.3, 0.5, 3},    {7, 10, 1},      {1000, 1000, 1}};
    for (const Case& c : values) {
        int step = 2;
        const TAxisRange r = SnapValueSpan({100, 100 + c.span}, step);
        EXPECT_NEAR(r.Span(), c.snapped, c.snapped * 1e-9) << c.span;
        EXPECT_EQ(step, c.step) << c.span;
        EXPECT_NEAR((r.Min + r.Max) / 2, 100 + c.span / 2, 1e-9) << c.span;
    }
    const Case times[] = {{5, 10, 1}, {10, 10, 1}, {45, 60, 3}, {60, 60, 3}, {61, 600, 1},
                          {3000, 3600, 3}, {7200, 36000, 1}};
    for (const Case& c : times) {
        int step = 2;
        const TAxisRange r = SnapTimeSpan({kNoon, kNoon + c.span * kSecond}, step);
        EXPECT_NEAR(Seconds(r), c.snapped, kSecondsEps) << c.span;
        EXPECT_EQ(step, c.step) << c.span;
    }
}

TEST(FollowPoint, PointsEverySecondJumpTheWindowAtFiftyFourSeconds)
{
    const double t0 = kNoon;
    TAxisRange time{t0, t0 + 60 * kSecond};
    TAxisRange value{0, 1000};
    for (int s = 1; s <= 53; ++s) {
        FollowPoint(time, value, t0 + s * kSecond, 500);
        EXPECT_EQ(time.Min, t0) << s;
    }
    for (int s = 55; s <= 70; ++s) {
        const double x = t0 + s * kSecond;
        FollowPoint(time, value, x, 500);
        EXPECT_NEAR((x - time.Min) / kSecond, 54, kSecondsEps) << s;
        EXPECT_NEAR(Seconds(time), 60, kSecondsEps) << s;
    }
    EXPECT_EQ(value.Min, 0);
    EXPECT_EQ(value.Max, 1000);
}

TEST(FollowPoint, PointsOutsideTheWindowBringItAlongWithSpansKept)
{
    struct Case {
        double x, y;             // seconds into [0, 60], value against [0, 100]
        double timeMin, valueMin;
    };
    const Case cases[] = {
        {-10, 50, -10.6, 0},      // before the window: 1 % margin
        {30, 150, 0, 51},         // above the values
        {30, -20, 0, -21},        // below the values
        {30, 50, 0, 0},           // inside: nothing moves
    };
    for (const Case& c : cases) {
        TAxisRange time{kNoon, kNoon + 60 * kSecond};
        TAxisRange value{0, 100};
        FollowPoint(time, value, kNoon + c.x * kSecond, c.y);
        EXPECT_NEAR((time.Min - kNoon) / kSecond, c.timeMin, kSecondsEps) << c.x;
        EXPECT_NEAR(Seconds(time), 60, kSecondsEps);
        EXPECT_NEAR(value.Min, c.valueMin, 1e-9) << c.y;
        EXPECT_NEAR(value.Span(), 100, 1e-9);
    }
}

TEST(AxisSteps, PanCentreAndRounding)
{
    const TAxisRange panned = Pan({0, 600}, 1.0 / 60);
    EXPECT_DOUBLE_EQ(panned.Min, 10);
    EXPECT_DOUBLE_EQ(panned.Max, 610);

    const TAxisRange centred = CentreOn({0, 100}, 1234.5);
    EXPECT_DOUBLE_EQ(centred.Min, 1184.5);
    EXPECT_DOUBLE_EQ(centred.Max, 1284.5);

    const TAxisRange rounded = RoundToHundredths({12.3, 112.3});
    EXPECT_NEAR(rounded.Min, 12, 1e-9);
    EXPECT_NEAR(rounded.Max, 112, 1e-9);
    // An empty range stays as it is rather than dividing by zero.
    const TAxisRange empty = RoundToHundredths({5, 5});
    EXPECT_EQ(empty.Min, 5);
    EXPECT_EQ(empty.Max, 5);
}

} // namespace
