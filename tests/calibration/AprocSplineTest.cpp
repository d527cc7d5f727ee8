// The least-squares spline of the calibration editor.
#include "calibration/AprocFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Points {
    TrealArray x, y, w;
    int Count() const { return static_cast<int>(x.size()); }
};

Points Unweighted(const TrealArray& x, const TrealArray& y)
{
    return {x, y, TrealArray(x.size(), 1.0)};
}

// A bumpy calibration-like curve of 40 points.
Points Calibration()
{
    TrealArray x, y;
    for (int i = 0; i < 40; ++i) {
        const double t = 600.0 + 20.0 * i;
        x.push_back(t);
        y.push_back(0.002 * t * t + 3.0 * t + 40.0 * std::sin(t / 45.0));
    }
    return Unweighted(x, y);
}

void ExpectTablesNear(const TReal2DArray& actual, const TReal2DArray& expected, double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t r = 0; r < actual.size(); ++r) {
        ASSERT_EQ(actual[r].size(), expected[r].size());
        for (std::size_t k = 0; k < actual[r].size(); ++k)
            EXPECT_NEAR(actual[r][k], expected[r][k], tolerance * (1 + std::fabs(expected[r][k])))
                << "row " << r << ", column " << k;
    }
}

TEST(AprocSpline, TwoNodesGiveTheLeastSquaresLineAtTheBounds)
{
    const Points p = Unweighted({2, 3, 5, 6.5, 8}, {10, 13.5, 19, 26, 29});
    const double a = 0.0, b = 10.0;
    const double n = p.Count();
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < p.Count(); ++i) {
        sx += p.x[i];
        sy += p.y[i];
        sxx += p.x[i] * p.x[i];
        sxy += p.x[i] * p.y[i];
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double intercept = (sy - slope * sx) / n;

    const TReal2DArray c = AprocSpline(p.x, p.y, p.w, a, b, p.Count(), 2);
    ASSERT_EQ(c.size(), 5u);
    ASSERT_EQ(c[0].size(), 2u);
    EXPECT_NEAR(c[0][0], intercept + slope * a, 1e-10);
    EXPECT_NEAR(c[0][1], intercept + slope * b, 1e-10);
    EXPECT_EQ(c[4][0], a);
    EXPECT_EQ(c[4][1], b);
}

TEST(AprocSpline, PlacesTheNodesEvenlyBetweenTheBounds)
{
    const Points p = Calibration();
    const TReal2DArray c = AprocSpline(p.x, p.y, p.w, 600.0, 1400.0, p.Count(), 9);
    ASSERT_EQ(c[4].size(), 9u);
    for (int s = 0; s < 9; ++s)
        EXPECT_DOUBLE_EQ(c[4][s], 600.0 + 100.0 * s);
}

TEST(AprocSpline, EqualBoundsSpreadTheNodesOverOneUnit)
{
    const Points p = Unweighted({700, 700, 700}, {1500, 1520, 1510});
    const TReal2DArray c = AprocSpline(p.x, p.y, p.w, 700.0, 700.0, p.Count(), 5);
    const TrealArray expected = {699.5, 699.75, 700.0, 700.25, 700.5};
    EXPECT_EQ(c[4], expected);
    EXPECT_NEAR(SplineValue(5, c, 700.0), 1510.0, 1e-9);
}

TEST(AprocSpline, ReproducesAStraightLineWithAnyNodeCount)
{
    TrealArray x, y;
    for (int i = 0; i < 25; ++i) {
        x.push_back(610.0 + 31.0 * i);
        y.push_back(-400.0 + 3.25 * x.back());
    }
    const Points p = Unweighted(x, y);
    for (int n : {2, 3, 7, 20}) {
        const TReal2DArray c = AprocSpline(p.x, p.y, p.w, 600.0, 1400.0, p.Count(), n);
        for (int s = 0; s < n; ++s)
            EXPECT_NEAR(c[0][s], -400.0 + 3.25 * c[4][s], 1e-7) << n << " nodes, node " << s;
    }
}

TEST(AprocSpline, FitsBetterWithMoreNodes)
{
    const Points p = Calibration();
    double previous = std::numeric_limits<double>::infinity();
    for (int n : {2, 4, 8, 16}) {
        const TReal2DArray c = AprocSpline(p.x, p.y, p.w, 600.0, 1380.0, p.Count(), n);
        double residual = 0.0;
        for (int i = 0; i < p.Count(); ++i) {
            const double r = SplineValue(n, c, p.x[i]) - p.y[i];
            residual += r * r;
        }
        EXPECT_LT(residual, previous) << n << " nodes";
        previous = residual;
    }
}

