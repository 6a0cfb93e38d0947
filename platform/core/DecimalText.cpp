#include "platform/core/DecimalText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace DecimalText {
namespace {

// 128-bit intermediates keep products and quotients of amounts exact.
__extension__ typedef __int128 Int128;

// Drops leading and trailing zeros so that equal values have equal digits.
void Normalize(Number& n) {
  std::size_t lead = 0;
  while (lead < n.digits.size() && n.digits[lead] == '0') ++lead;
  n.digits.erase(0, lead);
  n.point -= static_cast<int>(lead);
  while (!n.digits.empty() && n.digits.back() == '0') n.digits.pop_back();
  if (n.digits.empty()) {
    n.point = 0;
    n.negative = false;
  }
}

// Parses the output of std::to_chars in scientific form ("-1.2345e+03").
Number FromScientificChars(const char* first, const char* last) {
  Number n;
  const char* p = first;
  if (p != last && *p == '-') {
    n.negative = true;
    ++p;
  }
  for (; p != last && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') n.digits.push_back(*p);
  }
  int exponent = 0;
  if (p != last) {
    ++p;
    if (p != last && *p == '+') ++p;
    std::from_chars(p, last, exponent);
  }
  n.point = exponent + 1;
  Normalize(n);
  return n;
}

// Keeps the first `keep` digits, rounding halves away from zero on the next one.
Number RoundAt(const Number& n, int keep) {
  if (keep >= static_cast<int>(n.digits.size())) return n;
  Number r;
  r.negative = n.negative;
  if (keep < 0) return r;  // zero
  bool up = n.digits[static_cast<std::size_t>(keep)] >= '5';
  r.digits = n.digits.substr(0, static_cast<std::size_t>(keep));
  r.point = n.point;
  if (up) {
    int i = keep - 1;
    for (; i >= 0; --i) {
      char& c = r.digits[static_cast<std::size_t>(i)];
      if (c == '9') {
        c = '0';
      } else {
        ++c;
        break;
      }
    }
    if (i < 0) {  // every digit carried: 999 -> 1000
      r.digits.insert(r.digits.begin(), '1');
      ++r.point;
    }
  }
  Normalize(r);
  return r;
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Integer part with optional group separators: 1-3 digits then groups of exactly 3.
bool ReadGroupedInteger(QStringView text, QChar thousands, std::string& out) {
  if (thousands.isNull()) {
    for (QChar c : text) {
      if (!IsDigit(c)) return false;
      out.push_back(static_cast<char>(c.unicode()));
    }
    return true;
  }
  qsizetype groupLen = 0;
  bool first = true;
  for (QChar c : text) {
    if (c == thousands) {
      if ((first && (groupLen < 1 || groupLen > 3)) || (!first && groupLen != 3)) return false;
      first = false;
      groupLen = 0;
    } else if (IsDigit(c)) {
      out.push_back(static_cast<char>(c.unicode()));
      ++groupLen;
    } else {
      return false;
    }
  }
  return first ? true : groupLen == 3;
}

}  // namespace

Number FromDouble(double value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  return FromScientificChars(buf, res.ptr);
}

Number FromFloat(float value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  return FromScientificChars(buf, res.ptr);
}

Number FromUnsigned(std::uint64_t magnitude, bool negative) {
  Number n;
  n.negative = negative;
  n.digits = std::to_string(magnitude);
  n.point = static_cast<int>(n.digits.size());
  Normalize(n);
  return n;
}

Number FromInteger(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  return FromUnsigned(magnitude, value < 0);
}

Number FromScaled(std::int64_t raw, int scale) {
  Number n = FromInteger(raw);
  if (!n.IsZero()) n.point -= scale;
  return n;
}

std::optional<Number> Parse(QStringView text, bool allowExponent) {
  QStringView s = text.trimmed();
  Number n;
  if (!s.isEmpty() && (s.front() == QLatin1Char('-') || s.front() == QLatin1Char('+'))) {
    n.negative = s.front() == QLatin1Char('-');
    s = s.mid(1);
  }
  int exponent = 0;
  if (allowExponent) {
    const qsizetype e = s.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (e >= 0) {
      QStringView ex = s.mid(e + 1);
      s = s.left(e);
      bool negExp = false;
      if (!ex.isEmpty() && (ex.front() == QLatin1Char('-') || ex.front() == QLatin1Char('+'))) {
        negExp = ex.front() == QLatin1Char('-');
        ex = ex.mid(1);
      }
      if (ex.isEmpty()) return std::nullopt;
      for (QChar c : ex) {
        if (!IsDigit(c)) return std::nullopt;
        if (exponent < 100000) exponent = exponent * 10 + (c.unicode() - '0');
      }
      if (negExp) exponent = -exponent;
    }
  }
  const qsizetype dots = s.count(QLatin1Char('.'));
  const qsizetype commas = s.count(QLatin1Char(','));
  QChar decimal;
  QChar thousands;
  if (dots > 0 && commas > 0) {
    const bool dotLast = s.lastIndexOf(QLatin1Char('.')) > s.lastIndexOf(QLatin1Char(','));
    decimal = dotLast ? QLatin1Char('.') : QLatin1Char(',');
    thousands = dotLast ? QLatin1Char(',') : QLatin1Char('.');
    if ((dotLast ? dots : commas) != 1) return std::nullopt;
  } else if (dots + commas == 1) {
    decimal = dots ? QLatin1Char('.') : QLatin1Char(',');
  } else if (dots + commas > 1) {
    thousands = dots ? QLatin1Char('.') : QLatin1Char(',');
  }
  QStringView intPart = s;
  QStringView fracPart;
  if (!decimal.isNull()) {
    const qsizetype d = s.indexOf(decimal);
    intPart = s.left(d);
    fracPart = s.mid(d + 1);
  }
  if (intPart.isEmpty() && fracPart.isEmpty()) return std::nullopt;
  if (intPart.isEmpty() && !thousands.isNull()) return std::nullopt;
  if (!ReadGroupedInteger(intPart, thousands, n.digits)) return std::nullopt;
  n.point = static_cast<int>(n.digits.size());
  if (n.point > 100000) return std::nullopt;  // absurdly long text
  for (QChar c : fracPart) {
    if (!IsDigit(c)) return std::nullopt;
    n.digits.push_back(static_cast<char>(c.unicode()));
  }
  n.point += exponent;
  Normalize(n);
  return n;
}

Number RoundedToDecimals(const Number& n, int decimals) {
  if (n.IsZero()) return n;
  return RoundAt(n, n.point + decimals);
}

Number RoundedToSignificant(const Number& n, int significant) {
  if (n.IsZero()) return n;
  return RoundAt(n, significant);
}

std::optional<std::int64_t> ToScaled(const Number& n, int scale) {
  if (n.IsZero()) return 0;
  const int zeros = n.point + scale - static_cast<int>(n.digits.size());
  if (zeros < 0 || n.point + scale > 19) return std::nullopt;
  Int128 v = 0;
  for (char c : n.digits) v = v * 10 + (c - '0');
  for (int i = 0; i < zeros; ++i) v *= 10;
  const Int128 limit = static_cast<Int128>(std::numeric_limits<std::int64_t>::max());
  if (n.negative) {
    if (v > limit + 1) return std::nullopt;
    return static_cast<std::int64_t>(-v);
  }
  if (v > limit) return std::nullopt;
  return static_cast<std::int64_t>(v);
}

std::optional<double> ToDouble(const Number& n) {
  if (n.IsZero()) return 0.0;
  std::string text = n.digits;
  text += 'e';
  text += std::to_string(static_cast<long long>(n.point) - static_cast<long long>(n.digits.size()));
  double v = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), v);
  if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return n.negative ? -v : v;
}

