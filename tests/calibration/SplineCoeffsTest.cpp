// The interpolating cubic spline and its evaluation.
#include "calibration/AprocFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <limits>
#include <string>
#include <vector>

namespace {

// y = 2 - x + 0.5 x^2 - 0.125 x^3 and its derivatives.
double Cubic(double x) { return 2.0 - x + 0.5 * x * x - 0.125 * x * x * x; }
double CubicSlope(double x) { return -1.0 + x - 0.375 * x * x; }
double CubicCurvature(double x) { return 1.0 - 0.75 * x; }

TEST(SplineCoeffs, NaturalSplineThroughAPeakHasItsKnownCoefficients)
{
    TrealArray x = {0, 1, 2};
    TrealArray y = {0, 1, 0};
    TReal2DArray c;
    SplineCoeffs(3, 2, x, y, 0.0, 0.0, c);

    // The second derivative at the middle node is -3.
    const TReal2DArray expected = {{0, 1, 0}, {1.5, 0, 0}, {0, -1.5, 0}, {-0.5, 0.5, 0}, {0, 1, 2}};
    ASSERT_EQ(c.size(), 5u);
    for (std::size_t r = 0; r < 5; ++r) {
        ASSERT_EQ(c[r].size(), 3u);
        for (std::size_t k = 0; k < 2; ++k)
            EXPECT_NEAR(c[r][k], expected[r][k], 1e-15) << "row " << r << ", column " << k;
    }
    EXPECT_EQ(c[0][2], 0.0);
    EXPECT_EQ(c[4][2], 2.0);
}

struct EndCase {
    std::string name;
    int kind;
    double left, right;
    friend void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }
};

class SplineCoeffsEndsTest : public ::testing::TestWithParam<EndCase> {};

// A cubic spline whose end conditions are those of a cubic is that cubic,
// on the nodes, between them and, through the end intervals, beyond them.
TEST_P(SplineCoeffsEndsTest, ReproducesACubicWithItsOwnEndConditions)
{
    const EndCase& e = GetParam();
    TrealArray x = {-1.0, -0.25, 0.5, 1.0, 2.5, 3.0, 4.5};
    TrealArray y;
    for (double v : x)
        y.push_back(Cubic(v));
    TReal2DArray c;
    SplineCoeffs(static_cast<int>(x.size()), e.kind, x, y, e.left, e.right, c);

    for (double t = -3.0; t <= 7.0; t += 0.125)
        EXPECT_NEAR(SplineValue(7, c, t), Cubic(t), 1e-11 * (1 + std::fabs(Cubic(t)))) << "at " << t;
}

INSTANTIATE_TEST_SUITE_P(
    EndConditions, SplineCoeffsEndsTest,
    ::testing::Values(EndCase{"FirstDerivatives", 1, CubicSlope(-1.0), CubicSlope(4.5)},
                      EndCase{"SecondDerivatives", 2, CubicCurvature(-1.0), CubicCurvature(4.5)},
                      EndCase{"OtherKindMeansSecondDerivatives", 0, CubicCurvature(-1.0), CubicCurvature(4.5)}),
    [](const auto& info) { return info.param.name; });

TEST(SplineCoeffs, NaturalSplineIsSmoothAndFlatAtItsEnds)
{
    TrealArray x = {600, 650, 700, 780, 800, 900, 1000, 1010, 1200};
    TrealArray y = {1200, 1700, 1650, 2300, 2420, 3100, 3900, 3950, 5600};
    const int n = static_cast<int>(x.size());
    TReal2DArray c;
    SplineCoeffs(n, 2, x, y, 0.0, 0.0, c);

    const auto& a = c[0];
    const auto& b = c[1];
    const auto& cc = c[2];
    const auto& d = c[3];
    for (int k = 0; k + 1 < n; ++k) {
        const double h = x[k + 1] - x[k];
        const double tolerance = 1e-9 * (1 + std::fabs(a[k + 1]));
        EXPECT_NEAR(a[k] + (b[k] + (cc[k] + d[k] * h) * h) * h, a[k + 1], tolerance) << "value at " << k + 1;
        if (k + 2 < n) {
            EXPECT_NEAR(b[k] + (2 * cc[k] + 3 * d[k] * h) * h, b[k + 1], 1e-9) << "slope at " << k + 1;
            EXPECT_NEAR(cc[k] + 3 * d[k] * h, cc[k + 1], 1e-9) << "curvature at " << k + 1;
        }
    }
    EXPECT_EQ(cc[0], 0.0);
    const double h = x[n - 1] - x[n - 2];
    EXPECT_NEAR(cc[n - 2] + 3 * d[n - 2] * h, 0.0, 1e-12);
}

TEST(SplineCoeffs, TwoNodesGiveTheStraightLine)
{
    TrealArray x = {700, 900};
    TrealArray y = {1500, 2500};
    TReal2DArray c;
    SplineCoeffs(2, 2, x, y, 0.0, 0.0, c);
    EXPECT_DOUBLE_EQ(c[1][0], 5.0);
    EXPECT_EQ(c[2][0], 0.0);
    EXPECT_EQ(c[3][0], 0.0);
    EXPECT_DOUBLE_EQ(SplineValue(2, c, 800), 2000.0);
    EXPECT_DOUBLE_EQ(SplineValue(2, c, 1000), 3000.0);
}

