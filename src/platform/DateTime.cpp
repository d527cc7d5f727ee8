#include "platform/DateTime.h"

#include <QLocale>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <memory>
#include <mutex>

namespace {

constexpr qint64 kMsecsPerDay = 86400000;
constexpr qint64 kSecsPerDay = 86400;
// Days from 30 December 1899 to 1 January 1970.
constexpr double kUnixEpochDays = 25569.0;
// Julian day number of 30 December 1899.
constexpr qint64 kEpochJulianDay = 2415019;

// ---- The clock ------------------------------------------------------------

using Clock = std::function<QDateTime()>;

std::atomic<bool> g_testClockSet{false};
std::mutex g_testClockMutex;
std::shared_ptr<const Clock> g_testClock;

// The local-time offset is cached with the second up to which it holds, both
// in one word so that a reader never pairs an old offset with a new limit:
// the upper 40 bits hold the limit in Unix seconds, the lower 24 bits the
// offset in seconds plus kOffsetBias.
constexpr std::int64_t kOffsetBias = 1 << 23;
constexpr std::int64_t kOffsetMask = (std::int64_t(1) << 24) - 1;
std::atomic<std::int64_t> g_offsetCache{0};

std::int64_t RefreshOffset(std::time_t now)
{
    tzset();
    std::tm local{};
    localtime_r(&now, &local);
    const std::int64_t offset = local.tm_gmtoff;
    // A change of the offset (summer time, a new zone) falls on a minute
    // boundary in every zone in use, so it holds until the next minute.
    const std::int64_t validUntil = (std::int64_t(now) / 60 + 1) * 60;
    g_offsetCache.store((validUntil << 24) | (offset + kOffsetBias), std::memory_order_relaxed);
    return offset;
}

double RealNow()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME_COARSE, &ts);
    const std::int64_t cache = g_offsetCache.load(std::memory_order_relaxed);
    std::int64_t offset = (cache & kOffsetMask) - kOffsetBias;
    if (std::int64_t(ts.tv_sec) >= (cache >> 24))
        offset = RefreshOffset(ts.tv_sec);
    const double seconds = double(std::int64_t(ts.tv_sec) + offset) + double(ts.tv_nsec) * 1e-9;
    return seconds / double(kSecsPerDay) + kUnixEpochDays;
}

// ---- Splitting a value into day and time ----------------------------------

// The whole days count the date (towards zero, so before 1899 the fraction
// still counts forward from midnight) and the fraction, without its sign,
// the time of day rounded to the millisecond.
struct DayAndTime {
    qint64 day;     // days since 30 December 1899
    qint64 msecs;   // 0 <= msecs < kMsecsPerDay
};

DayAndTime Split(TDateTime value)
{
    if (!std::isfinite(value))
        return {0, 0};
    const double whole = std::trunc(value);
    DayAndTime r{qint64(whole), qint64(std::llround(std::fabs(value - whole) * double(kMsecsPerDay)))};
    if (r.msecs >= kMsecsPerDay) {
        r.msecs -= kMsecsPerDay;
        ++r.day;
    }
    return r;
}

TDateTime Combine(qint64 day, qint64 msecs)
{
    const double fraction = double(msecs) / double(kMsecsPerDay);
    return day >= 0 ? double(day) + fraction : double(day) - fraction;
}

}  // namespace

TDateTime Now()
{
    if (g_testClockSet.load(std::memory_order_acquire)) {
        std::shared_ptr<const Clock> clock;
        {
            std::lock_guard<std::mutex> lock(g_testClockMutex);
            clock = g_testClock;
        }
        if (clock)
            return QDateTimeToDateTime((*clock)());
    }
    return RealNow();
}

TDateTime Date()
{
    return std::floor(Now());
}

TDateTime Time()
{
    const TDateTime now = Now();
    return now - std::floor(now);
}

void SetClock(std::function<QDateTime()> clock)
{
    std::lock_guard<std::mutex> lock(g_testClockMutex);
    if (clock)
        g_testClock = std::make_shared<const Clock>(std::move(clock));
    else
        g_testClock.reset();
    g_testClockSet.store(bool(g_testClock), std::memory_order_release);
}

TDateTime QDateTimeToDateTime(const QDateTime& dt)
{
    if (!dt.isValid())
        return 0;
    const QDateTime local = dt.timeSpec() == Qt::LocalTime ? dt : dt.toLocalTime();
    return Combine(local.date().toJulianDay() - kEpochJulianDay, local.time().msecsSinceStartOfDay());
}

QDateTime DateTimeToQDateTime(TDateTime value)
{
    return QDateTime(DateTimeToQDate(value), DateTimeToQTime(value), Qt::LocalTime);
}

TDateTime QDateToDateTime(const QDate& d)
{
    return d.isValid() ? double(d.toJulianDay() - kEpochJulianDay) : 0.0;
}

TDateTime QTimeToDateTime(const QTime& t)
{
    return t.isValid() ? double(t.msecsSinceStartOfDay()) / double(kMsecsPerDay) : 0.0;
}

QDate DateTimeToQDate(TDateTime value)
{
    return QDate::fromJulianDay(Split(value).day + kEpochJulianDay);
}

QTime DateTimeToQTime(TDateTime value)
{
    return QTime::fromMSecsSinceStartOfDay(int(Split(value).msecs));
}

QString FormatDateTime(const QString& qtFormat, TDateTime value)
{
    // Formatted as wall-clock fields, so an hour skipped by a summer-time
    // change still prints as the value says.
    const DayAndTime parts = Split(value);
    const QDateTime wall(QDate::fromJulianDay(parts.day + kEpochJulianDay),
                         QTime::fromMSecsSinceStartOfDay(int(parts.msecs)), Qt::UTC);
    return QLocale::c().toString(wall, qtFormat);
}
