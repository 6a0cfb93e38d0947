#include "platform/zul/dialect/JetDateFunctions.h"

#include "platform/zul/dialect/JetDates.h"
#include "platform/zul/dialect/JetValues.h"

#include <sqlite3.h>

#include <QString>
#include <cmath>

using namespace JetValues;
using JetDates::Parts;

namespace {

bool IsNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

// A date argument: numbers are day numbers, texts dates in Spanish order or numbers.
// False after setting the result (null, or a type mismatch).
bool DateArg(sqlite3_context* ctx, sqlite3_value* v, double& out) {
  const int type = sqlite3_value_type(v);
  if (type == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return false;
  }
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
    out = sqlite3_value_double(v);
    return true;
  }
  const QString text = TextOf(v);
  if (JetDates::ParseLocal(text, out) || ToNumber(v, out)) return true;
  ResultError(ctx, kTypeMismatch);
  return false;
}

bool PartsArg(sqlite3_context* ctx, sqlite3_value* v, Parts& p, double* value = nullptr) {
  double d;
  if (!DateArg(ctx, v, d)) return false;
  if (!JetDates::Decode(d, p)) {
    ResultError(ctx, kOverflow);
    return false;
  }
  if (value) *value = d;
  return true;
}

bool WholeArg(sqlite3_context* ctx, sqlite3_value* v, double& out) {
  if (IsNull(v)) {
    sqlite3_result_null(ctx);
    return false;
  }
  if (!ToNumber(v, out)) {
    ResultError(ctx, kTypeMismatch);
    return false;
  }
  out = RoundHalfEven(out, 0);
  return true;
}

// First day of the week argument: 1 Sunday ... 7 Saturday; 0 (the system's) is Monday here.
int FirstDay(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, bool& ok) {
  ok = true;
  if (argc <= index || IsNull(argv[index])) return 1;
  double d;
  if (!ToNumber(argv[index], d) || d < 0 || d > 7) {
    ResultError(ctx, kInvalidCall);
    ok = false;
    return 1;
  }
  const int f = static_cast<int>(d);
  return f == 0 ? 2 : f;
}

long long DayOf(double value) { return static_cast<long long>(std::trunc(value)); }
int SundayIndex(long long day) { return static_cast<int>(((day + 6) % 7 + 7) % 7); }  // 0 = Sunday

// Day number of the parts, and seconds since the base day (time included, counted
// forwards from midnight also before the base day).
long long Days(const Parts& p) { return JetDates::DaysFromCivil(p.year, p.month, p.day); }
double Seconds(const Parts& p) {
  return static_cast<double>(Days(p)) * 86400.0 + p.hour * 3600.0 + p.minute * 60.0 + p.second +
         p.msec / 1000.0;
}

void ResultDate(sqlite3_context* ctx, long long days, double secondsOfDay) {
  Parts p;
  JetDates::CivilFromDays(days, p.year, p.month, p.day);
  if (p.year < 100 || p.year > 9999) return ResultError(ctx, kOverflow);
  const double t = secondsOfDay / 86400.0;
  const double d = static_cast<double>(days);
  sqlite3_result_double(ctx, d < 0 ? d - t : d + t);
}

template <int Field>
void Part(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Parts p;
  if (!PartsArg(ctx, argv[0], p)) return;
  const int values[6] = {p.year, p.month, p.day, p.hour, p.minute, p.second};
  sqlite3_result_int(ctx, values[Field]);
}

void Weekday(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double d;
  if (!DateArg(ctx, argv[0], d)) return;
  bool ok;
  const int first = FirstDay(ctx, argc, argv, 1, ok);
  if (!ok) return;
  sqlite3_result_int(ctx, (SundayIndex(DayOf(d)) - (first - 1) + 7) % 7 + 1);
}

void Today(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_double(ctx, JetDates::Today()); }
void Now(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_double(ctx, JetDates::Now()); }
void Time(sqlite3_context* ctx, int, sqlite3_value**) {
  const double now = JetDates::Now();
  sqlite3_result_double(ctx, now - std::trunc(now));
}