QString Fixed(const Number& n, int decimals, QChar decimalSeparator, QChar thousands) {
  const int len = static_cast<int>(n.digits.size());
  auto digitAt = [&](int i) -> QChar {
    return (i >= 0 && i < len) ? QLatin1Char(n.digits[static_cast<std::size_t>(i)]) : QLatin1Char('0');
  };
  QString intPart;
  if (n.point > 0) {
    intPart.reserve(n.point);
    for (int i = 0; i < n.point; ++i) intPart.append(digitAt(i));
  } else {
    intPart = QStringLiteral("0");
  }
  QString frac;
  frac.reserve(decimals);
  for (int i = 0; i < decimals; ++i) frac.append(digitAt(n.point + i));

  bool allZero = true;
  for (QChar c : intPart + frac) {
    if (c != QLatin1Char('0')) {
      allZero = false;
      break;
    }
  }
  QString out;
  if (n.negative && !allZero) out.append(QLatin1Char('-'));
  if (thousands.isNull()) {
    out.append(intPart);
  } else {
    const qsizetype len2 = intPart.size();
    for (qsizetype i = 0; i < len2; ++i) {
      if (i > 0 && (len2 - i) % 3 == 0) out.append(thousands);
      out.append(intPart[i]);
    }
  }
  if (decimals > 0) {
    out.append(decimalSeparator);
    out.append(frac);
  }
  return out;
}

QString General(const Number& n, int maxIntegerDigits, QChar decimalSeparator) {
  if (n.IsZero()) return QStringLiteral("0");
  const int len = static_cast<int>(n.digits.size());
  if (n.point >= -4 && n.point <= maxIntegerDigits) {
    return Fixed(n, len > n.point ? len - n.point : 0, decimalSeparator);
  }
  QString out;
  if (n.negative) out.append(QLatin1Char('-'));
  out.append(QLatin1Char(n.digits[0]));
  if (len > 1) {
    out.append(decimalSeparator);
    out.append(QString::fromLatin1(n.digits.data() + 1, len - 1));
  }
  out.append(QLatin1Char('E'));
  out.append(QString::number(n.point - 1));
  return out;
}

QString Scientific(const Number& n, int significant, QChar decimalSeparator) {
  if (significant < 1) significant = 1;
  const Number r = RoundedToSignificant(n, significant);
  std::string digits = r.digits;
  digits.resize(static_cast<std::size_t>(significant), '0');
  const int exponent = r.IsZero() ? 0 : r.point - 1;
  QString out;
  if (r.negative) out.append(QLatin1Char('-'));
  out.append(QLatin1Char(digits[0]));
  if (significant > 1) {
    out.append(decimalSeparator);
    out.append(QString::fromLatin1(digits.data() + 1, significant - 1));
  }
  out.append(QLatin1Char('E'));
  out.append(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'));
  out.append(QStringLiteral("%1").arg(exponent < 0 ? -exponent : exponent, 3, 10, QLatin1Char('0')));
  return out;
}

}  // namespace DecimalText
