#pragma once
// Jet's Format(value, mask) as jet_format. Output is Spanish, as the program's users
// read it: ',' for decimals and '.' between thousands ("#,##0.00" writes 1.234,50),
// Spanish month and day names. Masks:
// - numbers: 0 # . , % literals "text" \c, up to four sections (positive;negative;
//   zero;null); rounding takes halves away from zero (Format(2.5, "0") is "3");
// - dates and times on day numbers: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss
//   (m after h or before s is minutes, so "hh:mm" works), w ww q y, AM/PM, / :;
// - texts: > (upper case), < (lower case), @ & placeholders;
// - the named formats General Number, Currency, Fixed, Standard, Percent, Yes/No,
//   True/False, On/Off, General Date, Long/Medium/Short Date and Time.
// A value that rounds to zero loses its minus sign ("0", not Jet's "-0").

#include <QString>
#include <QStringView>

struct sqlite3;

namespace JetFormat {

// True when the mask formats dates (it has date or time codes and no digit placeholders).
bool IsDateMask(QStringView mask);
QString FormatNumber(double value, QStringView mask);
// False when the day number is out of the range of dates.
bool FormatDate(double value, QStringView mask, QString& out);
QString FormatText(const QString& text, QStringView mask);

int Register(sqlite3* db);

}  // namespace JetFormat