void DateSerial(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double y, m, d;
  if (!WholeArg(ctx, argv[0], y) || !WholeArg(ctx, argv[1], m) || !WholeArg(ctx, argv[2], d)) return;
  if (std::fabs(y) > 100000 || std::fabs(m) > 1200000 || std::fabs(d) > 4000000)
    return ResultError(ctx, kOverflow);
  long long year = static_cast<long long>(y);
  if (year >= 0 && year < 30)
    year += 2000;
  else if (year >= 30 && year < 100)
    year += 1900;
  // Months and days outside their range carry over (DateSerial(2025, 13, 0) is 31/12/2025).
  const long long months = year * 12 + static_cast<long long>(m) - 1;
  const long long ny = months >= 0 ? months / 12 : (months - 11) / 12;
  const int nm = static_cast<int>(months - ny * 12) + 1;
  if (ny < 100 || ny > 9999) return ResultError(ctx, kOverflow);
  ResultDate(ctx, JetDates::DaysFromCivil(static_cast<int>(ny), nm, 1) + static_cast<long long>(d) - 1, 0);
}

void TimeSerial(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double h, n, s;
  if (!WholeArg(ctx, argv[0], h) || !WholeArg(ctx, argv[1], n) || !WholeArg(ctx, argv[2], s)) return;
  const double total = h * 3600 + n * 60 + s;
  const double days = std::floor(total / 86400);
  ResultDate(ctx, static_cast<long long>(days), total - days * 86400);
}

void DateValue(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d;
  if (!DateArg(ctx, argv[0], d)) return;
  sqlite3_result_double(ctx, std::trunc(d));
}

void TimeValue(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d;
  if (!DateArg(ctx, argv[0], d)) return;
  sqlite3_result_double(ctx, std::fabs(d - std::trunc(d)));
}

void CDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d;
  if (!DateArg(ctx, argv[0], d)) return;
  Parts p;
  if (!JetDates::Decode(d, p)) return ResultError(ctx, kOverflow);
  sqlite3_result_double(ctx, d);
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second, Bad };

Interval ReadInterval(sqlite3_value* v) {
  const QString s = TextOf(v).trimmed().toLower();
  if (s == u"yyyy") return Interval::Year;
  if (s == u"q") return Interval::Quarter;
  if (s == u"m") return Interval::Month;
  if (s == u"y") return Interval::DayOfYear;
  if (s == u"d") return Interval::Day;
  if (s == u"w") return Interval::Weekday;
  if (s == u"ww") return Interval::Week;
  if (s == u"h") return Interval::Hour;
  if (s == u"n") return Interval::Minute;
  if (s == u"s") return Interval::Second;
  return Interval::Bad;
}

int DaysInMonth(int y, int m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return 29;
  return kDays[m - 1];
}

void DateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Interval iv = ReadInterval(argv[0]);
  if (iv == Interval::Bad) return ResultError(ctx, kInvalidCall);
  double n;
  if (IsNull(argv[1])) return sqlite3_result_null(ctx);
  if (!ToNumber(argv[1], n)) return ResultError(ctx, kTypeMismatch);
  n = std::trunc(n);
  Parts p;
  if (!PartsArg(ctx, argv[2], p)) return;
  const double secondsOfDay = p.hour * 3600.0 + p.minute * 60.0 + p.second + p.msec / 1000.0;
  if (iv == Interval::Year || iv == Interval::Quarter || iv == Interval::Month) {
    const double step = iv == Interval::Year ? 12 : iv == Interval::Quarter ? 3 : 1;
    const double months = p.year * 12.0 + (p.month - 1) + n * step;
    if (months < 100 * 12 || months >= 10000 * 12) return ResultError(ctx, kOverflow);
    const int y = static_cast<int>(months / 12);
    const int m = static_cast<int>(months - y * 12.0) + 1;
    const int d = std::min(p.day, DaysInMonth(y, m));
    return ResultDate(ctx, JetDates::DaysFromCivil(y, m, d), secondsOfDay);
  }
  double seconds;
  switch (iv) {
    case Interval::Week:
      seconds = n * 7 * 86400;
      break;
    case Interval::Hour:
      seconds = n * 3600;
      break;
    case Interval::Minute:
      seconds = n * 60;
      break;
    case Interval::Second:
      seconds = n;
      break;
    default:
      seconds = n * 86400;
      break;  // y, d, w
  }
  const double total = Seconds(p) + seconds;
  if (std::fabs(total) > 1e15) return ResultError(ctx, kOverflow);
  const double days = std::floor(total / 86400);
  ResultDate(ctx, static_cast<long long>(days), total - days * 86400);
}

