#pragma once
// The Spanish account number (CCC): 20 digits, entity (4), office (4), two control
// digits and account (10), the control digits by the Spanish banking rule.

#include <QChar>
#include <QString>
#include <optional>

// Result codes of CompruebaCCC.
enum TResultadoCCC : int {
  cccCorrecto = 0,
  cccDigitosIncorrectos = 1,
  cccLongitudIncorrecta = 3,  // not 20 characters after cleaning
  cccIncalculable = 5,        // the control digits cannot be computed
};

// The control digit of a group of at most 10 digits, weighted 6, 3, 7, 9, 10, 5,
// 8, 4, 2, 1 from the right; nullopt for a non-digit or a longer group.
std::optional<QChar> DigitoControlCCC(const QString& group);

// The two control digits of entity, office and account, each made only of digits
// (left-padded with "0" to 4, 4 and 10); nullopt when a part is empty, holds
// anything but digits (blanks and signs included) or is too long.
std::optional<QString> CalculaDigitosControlCCC(const QString& entity, const QString& office,
                                                const QString& account);

// Checks a CCC after upper-casing, trimming and keeping only 0-9 and A-Z.
TResultadoCCC CompruebaCCC(const QString& ccc);

// "eeee-oooo-dd-cccccccccc" of the trimmed text when it has 20 characters; the
// trimmed text otherwise.
QString FormateaCCC(const QString& ccc);
