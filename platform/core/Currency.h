#pragma once
// Fixed-point amount with four decimals (int64 scaled by 10000), as amounts,
// percentages and unit counts are kept. Arithmetic is exact; rounding to cents
// happens only where a caller asks for it, halves away from zero.

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

class Currency {
public:
  static constexpr std::int64_t Scale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(std::int64_t raw) {
    Currency c;
    c.m_raw = raw;
    return c;
  }
  static Currency FromInt(std::int64_t units);  // throws EConvertError on overflow
  // Nearest four-decimal value, halves away from zero; throws EConvertError when
  // the value is not finite or out of range.
  static Currency FromDouble(double value);
  // Accepts "12", "-12.5", "1234,5678", "1.234,56" (Spanish thousands), "  3.1 ";
  // more than four decimals are rounded halves away from zero. nullopt when not a number.
  static std::optional<Currency> TryParse(const QString& text);
  // Like TryParse, raising EConvertError with a Spanish message on bad text.
  static Currency Parse(const QString& text);

  constexpr std::int64_t Raw() const { return m_raw; }
  double ToDouble() const;
  // Plain text with '.' as decimal separator and no trailing zeros: "12.5", "-3", "0.0001".
  QString ToString() const;
  // Fixed decimals (0..4) with the given separator, no thousands: ToFixed(2, ',') -> "12,50".
  QString ToFixed(int decimals, QChar decimalSeparator = QLatin1Char('.')) const;

  // Round to `decimals` (0..4) decimals, halves away from zero.
  Currency Rounded(int decimals) const;
  Currency RoundedToCents() const { return Rounded(2); }

  Currency operator-() const;
  Currency operator+(Currency other) const;  // these throw EConvertError on overflow
  Currency operator-(Currency other) const;
  // Product and quotient are exact to the nearest 1/10000, halves away from zero.
  Currency operator*(Currency other) const;
  Currency operator/(Currency other) const;  // throws EConvertError on division by zero
  Currency operator*(std::int64_t factor) const;
  Currency& operator+=(Currency other) { return *this = *this + other; }
  Currency& operator-=(Currency other) { return *this = *this - other; }
  Currency& operator*=(Currency other) { return *this = *this * other; }
  Currency& operator/=(Currency other) { return *this = *this / other; }

  constexpr auto operator<=>(const Currency&) const = default;
  constexpr bool IsZero() const { return m_raw == 0; }

private:
  std::int64_t m_raw = 0;
};

Q_DECLARE_METATYPE(Currency)