// DateDiff counts the boundaries crossed: DateDiff("yyyy", 31/12/2024, 1/1/2025) is 1.
void DateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Interval iv = ReadInterval(argv[0]);
  if (iv == Interval::Bad) return ResultError(ctx, kInvalidCall);
  Parts a, b;
  if (!PartsArg(ctx, argv[1], a) || !PartsArg(ctx, argv[2], b)) return;
  bool ok;
  const int first = FirstDay(ctx, argc, argv, 3, ok);
  if (!ok) return;
  long long r = 0;
  switch (iv) {
    case Interval::Year:
      r = b.year - a.year;
      break;
    case Interval::Quarter:
      r = (b.year * 4LL + (b.month - 1) / 3) - (a.year * 4LL + (a.month - 1) / 3);
      break;
    case Interval::Month:
      r = (b.year * 12LL + b.month) - (a.year * 12LL + a.month);
      break;
    case Interval::DayOfYear:
    case Interval::Day:
      r = Days(b) - Days(a);
      break;
    case Interval::Weekday:
      r = (Days(b) - Days(a)) / 7;
      break;
    case Interval::Week: {
      auto weekStart = [&](long long d) { return d - ((SundayIndex(d) - (first - 1) + 7) % 7); };
      r = (weekStart(Days(b)) - weekStart(Days(a))) / 7;
      break;
    }
    case Interval::Hour:
      r = static_cast<long long>(std::floor(Seconds(b) / 3600) - std::floor(Seconds(a) / 3600));
      break;
    case Interval::Minute:
      r = static_cast<long long>(std::floor(Seconds(b) / 60) - std::floor(Seconds(a) / 60));
      break;
    default:
      r = static_cast<long long>(std::floor(Seconds(b)) - std::floor(Seconds(a)));
      break;
  }
  sqlite3_result_int64(ctx, r);
}

void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Interval iv = ReadInterval(argv[0]);
  if (iv == Interval::Bad) return ResultError(ctx, kInvalidCall);
  Parts p;
  double value;
  if (!PartsArg(ctx, argv[1], p, &value)) return;
  bool ok;
  const int first = FirstDay(ctx, argc, argv, 2, ok);
  if (!ok) return;
  const long long days = Days(p);
  const long long jan1 = JetDates::DaysFromCivil(p.year, 1, 1);
  long long r = 0;
  switch (iv) {
    case Interval::Year:
      r = p.year;
      break;
    case Interval::Quarter:
      r = (p.month - 1) / 3 + 1;
      break;
    case Interval::Month:
      r = p.month;
      break;
    case Interval::DayOfYear:
      r = days - jan1 + 1;
      break;
    case Interval::Day:
      r = p.day;
      break;
    case Interval::Weekday:
      r = (SundayIndex(days) - (first - 1) + 7) % 7 + 1;
      break;
    case Interval::Week: {
      // Week 1 is the one holding 1 January.
      const int jan1Index = (SundayIndex(jan1) - (first - 1) + 7) % 7;
      r = (days - jan1 + jan1Index) / 7 + 1;
      break;
    }
    case Interval::Hour:
      r = p.hour;
      break;
    case Interval::Minute:
      r = p.minute;
      break;
    default:
      r = p.second;
      break;
  }
  sqlite3_result_int64(ctx, r);
}

}  // namespace

int JetDateFunctions::Register(sqlite3* db) {
  struct Entry {
    const char* name;
    int minArgs, maxArgs;
    SqlFunction fn;
    bool deterministic;
  };
  static constexpr Entry kEntries[] = {
      {"jet_year", 1, 1, Part<0>, true},
      {"jet_month", 1, 1, Part<1>, true},
      {"jet_day", 1, 1, Part<2>, true},
      {"jet_hour", 1, 1, Part<3>, true},
      {"jet_minute", 1, 1, Part<4>, true},
      {"jet_second", 1, 1, Part<5>, true},
      {"jet_weekday", 1, 2, Weekday, true},
      {"jet_date", 0, 0, Today, false},
      {"jet_now", 0, 0, Now, false},
      {"jet_time", 0, 0, Time, false},
      {"jet_dateserial", 3, 3, DateSerial, true},
      {"jet_timeserial", 3, 3, TimeSerial, true},
      {"jet_datevalue", 1, 1, DateValue, true},
      {"jet_timevalue", 1, 1, TimeValue, true},
      {"jet_cdate", 1, 1, CDate, true},
      {"jet_dateadd", 3, 3, DateAdd, true},
      {"jet_datediff", 3, 5, DateDiff, true},
      {"jet_datepart", 2, 4, DatePart, true},
  };
  for (const Entry& e : kEntries) {
    const int rc = Define(db, e.name, e.minArgs, e.maxArgs, e.fn, e.deterministic);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}
