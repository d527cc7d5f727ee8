// The least-squares polynomial of the calibration editor.
#include "calibration/AprocFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

double Evaluate(const TrealArray& c, double x)
{
    double result = 0.0;
    for (std::size_t k = c.size(); k-- > 0;)
        result = result * x + c[k];
    return result;
}

TrealArray Range(double from, double to, double step)
{
    TrealArray result;
    for (double x = from; x <= to + step / 2; x += step)
        result.push_back(x);
    return result;
}

TEST(AprocPolynom, DegreeZeroGivesTheMean)
{
    const std::vector<TrealArray> values = {{5}, {1, 2, 3, 4}, {-1250.5, 3000.25, 18.0}, {1e6, 1e6 + 1}};
    for (const TrealArray& y : values) {
        TrealArray x(y.size());
        for (std::size_t i = 0; i < x.size(); ++i)
            x[i] = 600.0 + 37.0 * i;
        double mean = 0.0;
        for (double v : y)
            mean += v;
        mean /= y.size();

        const TrealArray c = AprocPolynom(x, y, static_cast<int>(y.size()), 0);
        ASSERT_EQ(c.size(), 1u);
        EXPECT_NEAR(c[0], mean, 1e-12 * std::fabs(mean));
    }
}

struct ExactCase {
    std::string name;
    TrealArray coefficients;
    TrealArray x;
    double coefficientTolerance;  // relative to the largest coefficient
    double valueTolerance;        // relative to each value
    friend void PrintTo(const ExactCase& c, std::ostream* os) { *os << c.name; }
};

class AprocPolynomExactTest : public ::testing::TestWithParam<ExactCase> {};

TEST_P(AprocPolynomExactTest, GivesBackThePolynomialOfExactData)
{
    const ExactCase& c = GetParam();
    TrealArray y;
    for (double x : c.x)
        y.push_back(Evaluate(c.coefficients, x));
    const int degree = static_cast<int>(c.coefficients.size()) - 1;

    const TrealArray fit = AprocPolynom(c.x, y, static_cast<int>(c.x.size()), degree);

    ASSERT_EQ(fit.size(), c.coefficients.size());
    double largest = 0.0;
    for (double v : c.coefficients)
        largest = std::max(largest, std::fabs(v));
    for (std::size_t k = 0; k < fit.size(); ++k)
        EXPECT_NEAR(fit[k], c.coefficients[k], c.coefficientTolerance * largest) << "coefficient " << k;
    for (std::size_t i = 0; i < c.x.size(); ++i)
        EXPECT_NEAR(Evaluate(fit, c.x[i]), y[i], c.valueTolerance * (1 + std::fabs(y[i]))) << "point " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Polynomials, AprocPolynomExactTest,
    ::testing::Values(
        ExactCase{"Cubic", {1.5, -2.0, 0.5, 0.25}, Range(-2.0, 3.0, 0.5), 1e-12, 1e-12},
        ExactCase{"CubicOnFourPoints", {-3.0, 1.0, 2.0, -1.0}, {-1.0, 0.5, 2.0, 4.0}, 1e-11, 1e-11},
        // The plain monomial basis over temperatures is ill-conditioned: the
        // coefficients lose digits, the fitted values must not.
        ExactCase{"QuadraticOverTemperatures", {-120.0, 2.5, 0.004}, Range(600.0, 1400.0, 50.0), 1e-4, 1e-7},
        ExactCase{"LineOverTemperatures", {1000.0, 12.5}, Range(500.0, 2000.0, 100.0), 1e-9, 1e-10}),
    [](const auto& info) { return info.param.name; });

TEST(AprocPolynom, DegreeOneGivesTheLeastSquaresLine)
{
    const TrealArray x = {600, 700, 800, 900, 1000, 1100};
    const TrealArray y = {1510, 1790, 2012, 2305, 2490, 2810};
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double intercept = (sy - slope * sx) / n;

    const TrealArray c = AprocPolynom(x, y, static_cast<int>(x.size()), 1);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_NEAR(c[0], intercept, 1e-9 * std::fabs(intercept));
    EXPECT_NEAR(c[1], slope, 1e-9 * std::fabs(slope));
}

TEST(AprocPolynom, UsesOnlyTheFirstMPoints)
{
    const TrealArray x = {1, 2, 3, 100};
    const TrealArray y = {2, 4, 6, -5000};
    const TrealArray c = AprocPolynom(x, y, 3, 1);
    EXPECT_NEAR(c[0], 0.0, 1e-12);
    EXPECT_NEAR(c[1], 2.0, 1e-12);
}

TEST(AprocPolynom, FewerPointsThanCoefficientsStillPassThroughThePoints)
{
    struct Case {
        TrealArray x, y;
        int degree;
    };
    const std::vector<Case> cases = {
        {{700}, {1800}, 2},
        {{-1, 2}, {3, -3}, 3},
        {{0.5, 1.0, 1.5}, {1, 4, 2}, 5},
    };
    for (const Case& c : cases) {
        const TrealArray fit = AprocPolynom(c.x, c.y, static_cast<int>(c.x.size()), c.degree);
        ASSERT_EQ(fit.size(), static_cast<std::size_t>(c.degree) + 1);
        for (std::size_t i = 0; i < c.x.size(); ++i)
            EXPECT_NEAR(Evaluate(fit, c.x[i]), c.y[i], 1e-6 * (1 + std::fabs(c.y[i])))
                << "degree " << c.degree << ", point " << i;
    }
}

TEST(AprocPolynom, NoPointsGiveTheZeroPolynomial)
{
    for (int degree : {0, 1, 4}) {
        const TrealArray c = AprocPolynom({}, {}, 0, degree);
        EXPECT_EQ(c, TrealArray(static_cast<std::size_t>(degree) + 1, 0.0)) << "degree " << degree;
    }
}

TEST(AprocPolynom, RefusesWhatItCannotFit)
{
    const TrealArray x = {1, 2, 3};
    const TrealArray y = {1, 4, 9};
    struct Case {
        int m, degree;
        TAprocFault fault;
    };
    for (const Case& c : {Case{3, -1, TAprocFault::NegativeDegree}, Case{0, -5, TAprocFault::NegativeDegree},
                          Case{4, 2, TAprocFault::BadCount}, Case{-1, 1, TAprocFault::BadCount}}) {
        try {
            AprocPolynom(x, y, c.m, c.degree);
            ADD_FAILURE() << "no refusal for M " << c.m << ", degree " << c.degree;
        } catch (const EAprocError& e) {
            EXPECT_EQ(e.Fault(), c.fault);
        }
    }
    EXPECT_THROW(AprocPolynom(x, {1, 4}, 3, 1), EAprocError);
}

TEST(AprocPolynom, RefusalCarriesAMessageForTheUser)
{
    try {
        AprocPolynom({}, {}, 0, -1);
        FAIL() << "no refusal";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8("Степень полинома не может быть отрицательной"));
    }
}

} // namespace
