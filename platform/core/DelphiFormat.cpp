#include "platform/core/DelphiFormat.h"

#include <QChar>
#include <QMetaType>
#include <QVariant>
#include <cmath>
#include <cstdint>

#include "platform/core/Currency.h"
#include "platform/core/DecimalText.h"
#include "platform/core/Exceptions.h"

namespace {

// Largest width, precision or index accepted in a directive.
constexpr int kMaxNumber = 1000000;
const QChar kDecimal = QLatin1Char(',');
const QChar kThousands = QLatin1Char('.');

[[noreturn]] void Invalid(const QString& format) {
  throw EConvertError(
      QStringLiteral("El formato '%1' no es válido o no es compatible con el argumento").arg(format));
}

// An integer argument, with the width of the classic argument it stands for (32 or 64 bits).
struct IntegerArg {
  bool isUnsigned = false;
  bool wide = false;
  std::int64_t s = 0;
  std::uint64_t u = 0;
};

bool ReadInteger(const QVariant& v, IntegerArg& out) {
  switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::SChar:
      out.s = v.toLongLong();
      return true;
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
      out.isUnsigned = true;
      out.u = v.toULongLong();
      return true;
    case QMetaType::LongLong:
    case QMetaType::Long:
      out.wide = true;
      out.s = v.toLongLong();
      return true;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
      out.wide = true;
      out.isUnsigned = true;
      out.u = v.toULongLong();
      return true;
    default:
      return false;
  }
}

// The digits of a numeric argument; a text for the non-finite doubles.
bool ReadNumber(const QVariant& v, DecimalText::Number& out, QString& special) {
  IntegerArg i;
  if (ReadInteger(v, i)) {
    out = i.isUnsigned ? DecimalText::FromUnsigned(i.u, false) : DecimalText::FromInteger(i.s);
    return true;
  }
  const int id = v.metaType().id();
  if (id == qMetaTypeId<Currency>()) {
    out = DecimalText::FromScaled(v.value<Currency>().Raw(), 4);
    return true;
  }
  if (id == QMetaType::Double || id == QMetaType::Float) {
    const double d = v.toDouble();
    if (std::isnan(d)) {
      special = QStringLiteral("NAN");
    } else if (std::isinf(d)) {
      special = d < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    } else {
      out = id == QMetaType::Float ? DecimalText::FromFloat(v.toFloat()) : DecimalText::FromDouble(d);
    }
    return true;
  }
  return false;
}

bool ReadText(const QVariant& v, QString& out) {
  switch (v.metaType().id()) {
    case QMetaType::QString:
      out = v.toString();
      return true;
    case QMetaType::QByteArray:
      out = QString::fromUtf8(v.toByteArray());
      return true;
    case QMetaType::QChar:
      out = QString(v.toChar());
      return true;
    case QMetaType::Char:
      out = QString(QChar::fromLatin1(v.value<char>()));
      return true;
    default:
      return false;
  }
}

QString ZeroPadded(QString digits, int minDigits) {
  if (digits.size() < minDigits) digits.prepend(QString(minDigits - digits.size(), QLatin1Char('0')));
  return digits;
}

class Formatter {
public:
  Formatter(const QString& format, const QVariantList& args) : m_format(format), m_args(args) {}

  QString Run() {
    QString out;
    out.reserve(m_format.size());
    const qsizetype n = m_format.size();
    while (m_pos < n) {
      const QChar c = m_format[m_pos++];
      if (c != QLatin1Char('%')) {
        out.append(c);
        continue;
      }
      if (m_pos < n && m_format[m_pos] == QLatin1Char('%')) {
        out.append(c);
        ++m_pos;
        continue;
      }
      out.append(Directive());
    }
    return out;
  }

private:
  QChar Peek() const { return m_pos < m_format.size() ? m_format[m_pos] : QChar(); }

  const QVariant& NextArg() {
    if (m_argIndex < 0 || m_argIndex >= m_args.size()) Invalid(m_format);
    return m_args[m_argIndex++];
  }

