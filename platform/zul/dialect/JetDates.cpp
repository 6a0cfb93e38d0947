#include "platform/zul/dialect/JetDates.h"

#include <QDateTime>
#include <cmath>

namespace JetDates {

namespace {

// days_from_civil / civil_from_days of the proleptic Gregorian calendar (day 0 = 1970-01-01).
long long DaysFromEpoch(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kBaseFromEpoch = -25569;  // 1899-12-30 counted from 1970-01-01

struct Fields {
  int n[3] = {0, 0, 0};
  int count = 0;
  char sep = 0;
};

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads "h:n[:s] [AM|PM]" or "h AM|PM" from i; false on anything else.
bool ParseTime(QStringView s, qsizetype& i, double& fraction) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  while (count < 3) {
    const qsizetype start = i;
    int v = 0;
    while (i < s.size() && s[i].isDigit() && i - start < 2) v = v * 10 + s[i++].digitValue();
    if (i == start) return false;
    parts[count++] = v;
    if (count < 3 && i < s.size() && s[i] == u':') {
      ++i;
      continue;
    }
    break;
  }
  qsizetype j = i;
  while (j < s.size() && IsBlank(s[j])) ++j;
  int hour = parts[0];
  if (j + 1 < s.size() && (s[j + 1] == u'M' || s[j + 1] == u'm')) {
    const QChar c = s[j].toUpper();
    if (c != u'A' && c != u'P') return false;
    if (hour < 1 || hour > 12) return false;
    if (c == u'A' && hour == 12) hour = 0;
    if (c == u'P' && hour != 12) hour += 12;
    i = j + 2;
  } else if (count < 2) {
    return false;
  }
  if (hour > 23 || parts[1] > 59 || parts[2] > 59) return false;
  fraction = EncodeTime(hour, parts[1], parts[2]);
  return true;
}

int FixYear(int y, int digits) {
  if (digits <= 2) return y < 30 ? 2000 + y : 1900 + y;
  return y;
}

bool Parse(QStringView text, double& value, bool dayFirst) {
  QStringView s = text.trimmed();
  if (s.isEmpty()) return false;
  qsizetype i = 0;
  // A time alone.
  {
    qsizetype j = 0;
    while (j < s.size() && s[j].isDigit()) ++j;
    if (j < s.size() && s[j] == u':') {
      double f = 0;
      if (!ParseTime(s, i, f) || i != s.size()) return false;
      value = f;
      return true;
    }
  }
  Fields f;
  int digits[3] = {0, 0, 0};
  while (f.count < 3) {
    qsizetype start = i;
    int v = 0;
    while (i < s.size() && s[i].isDigit() && i - start < 5) v = v * 10 + s[i++].digitValue();
    if (i == start) return false;
    digits[f.count] = static_cast<int>(i - start);
    f.n[f.count++] = v;
    if (f.count == 3) break;
    if (i >= s.size()) break;
    const char c = static_cast<char>(s[i].unicode());
    if (c != '/' && c != '-' && c != '.') break;
    if (f.sep == 0) f.sep = c;
    if (c != f.sep) return false;
    ++i;
  }
  if (f.count != 3) return false;
  int y, m, d;
  if (digits[0] > 2) {  // year first
    y = f.n[0], m = f.n[1], d = f.n[2];
  } else if (dayFirst) {
    d = f.n[0], m = f.n[1], y = FixYear(f.n[2], digits[2]);
  } else {
    m = f.n[0], d = f.n[1], y = FixYear(f.n[2], digits[2]);
  }
  if (!IsValidDate(y, m, d)) return false;
  double time = 0;
  if (i < s.size()) {
    if (!IsBlank(s[i])) return false;
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (!ParseTime(s, i, time) || i != s.size()) return false;
  }
  Parts p;
  p.year = y, p.month = m, p.day = d;
  value = Encode(p);
  value = value < 0 ? value - time : value + time;
  return true;
}

}  // namespace

long long DaysFromCivil(int year, int month, int day) {
  return DaysFromEpoch(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kBaseFromEpoch;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
  long long z = days + kBaseFromEpoch + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

bool IsValidDate(int year, int month, int day) {
  static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  if (day > kDays[month - 1]) return false;
  if (month == 2 && day == 29) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return true;
}

double EncodeTime(int hour, int minute, int second, int msec) {
  return ((hour * 3600.0 + minute * 60.0 + second) * 1000.0 + msec) / 86400000.0;
}

double Encode(const Parts& p) {
  const double days = static_cast<double>(DaysFromCivil(p.year, p.month, p.day));
  const double time = EncodeTime(p.hour, p.minute, p.second, p.msec);
  return days < 0 ? days - time : days + time;
}

bool Decode(double value, Parts& p) {
  if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0) return false;
  double whole = std::trunc(value);
  long long ms = std::llround(std::fabs(value - whole) * 86400000.0);
  if (ms >= 86400000) {  // rounding reached midnight
    ms = 0;
    whole += value < 0 ? -1 : 1;
  }
  CivilFromDays(static_cast<long long>(whole), p.year, p.month, p.day);
  p.hour = static_cast<int>(ms / 3600000);
  p.minute = static_cast<int>(ms / 60000 % 60);
  p.second = static_cast<int>(ms / 1000 % 60);
  p.msec = static_cast<int>(ms % 1000);
  return p.year >= 100 && p.year <= 9999;
}

double Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  Parts p;
  p.year = d.year(), p.month = d.month(), p.day = d.day();
  p.hour = t.hour(), p.minute = t.minute(), p.second = t.second(), p.msec = t.msec();
  return Encode(p);
}

double Today() {
  const QDate d = QDate::currentDate();
  return static_cast<double>(DaysFromCivil(d.year(), d.month(), d.day()));
}

bool ParseLiteral(QStringView text, double& value) { return Parse(text, value, false); }
bool ParseLocal(QStringView text, double& value) { return Parse(text, value, true); }

}  // namespace JetDates
