#include "platform/core/DayDate.h"

#include <cmath>

#include "platform/core/Exceptions.h"

namespace DayDate {
namespace {

constexpr qint64 kMsPerDay = 86400000;
// Beyond this a day number is not a date (the year would exceed anything stored).
constexpr double kMaxDays = 1e8;

qint64 BaseJulianDay() { return BaseDate().toJulianDay(); }

// Day number from a day and a time of day: negative days keep a positive time
// fraction, so -1.25 is 29/12/1899 06:00.
TDateTime Compose(qint64 day, qint64 msOfDay) {
  const double frac = static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
  return day >= 0 ? static_cast<double>(day) + frac : static_cast<double>(day) - frac;
}

// Splits a day number into the day and the milliseconds of the day, rounded to the
// nearest millisecond (a value a hair before midnight belongs to the next day).
bool Split(TDateTime value, qint64& day, qint64& msOfDay) {
  if (!std::isfinite(value) || std::fabs(value) > kMaxDays) return false;
  const double whole = std::trunc(value);
  day = static_cast<qint64>(whole);
  msOfDay = std::llround(std::fabs(value - whole) * static_cast<double>(kMsPerDay));
  if (msOfDay >= kMsPerDay) {
    msOfDay -= kMsPerDay;
    ++day;  // midnight ending the day: the next day on the calendar
  }
  return true;
}

}  // namespace

QDate BaseDate() { return QDate(1899, 12, 30); }

TDateTime FromDate(const QDate& date) {
  if (!date.isValid()) return kZeroDay;
  return static_cast<double>(date.toJulianDay() - BaseJulianDay());
}

TDateTime FromTime(const QTime& time) {
  if (!time.isValid()) return kZeroDay;
  return Compose(0, time.msecsSinceStartOfDay());
}

TDateTime FromDateTime(const QDateTime& dt) {
  if (!dt.isValid()) return kZeroDay;
  const QTime t = dt.time();
  return Compose(dt.date().toJulianDay() - BaseJulianDay(), t.isValid() ? t.msecsSinceStartOfDay() : 0);
}

TDateTime Encode(int year, int month, int day, int hour, int minute, int second, int msec) {
  const QDate d(year, month, day);
  const QTime t(hour, minute, second, msec);
  if (!d.isValid() || !t.isValid()) {
    throw EConvertError(QStringLiteral("La fecha %1/%2/%3 %4:%5:%6 no es válida")
                            .arg(day)
                            .arg(month)
                            .arg(year)
                            .arg(hour)
                            .arg(minute)
                            .arg(second));
  }
  return Compose(d.toJulianDay() - BaseJulianDay(), t.msecsSinceStartOfDay());
}

QDate ToDate(TDateTime value) {
  qint64 day = 0;
  qint64 ms = 0;
  if (!Split(value, day, ms)) return QDate();
  return QDate::fromJulianDay(BaseJulianDay() + day);
}

QTime ToTime(TDateTime value) {
  qint64 day = 0;
  qint64 ms = 0;
  if (!Split(value, day, ms)) return QTime();
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

QDateTime ToDateTime(TDateTime value) {
  qint64 day = 0;
  qint64 ms = 0;
  if (!Split(value, day, ms)) return QDateTime();
  return QDateTime(QDate::fromJulianDay(BaseJulianDay() + day),
                   QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)), Qt::UTC);
}

TDateTime DateOf(TDateTime value) {
  qint64 day = 0;
  qint64 ms = 0;
  if (!Split(value, day, ms)) return kZeroDay;
  return static_cast<double>(day);
}

TDateTime TimeOf(TDateTime value) {
  qint64 day = 0;
  qint64 ms = 0;
  if (!Split(value, day, ms)) return kZeroDay;
  return Compose(0, ms);
}

TDateTime Now() {
  const QDateTime now = QDateTime::currentDateTime();
  return Compose(now.date().toJulianDay() - BaseJulianDay(), now.time().msecsSinceStartOfDay());
}

TDateTime Today() { return FromDate(QDate::currentDate()); }

QString ToDisplayString(TDateTime value) {
  qint64 day = 0;
  qint64 ms = 0;
  if (!Split(value, day, ms)) return QString();
  const QDate d = QDate::fromJulianDay(BaseJulianDay() + day);
  QString out = d.toString(QStringLiteral("dd/MM/yyyy"));
  if (ms != 0) {
    out += QLatin1Char(' ') +
           QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)).toString(QStringLiteral("hh:mm:ss"));
  }
  return out;
}

}  // namespace DayDate
