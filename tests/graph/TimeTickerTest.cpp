#include "graph/TimeTicker.h"
#include "platform/DateTime.h"

#include <gtest/gtest.h>

namespace {

constexpr double kSecond = 1.0 / 86400.0;

// The labels come from the tick generator itself, the way the axis asks.
QVector<QString> Labels(QCPAxisTicker& ticker, double lower, double upper)
{
    QVector<double> ticks;
    QVector<double> subTicks;
    QVector<QString> labels;
    ticker.generate(QCPRange(lower, upper), QLocale::c(), QLatin1Char('g'), 3, ticks, &subTicks, &labels);
    return labels;
}

TEST(TimeTicker, StepsAreRoundClockSteps)
{
    struct Case {
        double idealSeconds;
        double stepSeconds;
    };
    const Case cases[] = {{0.9, 1}, {10, 10}, {11, 10}, {40, 60}, {50, 60}, {700, 600},
                          {1000, 900}, {4000, 3600}, {5000, 7200}, {30000, 43200}, {200000, 259200}};
    for (const Case& c : cases)
        EXPECT_NEAR(TTimeTicker::RoundStep(c.idealSeconds * kSecond) / kSecond, c.stepSeconds, 1e-6)
            << c.idealSeconds;
}

TEST(TimeTicker, LabelsAreTheTimeOfDay)
{
    TTimeTicker ticker;
    // A minute from 14:05:00 on a full date: ticks every 10 s.
    const double start = QDateTimeToDateTime(QDateTime(QDate(2025, 12, 9), QTime(14, 5, 0)));
    const QVector<QString> labels = Labels(ticker, start, start + 60 * kSecond);
    ASSERT_GE(labels.size(), 6);
    EXPECT_TRUE(labels.contains(QStringLiteral("14:05:10")));
    EXPECT_TRUE(labels.contains(QStringLiteral("14:05:50")));
    for (const QString& label : labels)
        EXPECT_EQ(label.size(), 8) << label.toStdString();
}

TEST(ValueTicker, LabelsHaveThreeDecimalsWithAPoint)
{
    TValueTicker ticker;
    ticker.setTickCount(11);
    const QVector<QString> labels = Labels(ticker, -100, 1000);
    EXPECT_TRUE(labels.contains(QStringLiteral("0.000")));
    EXPECT_TRUE(labels.contains(QStringLiteral("500.000")));
    EXPECT_TRUE(labels.contains(QStringLiteral("-100.000")));
    EXPECT_FALSE(labels.contains(QStringLiteral("-0.000")));
}

} // namespace