TEST(SplineCoeffs, SortsTheCallersNodesAndMovesTheValuesAlong)
{
    const std::vector<TrealArray> orders = {
        {5, 4, 3, 2, 1},
        {6, 5, 4, 3, 2, 1},
        {3, 1, 4, 5, 2},
        {2, 1},
        {1, 2, 3, 4, 5, 6, 7, 8},
        {8, 1, 7, 2, 6, 3, 5, 4, 9, 0},
    };
    for (const TrealArray& order : orders) {
        TrealArray x, y;
        for (double k : order) {
            x.push_back(100.0 * k);
            y.push_back(k * k - 3.0);
        }
        const int n = static_cast<int>(x.size());
        TReal2DArray c;
        SplineCoeffs(n, 2, x, y, 0.0, 0.0, c);

        for (int k = 0; k < n; ++k) {
            if (k > 0) {
                EXPECT_LT(x[k - 1], x[k]);
            }
            const double key = x[k] / 100.0;
            EXPECT_EQ(y[k], key * key - 3.0) << "value moved with node " << x[k];
            EXPECT_EQ(c[4][k], x[k]);
            EXPECT_EQ(c[0][k], y[k]);
        }
    }
}

TEST(SplineCoeffs, FewerThanTwoNodesLeaveTheTableEmpty)
{
    for (int n : {0, 1}) {
        TrealArray x = {42};
        TrealArray y = {7};
        TReal2DArray c = {{99}};
        SplineCoeffs(n, 2, x, y, 0.0, 0.0, c);
        ASSERT_EQ(c.size(), 5u);
        for (const auto& row : c)
            EXPECT_EQ(row, TrealArray(static_cast<std::size_t>(n), 0.0));
    }
}

TEST(SplineCoeffs, RefusesCoincidingNodes)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<TrealArray> nodes = {{1, 1}, {1, 2, 2, 3}, {3, 1, 2, 1}, {1, nan, 3}};
    for (const TrealArray& given : nodes) {
        TrealArray x = given;
        TrealArray y(x.size(), 1.0);
        const TReal2DArray previous = {{1, 2}, {3, 4}};
        TReal2DArray c = previous;
        try {
            SplineCoeffs(static_cast<int>(x.size()), 2, x, y, 0.0, 0.0, c);
            ADD_FAILURE() << "no refusal for " << x.size() << " nodes";
        } catch (const EAprocError& e) {
            EXPECT_EQ(e.Fault(), TAprocFault::CoincidingNodes);
        }
        EXPECT_EQ(c, previous);
    }
}

TEST(SplineCoeffs, RefusesCountsTheArraysDoNotHold)
{
    TrealArray x = {1, 2, 3};
    TrealArray y = {1, 2};
    TReal2DArray c;
    EXPECT_THROW(SplineCoeffs(3, 2, x, y, 0.0, 0.0, c), EAprocError);
    EXPECT_THROW(SplineCoeffs(4, 2, x, x, 0.0, 0.0, c), EAprocError);
    EXPECT_THROW(SplineCoeffs(-1, 2, x, x, 0.0, 0.0, c), EAprocError);
}

TEST(SplineValue, GivesTheNodeValueOnEveryNode)
{
    TrealArray x = {1200, 600, 900, 650, 1000, 700, 1010, 780, 800};
    TrealArray y = {5600, 1200, 3100, 1700, 3900, 1650, 3950, 2300, 2420};
    const int n = static_cast<int>(x.size());
    TReal2DArray c;
    SplineCoeffs(n, 2, x, y, 0.0, 0.0, c);
    for (int k = 0; k < n; ++k)
        EXPECT_NEAR(SplineValue(n, c, x[k]), y[k], 1e-9 * std::fabs(y[k])) << "node " << x[k];
}

TEST(SplineValue, BeyondTheEndsContinuesTheEndCubics)
{
    TrealArray x = {0, 1, 3, 4};
    TrealArray y = {1, -2, 5, 0};
    TReal2DArray c;
    SplineCoeffs(4, 2, x, y, 0.0, 0.0, c);
    const auto piece = [&c](int k, double at) {
        const double t = at - c[4][k];
        return c[0][k] + c[1][k] * t + c[2][k] * t * t + c[3][k] * t * t * t;
    };
    for (double at : {-10.0, -1.0, -1e-9}) {
        EXPECT_NEAR(SplineValue(4, c, at), piece(0, at), 1e-9 * (1 + std::fabs(piece(0, at)))) << at;
    }
    for (double at : {4.0 + 1e-9, 5.0, 12.0}) {
        EXPECT_NEAR(SplineValue(4, c, at), piece(2, at), 1e-9 * (1 + std::fabs(piece(2, at)))) << at;
    }
}

TEST(SplineValue, OneNodeTableGivesZero)
{
    TrealArray x = {5};
    TrealArray y = {3};
    TReal2DArray c;
    SplineCoeffs(1, 2, x, y, 0.0, 0.0, c);
    EXPECT_EQ(SplineValue(1, c, 5.0), 0.0);
}

TEST(SplineValue, RefusesATableSmallerThanItsCount)
{
    TrealArray x = {0, 1, 2};
    TrealArray y = {0, 1, 0};
    TReal2DArray c;
    SplineCoeffs(3, 2, x, y, 0.0, 0.0, c);
    EXPECT_THROW(SplineValue(4, c, 0.5), EAprocError);
    EXPECT_THROW(SplineValue(0, c, 0.5), EAprocError);
    TReal2DArray fourRows(c.begin(), c.begin() + 4);
    EXPECT_THROW(SplineValue(3, fourRows, 0.5), EAprocError);
    EXPECT_THROW(SplineValue(1, TReal2DArray{}, 0.5), EAprocError);
}

} // namespace
