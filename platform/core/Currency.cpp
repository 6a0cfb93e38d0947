#include "platform/core/Currency.h"

#include <QMetaType>
#include <cmath>
#include <limits>

#include "platform/core/DecimalText.h"
#include "platform/core/Exceptions.h"

namespace {

// 128-bit intermediates keep products and quotients of amounts exact.
__extension__ typedef __int128 Int128;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

[[noreturn]] void Overflow() {
  throw EConvertError(QStringLiteral("Desbordamiento en una operación con importes"));
}

Currency Checked(Int128 raw) {
  if (raw > kMax || raw < kMin) Overflow();
  return Currency::FromRaw(static_cast<std::int64_t>(raw));
}

// n / d rounded to the nearest integer, halves away from zero.
Int128 DivRound(Int128 n, Int128 d) {
  Int128 q = n / d;
  Int128 r = n % d;
  if (r < 0) r = -r;
  const Int128 ad = d < 0 ? -d : d;
  if (2 * r >= ad) q += ((n < 0) != (d < 0)) ? -1 : 1;
  return q;
}

constexpr std::int64_t Pow10(int n) {
  std::int64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

int ClampDecimals(int decimals) { return decimals < 0 ? 0 : (decimals > 4 ? 4 : decimals); }

// QVariant conversions, so that a Currency variant reads as a number or a text.
[[maybe_unused]] const bool kRegistered = [] {
  qRegisterMetaType<Currency>();
  QMetaType::registerConverter<Currency, double>(&Currency::ToDouble);
  QMetaType::registerConverter<Currency, QString>(&Currency::ToString);
  return true;
}();

}  // namespace

Currency Currency::FromInt(std::int64_t units) { return Checked(static_cast<Int128>(units) * Scale); }

Currency Currency::FromDouble(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e15) {
    throw EConvertError(QStringLiteral("El valor %1 no cabe en un importe").arg(value));
  }
  const DecimalText::Number n = DecimalText::RoundedToDecimals(DecimalText::FromDouble(value), 4);
  const auto raw = DecimalText::ToScaled(n, 4);
  if (!raw) Overflow();
  return FromRaw(*raw);
}

std::optional<Currency> Currency::TryParse(const QString& text) {
  const auto n = DecimalText::Parse(text, false);
  if (!n) return std::nullopt;
  const auto raw = DecimalText::ToScaled(DecimalText::RoundedToDecimals(*n, 4), 4);
  if (!raw) return std::nullopt;
  return FromRaw(*raw);
}

Currency Currency::Parse(const QString& text) {
  const auto c = TryParse(text);
  if (!c) throw EConvertError(QStringLiteral("«%1» no es un importe válido").arg(text));
  return *c;
}

double Currency::ToDouble() const { return static_cast<double>(m_raw) / static_cast<double>(Scale); }

QString Currency::ToString() const {
  const std::uint64_t magnitude =
      m_raw < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(m_raw) : static_cast<std::uint64_t>(m_raw);
  QString out = m_raw < 0 ? QStringLiteral("-") : QString();
  out += QString::number(magnitude / Scale);
  std::uint64_t frac = magnitude % Scale;
  if (frac != 0) {
    QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
    while (f.endsWith(QLatin1Char('0'))) f.chop(1);
    out += QLatin1Char('.') + f;
  }
  return out;
}

QString Currency::ToFixed(int decimals, QChar decimalSeparator) const {
  decimals = ClampDecimals(decimals);
  const Currency r = Rounded(decimals);
  const std::uint64_t magnitude = r.m_raw < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(r.m_raw)
                                              : static_cast<std::uint64_t>(r.m_raw);
  QString out = r.m_raw < 0 ? QStringLiteral("-") : QString();
  out += QString::number(magnitude / Scale);
  if (decimals > 0) {
    const std::uint64_t frac = (magnitude % Scale) / static_cast<std::uint64_t>(Pow10(4 - decimals));
    out += decimalSeparator + QStringLiteral("%1").arg(frac, decimals, 10, QLatin1Char('0'));
  }
  return out;
}

Currency Currency::Rounded(int decimals) const {
  const std::int64_t step = Pow10(4 - ClampDecimals(decimals));
  if (step == 1) return *this;
  return Checked(DivRound(m_raw, step) * step);
}

Currency Currency::operator-() const { return Checked(-static_cast<Int128>(m_raw)); }

Currency Currency::operator+(Currency other) const {
  return Checked(static_cast<Int128>(m_raw) + other.m_raw);
}

Currency Currency::operator-(Currency other) const {
  return Checked(static_cast<Int128>(m_raw) - other.m_raw);
}

Currency Currency::operator*(Currency other) const {
  return Checked(DivRound(static_cast<Int128>(m_raw) * other.m_raw, Scale));
}

Currency Currency::operator/(Currency other) const {
  if (other.m_raw == 0)
    throw EConvertError(QStringLiteral("División por cero en una operación con importes"));
  return Checked(DivRound(static_cast<Int128>(m_raw) * Scale, other.m_raw));
}

Currency Currency::operator*(std::int64_t factor) const {
  return Checked(static_cast<Int128>(m_raw) * factor);
}
