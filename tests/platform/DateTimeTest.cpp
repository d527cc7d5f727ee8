#include "platform/DateTime.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Gives the real clock back whatever the test did.
class DateTimeTest : public ::testing::Test {
protected:
    void TearDown() override { SetClock({}); }
};

}  // namespace

TEST_F(DateTimeTest, DatesCountDaysFrom30December1899)
{
    const struct {
        QDate date;
        double days;
    } cases[] = {
        {QDate(1899, 12, 30), 0}, {QDate(1899, 12, 31), 1},    {QDate(1900, 1, 1), 2},
        {QDate(1899, 12, 29), -1}, {QDate(2000, 1, 1), 36526}, {QDate(2024, 2, 29), 45351},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QDateToDateTime(c.date), c.days) << c.date.toString().toStdString();
        EXPECT_EQ(DateTimeToQDate(c.days), c.date) << c.days;
    }
}

TEST_F(DateTimeTest, TimeOfDayIsTheFraction)
{
    EXPECT_EQ(QTimeToDateTime(QTime(12, 0)), 0.5);
    EXPECT_EQ(QTimeToDateTime(QTime(6, 0)), 0.25);
    EXPECT_EQ(QTimeToDateTime(QTime(0, 0)), 0.0);
    EXPECT_EQ(DateTimeToQTime(0.75), QTime(18, 0));
    EXPECT_EQ(DateTimeToQTime(45351.5), QTime(12, 0));
    EXPECT_EQ(DateTimeToQTime(QTimeToDateTime(QTime(23, 59, 59, 999))), QTime(23, 59, 59, 999));
}

TEST_F(DateTimeTest, RoundingToTheMillisecondCarriesIntoTheNextDay)
{
    const double justBeforeMidnight = 45351.0 + (86400000.0 - 0.2) / 86400000.0;
    EXPECT_EQ(DateTimeToQDate(justBeforeMidnight), QDate(2024, 3, 1));
    EXPECT_EQ(DateTimeToQTime(justBeforeMidnight), QTime(0, 0));
    EXPECT_EQ(DateTimeToQDateTime(justBeforeMidnight), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    EXPECT_EQ(FormatDateTime("dd.MM.yy hh.mm.ss.zzz", justBeforeMidnight), "01.03.24 00.00.00.000");
}

TEST_F(DateTimeTest, BeforeTheEpochTheFractionStillCountsFromMidnight)
{
    EXPECT_EQ(DateTimeToQDate(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(DateTimeToQTime(-1.25), QTime(6, 0));
    EXPECT_EQ(QDateTimeToDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST_F(DateTimeTest, QDateTimeRoundTrip)
{
    const QDateTime dt(QDate(2024, 3, 15), QTime(7, 5, 9, 250));
    const double value = QDateTimeToDateTime(dt);
    EXPECT_DOUBLE_EQ(value, 45366.0 + (7 * 3600 + 5 * 60 + 9.25) / 86400.0);
    EXPECT_EQ(DateTimeToQDateTime(value), dt);
    // Another time spec is taken as the local time it stands for.
    EXPECT_EQ(QDateTimeToDateTime(dt.toUTC()), value);
    EXPECT_EQ(QDateTimeToDateTime(QDateTime()), 0.0);
}

TEST_F(DateTimeTest, FormatDateTimeGivesArchiveNames)
{
    const double value = QDateTimeToDateTime(QDateTime(QDate(2024, 3, 15), QTime(7, 5, 9)));
    EXPECT_EQ(FormatDateTime("dd.MM.yy", value), "15.03.24");
    EXPECT_EQ(FormatDateTime("hh.mm.ss", value), "07.05.09");
    EXPECT_EQ(FormatDateTime("hh.mm.ss", QTimeToDateTime(QTime(23, 59, 59))), "23.59.59");
    EXPECT_EQ(FormatDateTime("dd.MM.yyyy", 2), "01.01.1900");
}

TEST_F(DateTimeTest, ASetClockIsWhatNowDateAndTimeRead)
{
    const QDateTime fixed(QDate(2024, 3, 15), QTime(18, 0));
    int calls = 0;
    SetClock([&] {
        ++calls;
        return fixed;
    });
    EXPECT_EQ(Now(), 45366.75);
    EXPECT_EQ(Date(), 45366.0);
    EXPECT_EQ(Time(), 0.75);
    EXPECT_EQ(calls, 3);
}

TEST_F(DateTimeTest, TheRealClockIsLocalTime)
{
    SetClock([] { return QDateTime(QDate(2000, 1, 1), QTime(0, 0)); });
    SetClock({});
    const double before = QDateTimeToDateTime(QDateTime::currentDateTime());
    const double now = Now();
    const double after = QDateTimeToDateTime(QDateTime::currentDateTime());
    // The coarse clock may lag the exact one by a tick of the kernel.
    const double tick = 0.05 / 86400.0;
    EXPECT_GE(now, before - tick);
    EXPECT_LE(now, after + tick);
    EXPECT_EQ(Date(), std::floor(Now()));
    const double t = Time();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 1.0);
}
