#pragma once
// Date-time values are doubles in days since 30 December 1899, local time;
// the fraction is the time of day (before 1899 the whole days count back and
// the fraction, without its sign, still counts forward from midnight: -1.25 is
// 29 December 1899 06:00). This is the one conversion between them
// and Qt's types, and the one clock of the program.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>

using TDateTime = double;

// The current date and time. Fast enough to be read for every received byte.
TDateTime Now();
TDateTime Date();        // today at midnight
TDateTime Time();        // the time of day only (0 <= t < 1)

TDateTime QDateTimeToDateTime(const QDateTime& dt);
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime QDateToDateTime(const QDate& d);
TDateTime QTimeToDateTime(const QTime& t);   // fraction of a day
QDate DateTimeToQDate(TDateTime value);
QTime DateTimeToQTime(TDateTime value);     // rounded to the millisecond

// Formats with Qt's date-time format letters ("dd.mm.yy" is written "dd.MM.yy",
// "hh.mm.ss" as "hh.mm.ss").
QString FormatDateTime(const QString& qtFormat, TDateTime value);

// Tests set the clock; an empty function gives the real clock back.
void SetClock(std::function<QDateTime()> clock);
