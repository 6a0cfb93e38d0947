#pragma once
// What the currency window edits: read from the framework parameters, checked and
// written to the application parameters of the open database.
#include <QString>

struct TCurrencySettings {
  QString name;      // short name, at most 3 characters
  QString longName;  // at most 10 characters
  QString priceDecimals;
  QString totalDecimals;
  QString mask;      // listings
  QString editMask;  // price editing
};

// The values the window opens with ("DIVISA_NOM", "DIVISA_LONGNAME", the masks,
// the decimals of "DIVISA_ROUND" and "DIVISA_TOTALROUND").
TCurrencySettings LoadCurrencySettings();
// "Por defecto": EUR, EURO, 2, 2, "#,##0.00", "#,##0.00##".
TCurrencySettings DefaultCurrencySettings();

// How many times a rounding factor can be divided by ten while above 1 (100 -> 2).
int DecimalsOfFactor(int factor);
// 10 to the number of decimals in `text`; raises "El número de decimales introducido
// no es válido" for a text that is no number and "El redondeo máximo es de 4
// decimales" when the factor is above 10000.
int FactorOfDecimals(const QString& text);

// Checks both decimals first, then writes the six parameters and runs the
// declaration procedures, which copy them into the framework parameters. Nothing is
// written when a check fails.
void SaveCurrencySettings(const TCurrencySettings& settings);
