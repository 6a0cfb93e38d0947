#pragma once
// Amounts as text through number masks: "0" a digit always written, "#" a digit
// written when significant, "." the decimal point, "," anywhere groups thousands,
// quoted text and other characters literal, and up to three sections separated by
// ';' (positive; negative; zero). Output is Spanish: "1.234,50". Rounding to the
// mask's decimals goes halves away from zero; a value that rounds to zero carries
// no minus sign.

#include <QString>

#include "platform/core/Currency.h"

QString FormatCurrencyMask(Currency amount, const QString& mask);
// With the framework parameter "DIVISA_MASK" (default "#,##0.00").
QString FormatCurrency(Currency amount);