  // Digits or "*" (taken from the arguments); false when neither is there.
  bool ReadCount(int& value) {
    if (Peek() == QLatin1Char('*')) {
      ++m_pos;
      IntegerArg a;
      if (!ReadInteger(NextArg(), a)) Invalid(m_format);
      if (a.isUnsigned ? a.u > kMaxNumber : (a.s > kMaxNumber || a.s < -kMaxNumber)) Invalid(m_format);
      value = a.isUnsigned ? static_cast<int>(a.u) : static_cast<int>(a.s);
      return true;
    }
    auto isDigit = [this] { return Peek().unicode() >= '0' && Peek().unicode() <= '9'; };
    if (!isDigit()) return false;
    qint64 v = 0;
    while (isDigit()) {
      v = v * 10 + (Peek().unicode() - '0');
      if (v > kMaxNumber) Invalid(m_format);
      ++m_pos;
    }
    value = static_cast<int>(v);
    return true;
  }

  QString Directive() {
    int first = 0;
    bool haveFirst = ReadCount(first);
    if (haveFirst && Peek() == QLatin1Char(':')) {
      ++m_pos;
      if (first < 0) Invalid(m_format);
      m_argIndex = first;
      haveFirst = false;
    }
    bool left = false;
    int width = 0;
    if (haveFirst) {
      width = first;
    } else {
      if (Peek() == QLatin1Char('-')) {
        left = true;
        ++m_pos;
      }
      ReadCount(width);
    }
    if (width < 0) width = 0;
    int precision = -1;
    if (Peek() == QLatin1Char('.')) {
      ++m_pos;
      if (!ReadCount(precision)) Invalid(m_format);
      if (precision < 0) precision = -1;
    }
    if (m_pos >= m_format.size()) Invalid(m_format);
    const char16_t code = m_format[m_pos++].toLower().unicode();
    const char type = code < 128 ? static_cast<char>(code) : '?';
    QString body;
    switch (type) {
      case 'd':
      case 'u':
      case 'x':
        body = IntegerBody(type, NextArg(), precision);
        break;
      case 's': {
        if (!ReadText(NextArg(), body)) Invalid(m_format);
        if (precision >= 0 && body.size() > precision) body.truncate(precision);
        break;
      }
      case 'f':
      case 'n':
      case 'm':
      case 'e':
      case 'g':
        body = FloatBody(type, NextArg(), precision);
        break;
      default:
        Invalid(m_format);
    }
    if (body.size() < width) {
      const QString pad(width - body.size(), QLatin1Char(' '));
      body = left ? body + pad : pad + body;
    }
    return body;
  }

  QString IntegerBody(char type, const QVariant& arg, int precision) {
    IntegerArg a;
    if (!ReadInteger(arg, a)) Invalid(m_format);
    bool negative = false;
    QString digits;
    if (type == 'd') {
      if (a.isUnsigned) {
        digits = QString::number(a.u);
      } else {
        negative = a.s < 0;
        digits = QString::number(negative ? std::uint64_t{0} - static_cast<std::uint64_t>(a.s)
                                          : static_cast<std::uint64_t>(a.s));
      }
    } else {
      // A negative value shows as the two's complement of its size.
      std::uint64_t bits = a.isUnsigned ? a.u : static_cast<std::uint64_t>(a.s);
      if (!a.wide) bits &= 0xFFFFFFFFu;
      digits = type == 'u' ? QString::number(bits) : QString::number(bits, 16).toUpper();
    }
    digits = ZeroPadded(digits, precision);
    return negative ? QLatin1Char('-') + digits : digits;
  }

  QString FloatBody(char type, const QVariant& arg, int precision) {
    DecimalText::Number n;
    QString special;
    if (!ReadNumber(arg, n, special)) Invalid(m_format);
    if (!special.isEmpty()) return special;
    switch (type) {
      case 'e':
        return DecimalText::Scientific(n, precision < 0 ? 15 : precision, kDecimal);
      case 'g': {
        const int digits = precision < 0 ? 15 : (precision == 0 ? 1 : precision);
        return DecimalText::General(DecimalText::RoundedToSignificant(n, digits), digits, kDecimal);
      }
      default:
        break;
    }
    const int decimals = precision < 0 ? 2 : precision;
    const DecimalText::Number r = DecimalText::RoundedToDecimals(n, decimals);
    if (type == 'f') return DecimalText::Fixed(r, decimals, kDecimal);
    QString text = DecimalText::Fixed(r, decimals, kDecimal, kThousands);
    if (type == 'm') text += QStringLiteral(" €");
    return text;
  }

  const QString& m_format;
  const QVariantList& m_args;
  qsizetype m_pos = 0;
  qsizetype m_argIndex = 0;
};

}  // namespace

QString Format(const QString& format, const QVariantList& args) { return Formatter(format, args).Run(); }
