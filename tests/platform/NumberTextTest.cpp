#include "platform/NumberText.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <gtest/gtest.h>

// The test main sets a Russian default locale (decimal comma), so every
// case below also shows that the text does not follow the locale.

TEST(NumberText, TestsRunWithADecimalCommaLocale)
{
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

TEST(NumberText, FormatFloatPictures)
{
    const struct {
        const char* pattern;
        double value;
        const char* expected;
    } cases[] = {
        {"###0.00", 1234.567, "1234.57"},
        {"###0.00", -0.005, "-0.01"},
        {"###0.00", 0.0, "0.00"},
        {"###0.00", -0.004, "0.00"},
        {"###0.00", 1.005, "1.01"},
        {"###0.00", 999.995, "1000.00"},
        {"###0.00", 8388.607, "8388.61"},
        {"###0.000", 8388.607, "8388.607"},
        {"###0.000", -12.3456, "-12.346"},
        {"###0.000", 0.0005, "0.001"},
        {"###0.##", 1.5, "1.5"},
        {"###0.##", 2.0, "2"},
        {"###0.##", 2.999, "3"},
        {"###0.##", 0.125, "0.13"},
        {"###0", 2.5, "3"},
        {"###0", -2.5, "-3"},
        {"###0", 0.4, "0"},
        {"###0", 123456789.0, "123456789"},
        {"0.0", 0.05, "0.1"},
        {"0.0", -0.04, "0.0"},
        {"0.0", 25.0, "25.0"},
        {"00.0", 5.0, "05.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.expected) << c.pattern << " " << c.value;
}

TEST(NumberText, GeneralFormat)
{
    const struct {
        double value;
        int digits;
        const char* expected;
    } cases[] = {
        {1234.5678, 5, "1234.6"},
        {1234.5678, 10, "1234.5678"},
        {12345.0, 5, "12345"},
        {123456.0, 5, "1.2346E5"},
        {99999.5, 5, "1E5"},
        {100.0, 5, "100"},
        {-2.5, 5, "-2.5"},
        {0.0, 5, "0"},
        {-0.0, 5, "0"},
        {1.0 / 3.0, 10, "0.3333333333"},
        {2.0 / 3.0, 5, "0.66667"},
        {0.5, 10, "0.5"},
        {1e20, 15, "1E20"},
        {-1.5e20, 15, "-1.5E20"},
        {1.5e-5, 15, "1.5E-5"},
        {0.0001, 15, "0.0001"},
        {0.00012, 15, "0.00012"},
        {0.00001, 15, "1E-5"},
        {0.000099, 15, "9.9E-5"},
        {0.0000099, 15, "9.9E-6"},
        {123456789012345.0, 15, "123456789012345"},
        {1234567890123456.0, 15, "1.23456789012346E15"},
        {8388.607, 10, "8388.607"},
        {0.1, 15, "0.1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrGeneral(c.value, c.digits), c.expected) << c.value << " " << c.digits;
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToStr(1234.5), "1234.5");
}

TEST(NumberText, FixedFormat)
{
    EXPECT_EQ(FloatToStrFixed(1234.5, 2), "1234.50");
    EXPECT_EQ(FloatToStrFixed(0.0, 3), "0.000");
    EXPECT_EQ(FloatToStrFixed(-0.0001, 2), "0.00");
    EXPECT_EQ(FloatToStrFixed(-1.25, 1), "-1.3");
    EXPECT_EQ(FloatToStrFixed(0.75, 0), "1");
}

TEST(NumberText, ExponentFormat)
{
    const struct {
        double value;
        int digits;
        int expDigits;
        const char* expected;
    } cases[] = {
        {1234.5, 15, 4, "1.23450000000000E+0003"},
        {45000.5, 15, 4, "4.50005000000000E+0004"},
        {-1234.5, 15, 4, "-1.23450000000000E+0003"},
        {0.0, 15, 4, "0.00000000000000E+0000"},
        {0.00123, 15, 4, "1.23000000000000E-0003"},
        {0.5, 15, 4, "5.00000000000000E-0001"},
        {45351.123456789, 15, 4, "4.53511234567890E+0004"},
        {9.99999, 3, 2, "1.00E+01"},
        {1.5, 3, 1, "1.50E+0"},
        {1e100, 2, 2, "1.0E+100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrExp(c.value, c.digits, c.expDigits), c.expected) << c.value;
}

TEST(NumberText, ValuesWithoutDigits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FloatToStr(nan), "NAN");
    EXPECT_EQ(FloatToStr(inf), "INF");
    EXPECT_EQ(FloatToStr(-inf), "-INF");
    EXPECT_EQ(FormatFloat("###0.00", nan), "NAN");
    EXPECT_EQ(FloatToStrExp(-inf, 15, 4), "-INF");
}

TEST(NumberText, FormattedTextReadsBack)
{
    for (double v : {1234.5, -0.001, 8388.607, 45000.5, 1e-7, 123456789.125}) {
        double back = 0;
        ASSERT_TRUE(TryStrToFloat(FloatToStrExp(v, 15, 4), back)) << v;
        EXPECT_DOUBLE_EQ(back, v);
        ASSERT_TRUE(TryStrToFloat(FloatToStr(v), back)) << v;
        EXPECT_DOUBLE_EQ(back, v);
    }
}

TEST(NumberText, TryStrToFloatAcceptsPlainAndScientific)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1234.5", 1234.5}, {"-1.5E+0003", -1500.0}, {"12", 12.0}, {"1e5", 100000.0},
        {"+2.5", 2.5},      {".5", 0.5},             {"5.", 5.0},  {"1.23450000000000E+0003", 1234.5},
        {"-0", 0.0},        {"2.5e-3", 0.0025},
    };
    for (const auto& c : cases) {
        double v = -1;
        EXPECT_TRUE(TryStrToFloat(c.text, v)) << c.text;
        EXPECT_DOUBLE_EQ(v, c.expected) << c.text;
    }
}

TEST(NumberText, TryStrToFloatRejectsAnythingElse)
{
    for (const char* text : {"1,5", "", "abc", "1.5x", " 1.5", "1.5 ", ".", "-", "e5", "1e", "1e+",
                             "1.2.3", "inf", "nan", "0x10", "1e999", "--1"}) {
        double v = 7;
        EXPECT_FALSE(TryStrToFloat(text, v)) << text;
        EXPECT_EQ(v, 7) << "left unchanged: " << text;
    }
}

TEST(NumberText, TryStrToInt)
{
    int v = 0;
    EXPECT_TRUE(TryStrToInt("123", v));
    EXPECT_EQ(v, 123);
    EXPECT_TRUE(TryStrToInt("-45", v));
    EXPECT_EQ(v, -45);
    EXPECT_TRUE(TryStrToInt("$FF", v));
    EXPECT_EQ(v, 255);
    for (const char* text : {"", "1.0", "12a", " 1", "2147483648", "$", "0xG"}) {
        v = 9;
        EXPECT_FALSE(TryStrToInt(text, v)) << text;
        EXPECT_EQ(v, 9);
    }
}
