// The least-squares solver under the fits: its decomposition must rebuild
// the matrix exactly enough, and its solution must be the minimum-norm one.
#include "calibration/AprocFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<double>>;

// Rows 1..m, columns 1..n from the plain rows, the right-hand side b (if
// given) in column n+1; row 0 and column 0 unused.
TReal2DArray Augmented(const Rows& rows, const std::vector<double>& b = {})
{
    const std::size_t m = rows.size();
    const std::size_t n = m == 0 ? 0 : rows[0].size();
    TReal2DArray a(m + 1, TrealArray(n + 2, 0.0));
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < n; ++j)
            a[i + 1][j + 1] = rows[i][j];
        if (!b.empty())
            a[i + 1][n + 1] = b[i];
    }
    return a;
}

double MaxAbs(const Rows& rows)
{
    double result = 0.0;
    for (const auto& row : rows)
        for (double v : row)
            result = std::max(result, std::fabs(v));
    return result;
}

Rows Scaled(const Rows& rows, double factor)
{
    Rows result = rows;
    for (auto& row : result)
        for (double& v : row)
            v *= factor;
    return result;
}

struct DecomposeCase {
    std::string name;
    Rows matrix;
    friend void PrintTo(const DecomposeCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<DecomposeCase> DecomposeCases()
{
    const Rows general = {{4, -2, 1}, {3, 6, -4}, {2, 1, 8}};
    std::vector<DecomposeCase> cases = {
        {"OneByOne", {{-7}}},
        {"General3x3", general},
        {"Tall4x2", {{1, 2}, {3, 4}, {5, 6}, {7, 9}}},
        {"Wide2x4", {{1, 2, 3, 4}, {2, 0, -1, 5}}},
        {"DiagonalWithNegatives", {{3, 0, 0}, {0, -2, 0}, {0, 0, -5}}},
        {"Zero", {{0, 0}, {0, 0}}},
        {"ZeroRow", {{1, 2, 3}, {0, 0, 0}, {4, 5, 6}}},
        {"RankTwo3x3", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
        {"Hilbert6", {}},
        {"LargeEntries", Scaled(general, 1e100)},
        {"SmallEntries", Scaled(general, 1e-100)},
        // Lower-rank matrices whose bidiagonal form gets a zero on its
        // diagonal above the bottom, so the decomposition has to split it.
        {"SplitZeroColumns", {{0, 0, 1, 0}, {0, 0, 0, -1}, {0, 0, 1, 0}, {0, 0, 1, -2}}},
        {"SplitZeroColumnAndRow", {{0, -1, 1, 0}, {0, 0, 0, 0}, {0, 2, 0, -1}, {0, 1, -1, 0}}},
        {"SplitZeroRow", {{2, 0, 1, -1}, {0, -2, 1, -1}, {0, 0, 0, 0}, {-1, -1, 2, 0}}},
        {"SplitRepeatedColumns", {{0, 1, 0, 1}, {0, 1, 1, 0}, {0, 0, 0, 0}, {0, -1, 0, -1}}},
        {"SplitWide4x6", {{0, 2, 0, 0, 1, 0}, {0, 0, 0, 1, 0, 0}, {0, 2, 0, 1, 1, 0}, {0, -2, 0, 0, -1, 0}}},
        // Here the chased entry becomes negligible before the last row.
        {"SplitChaseEndsEarly", {{0, -2, 2, 0, -1, -1}, {0, 4, 0, 4, 2, 2}, {0, 0, -4, 4, 2, 2}, {0, -4, 4, 0, -2, -2}}},
    };
    for (auto& c : cases) {
        if (c.name == "Hilbert6") {
            for (int i = 0; i < 6; ++i) {
                c.matrix.emplace_back();
                for (int j = 0; j < 6; ++j)
                    c.matrix.back().push_back(1.0 / (i + j + 1));
            }
        }
    }
    return cases;
}

class SvdDecomposeTest : public ::testing::TestWithParam<DecomposeCase> {};

TEST_P(SvdDecomposeTest, RebuildsTheMatrixWithOrthogonalFactors)
{
    const Rows& rows = GetParam().matrix;
    const int m = static_cast<int>(rows.size());
    const int n = static_cast<int>(rows[0].size());
    TReal2DArray u = Augmented(rows);
    TrealArray w;
    TReal2DArray v;
    SvdDecompose(u, m, n, w, v);

    ASSERT_EQ(w.size(), static_cast<std::size_t>(n) + 1);
    const double scale = std::max(MaxAbs(rows), 1e-300);
    for (int j = 1; j <= n; ++j)
        EXPECT_GE(w[j], 0.0) << "singular value " << j;

    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= n; ++j) {
            double s = 0.0;
            for (int q = 1; q <= n; ++q)
                s += u[i][q] * w[q] * v[j][q];
            EXPECT_NEAR(s / scale, rows[i - 1][j - 1] / scale, 1e-13) << "entry " << i << "," << j;
        }
    }
    for (int p = 1; p <= n; ++p) {
        for (int q = 1; q <= n; ++q) {
            double s = 0.0;
            for (int j = 1; j <= n; ++j)
                s += v[j][p] * v[j][q];
            EXPECT_NEAR(s, p == q ? 1.0 : 0.0, 1e-13) << "V columns " << p << "," << q;
        }
    }
    if (m >= n) {
        for (int p = 1; p <= n; ++p) {
            for (int q = 1; q <= n; ++q) {
                double s = 0.0;
                for (int i = 1; i <= m; ++i)
                    s += u[i][p] * u[i][q];
                EXPECT_NEAR(s, p == q ? 1.0 : 0.0, 1e-13) << "U columns " << p << "," << q;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Matrices, SvdDecomposeTest, ::testing::ValuesIn(DecomposeCases()),
                         [](const auto& info) { return info.param.name; });

TEST(SvdDecompose, FindsTheSingularValuesOfADiagonalMatrix)
{
    TReal2DArray a = Augmented({{3, 0, 0}, {0, -2, 0}, {0, 0, -5}});
    TrealArray w;
    TReal2DArray v;
    SvdDecompose(a, 3, 3, w, v);
    std::vector<double> values(w.begin() + 1, w.end());
    std::sort(values.begin(), values.end());
    EXPECT_DOUBLE_EQ(values[0], 2.0);
    EXPECT_DOUBLE_EQ(values[1], 3.0);
    EXPECT_DOUBLE_EQ(values[2], 5.0);
}

struct SolveCase {
    std::string name;
    Rows matrix;
    std::vector<double> b;
    std::vector<double> expected;
    bool full;
    friend void PrintTo(const SolveCase& c, std::ostream* os) { *os << c.name; }
};

class SvdSolveTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SvdSolveTest, GivesTheMinimumNormLeastSquaresSolution)
{
    const SolveCase& c = GetParam();
    const int m = static_cast<int>(c.matrix.size());
    const int n = static_cast<int>(c.matrix[0].size());
    TReal2DArray a = Augmented(c.matrix, c.b);
    TrealArray x;
    const bool full = SvdSolve(a, m, n, x);

    EXPECT_EQ(full, c.full);
    ASSERT_EQ(x.size(), static_cast<std::size_t>(n) + 1);
    EXPECT_EQ(x[0], 0.0);
    for (int j = 1; j <= n; ++j)
        EXPECT_NEAR(x[j], c.expected[j - 1], 1e-12) << "unknown " << j;
    for (int i = 1; i <= m; ++i)
        EXPECT_EQ(a[i][n + 1], c.b[i - 1]) << "right-hand side row " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Systems, SvdSolveTest,
    ::testing::Values(
        SolveCase{"Regular", {{2, 1}, {1, 3}}, {4, 7}, {1, 2}, true},
        SolveCase{"Overdetermined", {{1, 0}, {0, 1}, {1, 1}}, {1, 1, 0}, {1.0 / 3, 1.0 / 3}, true},
        SolveCase{"Underdetermined", {{1, 1}}, {2}, {1, 1}, false},
        SolveCase{"EqualRows", {{1, 1}, {1, 1}}, {2, 2}, {1, 1}, false},
        SolveCase{"RankTwo", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {6, 15, 24}, {1, 1, 1}, false},
        SolveCase{"ZeroMatrix", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {1, 2, 3}, {0, 0, 0}, false},
        SolveCase{"SplitZeroColumns",
                  {{0, 0, 1, 0}, {0, 0, 0, -1}, {0, 0, 1, 0}, {0, 0, 1, -2}},
                  {1, -2, 1, -3},
                  {0, 0, 1, 2},
                  false}),
    [](const auto& info) { return info.param.name; });

// Such a matrix never converges; the sweeps per singular value are bounded,
// so the solver still comes back.
TEST(SvdSolve, ComesBackFromAMatrixThatCannotConverge)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf}) {
        TReal2DArray a = Augmented({{1, 2, 3}, {4, bad, 6}, {7, 8, 10}}, {1, 2, 3});
        TrealArray x;
        SvdSolve(a, 3, 3, x);
        EXPECT_EQ(x.size(), 4u);
    }
}

TEST(SvdSolve, RefusesAMatrixSmallerThanItsCounts)
{
    TReal2DArray tooFewRows = Augmented({{1, 2}, {3, 4}}, {1, 1});
    TReal2DArray noRightHandSide(3, TrealArray(3, 1.0));
    TrealArray x;
    for (auto* a : {&tooFewRows, &noRightHandSide}) {
        try {
            SvdSolve(*a, 3, 2, x);
            ADD_FAILURE() << "no refusal";
        } catch (const EAprocError& e) {
            EXPECT_EQ(e.Fault(), TAprocFault::BadCount);
        }
    }
    EXPECT_THROW(SvdSolve(tooFewRows, -1, 2, x), EAprocError);
}

} // namespace
