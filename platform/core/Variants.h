#pragma once
// Variant helpers. Values travel as QVariant: an invalid QVariant is "empty", a
// std::nullptr_t variant is "null" (the database null), dates are QDateTime (UTC
// wall-clock, see DayDate.h), amounts are Currency.

#include <QVariant>
#include <cstdint>

#include "platform/core/Currency.h"
#include "platform/core/DayDate.h"

// The variant kinds, numbered as the classic variant type codes, so that messages
// that print a type code keep their meaning.
enum class VariantKind : std::uint16_t {
  Empty = 0x0000,
  Null = 0x0001,
  SmallInt = 0x0002,
  Integer = 0x0003,
  Single = 0x0004,
  Double = 0x0005,
  Currency = 0x0006,
  Date = 0x0007,
  OleStr = 0x0008,
  Boolean = 0x000B,
  Variant = 0x000C,
  ShortInt = 0x0010,
  Byte = 0x0011,
  Word = 0x0012,
  LongWord = 0x0013,
  Int64 = 0x0014,
  UInt64 = 0x0015,
  String = 0x0100,
  UString = 0x0102,
  Array = 0x2000,
};

namespace Var {

QVariant Null();
inline QVariant Empty() { return QVariant(); }
QVariant FromCurrency(Currency c);
QVariant FromDate(TDateTime value);  // a date variant (QDateTime)

bool IsEmpty(const QVariant& v);  // invalid QVariant
bool IsNull(const QVariant& v);   // the database null (also a null-valued typed QVariant)
bool IsNullOrEmpty(const QVariant& v);
// Equal as a person reads them: both null, texts without regard to case, otherwise
// as numbers (values that are not numbers are never equal).
bool SameValue(const QVariant& a, const QVariant& b);

// The kind of a variant. QString is UString, QByteArray String, a list Array|Variant,
// QDate/QDateTime Date, qint16 SmallInt, uchar Byte; anything without a kind gives
// 0x2000|0x000C for lists and 0x4000 for unknown types.
std::uint16_t KindCode(const QVariant& v);
VariantKind Kind(const QVariant& v);

// Conversions used by rules; they raise EVariantError with a Spanish message when the
// value cannot be converted. Null and empty convert to 0, "", false, 0.0.
// Reals and amounts become integers rounded to the nearest, halves to even (the
// classic variant conversion: 2.5 -> 2, 3.5 -> 4); true is 1; a date gives its day
// number (to integers: the day only). Texts are read as numbers with '.' or ','
// decimals (see Currency::TryParse), and ToDateTime also reads "dd/mm/yyyy [hh:nn[:ss]]"
// and "yyyy-mm-ddThh:nn:ss". ToString writes reals in their shortest form with ','
// ("0,1", "1E20"), amounts with ',', dates as DayDate::ToDisplayString, "True"/"False".
qint64 ToInt64(const QVariant& v);
int ToInt(const QVariant& v);
double ToDouble(const QVariant& v);
Currency ToCurrency(const QVariant& v);
bool ToBool(const QVariant& v);
QString ToString(const QVariant& v);
TDateTime ToDateTime(const QVariant& v);

// The value as a 32-bit integer, or 0 when it cannot be converted (never raises).
int VarAEnter(const QVariant& v);

}  // namespace Var
