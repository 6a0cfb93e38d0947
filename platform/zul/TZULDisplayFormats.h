#pragma once
// How field values are written as text and read back, the same in the record's
// controls and in the grids: amounts through the program's currency mask
// (pluggable, since the mask is an application setting), dates as dd/MM/yyyy,
// times as hh:mm, numbers with the Spanish decimal comma.

#include <QString>
#include <QVariant>
#include <functional>

#include "platform/core/Currency.h"
#include "platform/zul/FieldType.h"

class TZULDisplayFormats {
public:
  using CurrencyFormatter = std::function<QString(Currency)>;

  // The text of an amount as shown; the default is "1.234,50".
  static QString FormatCurrency(Currency amount);
  // Plugs the program's mask; an empty function restores the default.
  static void SetCurrencyFormatter(CurrencyFormatter formatter);

  // The text shown for a field value (empty for null).
  static QString DisplayText(const QVariant& value, TFieldType type);
  // The text while the person edits it: amounts without the mask ("1234,5").
  // Date-times at midnight are written as a date alone.
  static QString EditText(const QVariant& value, TFieldType type);
  // The value of a typed text for a field type; an empty text is null. Dates are
  // d/M/yyyy or d/M/yy (30 to 99 are of the 1900s), date-times may add h:mm, times
  // are h:mm or h:mm:ss; integers must fit the field's size. Raises EConvertError
  // with a Spanish message ("«x» no es ...") when the text is not a value of the type.
  static QVariant ParseText(const QString& text, TFieldType type);

  static bool IsInteger(TFieldType type);
  static bool IsDate(TFieldType type);    // date, time or date and time
  static bool IsNumber(TFieldType type);  // integers, floats and amounts
};
