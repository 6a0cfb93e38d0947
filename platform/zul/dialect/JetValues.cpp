#include "platform/zul/dialect/JetValues.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace JetValues {

namespace {

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

constexpr double kExactLimit = 9007199254740992.0;  // 2^53

}  // namespace

bool ParseNumber(const char* s, int n, double& value) {
  int i = 0;
  while (i < n && IsBlankByte(s[i])) ++i;
  while (n > i && IsBlankByte(s[n - 1])) --n;
  if (i >= n) return false;
  const bool comma = std::memchr(s + i, ',', static_cast<size_t>(n - i)) != nullptr;
  char buf[128];
  int k = 0;
  if (s[i] == '+' || s[i] == '-') buf[k++] = s[i++];
  bool digits = false;
  bool point = false;
  for (; i < n && k < 100; ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      buf[k++] = c;
      digits = true;
    } else if (comma && c == '.' && !point) {
      continue;  // thousands separator
    } else if ((comma ? c == ',' : c == '.') && !point) {
      buf[k++] = '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    int j = i + 1;
    int start = k;
    buf[k++] = 'e';
    if (j < n && (s[j] == '+' || s[j] == '-')) buf[k++] = s[j++];
    const int expDigits = j;
    while (j < n && s[j] >= '0' && s[j] <= '9' && k < 120) buf[k++] = s[j++];
    if (j == expDigits) {
      k = start;
    } else {
      i = j;
    }
  }
  if (i != n) return false;
  buf[k] = 0;
  value = std::strtod(buf, nullptr);
  return std::isfinite(value);
}

bool ToNumber(sqlite3_value* v, double& value) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      value = static_cast<double>(sqlite3_value_int64(v));
      return true;
    case SQLITE_FLOAT:
      value = sqlite3_value_double(v);
      return true;
    case SQLITE_TEXT:
      return ParseNumber(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v), value);
    default:
      return false;
  }
}

bool IsInteger(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_INTEGER; }

QString NumberText(double value) {
  if (value == 0) return QStringLiteral("0");
  if (std::fabs(value) < 1e15 && value == std::trunc(value))
    return QString::number(static_cast<qint64>(value));
  QString s = QString::number(value, 'g', 15);
  s.replace(u'.', u',');
  s.replace(u'e', u'E');
  return s;
}

QString TextOf(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      return QString::number(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
      return NumberText(sqlite3_value_double(v));
    case SQLITE_NULL:
      return QString();
    default:
      return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
  }
}

Utf8::Utf8(sqlite3_value* v) {
  const int type = sqlite3_value_type(v);
  if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
    const unsigned char* t = sqlite3_value_text(v);
    m_size = sqlite3_value_bytes(v);
    m_data = t ? reinterpret_cast<const char*>(t) : "";
  } else if (type != SQLITE_NULL) {
    m_buf = TextOf(v).toUtf8();
    m_data = m_buf.constData();
    m_size = static_cast<int>(m_buf.size());
  }
}

bool Utf8::isAscii() const {
  for (int i = 0; i < m_size; ++i) {
    if (static_cast<unsigned char>(m_data[i]) >= 0x80) return false;
  }
  return true;
}

Decimal Decimal::FromDouble(double value) {
  Decimal d;
  if (value == 0 || !std::isfinite(value)) return d;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", value);  // [-]d.dddddddddddddde[+-]xx
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits[d.count++] = *p;
  }
  d.exp = std::atoi(p + 1) + 1;
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

void Decimal::RoundTo(int decimals, bool halfEven) {
  const int keep = exp + decimals;  // digits that stay
  if (keep >= count) return;
  if (keep < 0) {
    count = 0;
    return;
  }
  const char cut = digits[keep];
  bool rest = false;
  for (int k = keep + 1; k < count; ++k) rest = rest || digits[k] != '0';
  bool up;
  if (cut > '5' || (cut == '5' && rest)) {
    up = true;
  } else if (cut == '5') {
    up = !halfEven || (keep > 0 && (digits[keep - 1] - '0') % 2 == 1);
  } else {
    up = false;
  }
  count = keep;
  if (up) {
    int k = keep - 1;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k >= 0) {
      ++digits[k];
    } else {
      std::memmove(digits + 1, digits, static_cast<size_t>(count));
      digits[0] = '1';
      ++count;
      ++exp;
    }
  }
  while (count > 0 && digits[count - 1] == '0') --count;
}

double Decimal::ToDouble() const {
  if (count == 0) return 0;
  char buf[48];
  int k = 0;
  if (negative) buf[k++] = '-';
  buf[k++] = '0';
  buf[k++] = '.';
  std::memcpy(buf + k, digits, static_cast<size_t>(count));
  k += count;
  std::snprintf(buf + k, sizeof buf - static_cast<size_t>(k), "e%d", exp);
  return std::strtod(buf, nullptr);
}

QString Decimal::IntegerDigits() const {
  if (exp <= 0 || count == 0) return QStringLiteral("0");
  QString s;
  s.reserve(exp);
  for (int k = 0; k < exp; ++k) s += QLatin1Char(k < count ? digits[k] : '0');
  return s;
}

QString Decimal::FractionDigits(int decimals) const {
  QString s;
  s.reserve(decimals);
  for (int k = 0; k < decimals; ++k) {
    const int index = exp + k;  // digit position in digits[]
    s += QLatin1Char(index >= 0 && index < count ? digits[index] : '0');
  }
  return s;
}

double RoundHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  Decimal d = Decimal::FromDouble(value);
  d.RoundTo(decimals, true);
  return d.ToDouble();
}

void ResultText(sqlite3_context* ctx, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void ResultNumber(sqlite3_context* ctx, double value) {
  if (value == std::trunc(value) && std::fabs(value) <= kExactLimit) {
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(value));
  } else {
    sqlite3_result_double(ctx, value);
  }
}

void ResultError(sqlite3_context* ctx, const char* message) { sqlite3_result_error(ctx, message, -1); }

int Define(sqlite3* db, const char* name, int minArgs, int maxArgs, SqlFunction fn, bool deterministic) {
  const int flags =
      SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS : SQLITE_INNOCUOUS);
  for (int n = minArgs; n <= maxArgs; ++n) {
    const int rc = sqlite3_create_function_v2(db, name, n, flags, nullptr, fn, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

}  // namespace JetValues
