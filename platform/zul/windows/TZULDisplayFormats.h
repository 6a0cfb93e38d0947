#pragma once
// How data-aware controls write values as text and read them back: amounts through
// the program's currency mask (pluggable, since the mask is an application
// setting), dates as dd/MM/yyyy, numbers with the Spanish decimal comma.

#include <QString>
#include <QVariant>
#include <functional>

#include "platform/core/Currency.h"
#include "platform/zul/FieldType.h"

class TZULDisplayFormats {
public:
  using CurrencyFormatter = std::function<QString(Currency)>;

  // The text of an amount shown by a control; the default is "1.234,50".
  static QString FormatCurrency(Currency amount);
  // Plugs the program's mask; an empty function restores the default.
  static void SetCurrencyFormatter(CurrencyFormatter formatter);

  // The text a line edit shows for a field value (empty for null).
  static QString DisplayText(const QVariant& value, TFieldType type);
  // The text while the person edits it: amounts without the mask ("1234,5").
  static QString EditText(const QVariant& value, TFieldType type);
  // The value of a typed text for a field type; an empty text is null. Raises
  // EConvertError with a Spanish message when the text is not a value of the type.
  static QVariant ParseText(const QString& text, TFieldType type);

  static bool IsInteger(TFieldType type);
  static bool IsDate(TFieldType type);  // date, time or date and time
};
