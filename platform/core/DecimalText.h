#pragma once
// Decimal numbers as text: the digits of a value with its decimal point, used to
// round and lay out amounts and doubles exactly as they are written (the shortest
// text of a double, not its binary expansion), and to read numbers typed with either
// decimal separator.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <string>

namespace DecimalText {

// value = 0.<digits> * 10^point, e.g. 123.45 is {"12345", 3} and 0.001 is {"1", -2}.
// Zero has no digits. Digits never start or end with '0'.
struct Number {
  bool negative = false;
  std::string digits;
  int point = 0;

  bool IsZero() const { return digits.empty(); }
};

Number FromDouble(double value);  // shortest round-trip digits; value must be finite
Number FromFloat(float value);    // shortest digits of the float
Number FromUnsigned(std::uint64_t magnitude, bool negative);
Number FromInteger(std::int64_t value);
Number FromScaled(std::int64_t raw, int scale);  // raw / 10^scale

// Reads "12", "-12.5", "1.234,56", "1,234.56", " 3.1 ". When both '.' and ',' occur the
// last one is the decimal separator and the other separates thousands; a single kind
// occurring once is the decimal separator, occurring more than once it separates
// thousands. Thousands groups must be complete (1-3 digits, then groups of 3).
// With allowExponent an "E-5" style exponent may follow.
std::optional<Number> Parse(QStringView text, bool allowExponent);

// Rounded to `decimals` decimals / `significant` digits, halves away from zero.
Number RoundedToDecimals(const Number& n, int decimals);
Number RoundedToSignificant(const Number& n, int significant);

// The value as a scaled integer (raw = value * 10^scale, which must be exact after
// rounding to `scale` decimals); nullopt when it does not fit in int64.
std::optional<std::int64_t> ToScaled(const Number& n, int scale);
// The value as a double (correctly rounded); nullopt when out of range.
std::optional<double> ToDouble(const Number& n);

// Fixed layout with exactly `decimals` decimals (n should already be rounded to them);
// a null `thousands` writes no group separators. A zero value never shows a sign.
QString Fixed(const Number& n, int decimals, QChar decimalSeparator, QChar thousands = QChar());
// Fixed layout when the value has at most `maxIntegerDigits` integer digits and is
// not below 0.00001, otherwise "1,5E20" / "1E-5"; no trailing zeros.
QString General(const Number& n, int maxIntegerDigits, QChar decimalSeparator);
// "-d,ddddE+ddd": `significant` digits in total and an exponent of at least 3 digits.
QString Scientific(const Number& n, int significant, QChar decimalSeparator);

}  // namespace DecimalText