TEST(AprocSpline, FewerPointsThanNodesStillPassThroughThePoints)
{
    const Points p = Unweighted({650, 900, 1210}, {1900, 2950, 4400});
    const int n = 8;
    const TReal2DArray c = AprocSpline(p.x, p.y, p.w, 600.0, 1400.0, p.Count(), n);
    ASSERT_EQ(c[0].size(), static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s)
        EXPECT_TRUE(std::isfinite(c[0][s]));
    for (int i = 0; i < p.Count(); ++i)
        EXPECT_NEAR(SplineValue(n, c, p.x[i]), p.y[i], 1e-6 * p.y[i]) << "point " << i;
}

TEST(AprocSpline, NoPointsGiveTheZeroSpline)
{
    const TReal2DArray c = AprocSpline({}, {}, {}, 600.0, 1400.0, 0, 6);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(c[r], TrealArray(6, 0.0)) << "row " << r;
    EXPECT_EQ(SplineValue(6, c, 1000.0), 0.0);
}

TEST(AprocSpline, WeightsEnterSquared)
{
    const Points base = Unweighted({610, 700, 820, 950, 1100, 1300}, {1800, 2150, 2700, 3300, 4100, 5200});
    Points weighted = base;
    weighted.w[2] = 2.0;
    Points repeated = base;
    for (int k = 0; k < 3; ++k) {
        repeated.x.push_back(base.x[2]);
        repeated.y.push_back(base.y[2]);
        repeated.w.push_back(1.0);
    }
    ExpectTablesNear(AprocSpline(weighted.x, weighted.y, weighted.w, 600.0, 1400.0, weighted.Count(), 4),
                     AprocSpline(repeated.x, repeated.y, repeated.w, 600.0, 1400.0, repeated.Count(), 4), 1e-9);

    Points withOutlier = base;
    withOutlier.x.push_back(1000.0);
    withOutlier.y.push_back(-99999.0);
    withOutlier.w.push_back(0.0);
    ExpectTablesNear(
        AprocSpline(withOutlier.x, withOutlier.y, withOutlier.w, 600.0, 1400.0, withOutlier.Count(), 4),
        AprocSpline(base.x, base.y, base.w, 600.0, 1400.0, base.Count(), 4), 1e-9);
}

TEST(AprocSpline, UsesOnlyTheFirstMPoints)
{
    const Points p = Unweighted({600, 800, 1000, 1200, 5000}, {1, 2, 3, 4, 1e9});
    const TReal2DArray c = AprocSpline(p.x, p.y, p.w, 600.0, 1200.0, 4, 2);
    EXPECT_NEAR(c[0][0], 1.0, 1e-9);
    EXPECT_NEAR(c[0][1], 4.0, 1e-9);
}

TEST(AprocSpline, RefusesWhatItCannotFit)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Points p = Unweighted({700, 800, 900}, {1, 2, 3});
    struct Case {
        double a, b;
        int m, n;
        TAprocFault fault;
    };
    const std::vector<Case> cases = {
        {600, 1000, 3, 1, TAprocFault::TooFewNodes},
        {600, 1000, 3, 0, TAprocFault::TooFewNodes},
        {600, 1000, 3, -4, TAprocFault::TooFewNodes},
        {1000, 600, 3, 5, TAprocFault::ReversedBounds},
        {600, inf, 3, 5, TAprocFault::InfiniteBounds},
        {-inf, 1000, 3, 5, TAprocFault::InfiniteBounds},
        {nan, 1000, 3, 5, TAprocFault::InfiniteBounds},
        {600, 1000, 4, 5, TAprocFault::BadCount},
        {600, 1000, -1, 5, TAprocFault::BadCount},
        // Bounds so close that evenly spread nodes round onto each other.
        {1e17, 1e17 + 16, 3, 40, TAprocFault::CoincidingNodes},
    };
    for (const Case& c : cases) {
        try {
            AprocSpline(p.x, p.y, p.w, c.a, c.b, c.m, c.n);
            ADD_FAILURE() << "no refusal for " << c.a << ".." << c.b << ", M " << c.m << ", N " << c.n;
        } catch (const EAprocError& e) {
            EXPECT_EQ(e.Fault(), c.fault) << c.a << ".." << c.b << ", M " << c.m << ", N " << c.n;
            EXPECT_FALSE(e.Message().isEmpty());
        }
    }
    EXPECT_THROW(AprocSpline(p.x, p.y, {1.0, 1.0}, 600, 1000, 3, 4), EAprocError);
}

} // namespace
