#pragma once
// Date-time values as day numbers: days since 30 December 1899 with the time of day
// as the fraction, as the database stores them. Day numbers are wall-clock values
// without a time zone; on the Qt side they are QDateTime in UTC so that no local
// daylight-saving gap can make a stored time invalid.

#include <QDate>
#include <QDateTime>
#include <QTime>

using TDateTime = double;

namespace DayDate {

constexpr TDateTime kZeroDay = 0.0;  // 30/12/1899 00:00:00

QDate BaseDate();  // 1899-12-30

// Conversions. Times are kept to the millisecond, rounded to the nearest one.
TDateTime FromDate(const QDate& date);
TDateTime FromTime(const QTime& time);        // the fraction only
TDateTime FromDateTime(const QDateTime& dt);  // uses the date and time as shown (no zone shift)
TDateTime Encode(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0);
QDate ToDate(TDateTime value);
QTime ToTime(TDateTime value);
QDateTime ToDateTime(TDateTime value);  // Qt::UTC wall-clock

TDateTime DateOf(TDateTime value);  // date only (time part zero)
TDateTime TimeOf(TDateTime value);  // time only (fraction)

// Current wall-clock moment and today, from the local clock.
TDateTime Now();
TDateTime Today();

// "dd/mm/yyyy hh:nn:ss", or "dd/mm/yyyy" when the time part is zero.
QString ToDisplayString(TDateTime value);

}  // namespace DayDate
