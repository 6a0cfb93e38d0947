#pragma once
// The Spanish tax identifier of a person (NIF/DNI): its number and control letter.

#include <QString>

// Trims, upper-cases and keeps digits and letters A-Z. Digits followed by at most
// one letter become the number left-padded to 8 digits and its computed control
// letter; anything else (a leading letter, two letters, the number 0) passes
// through as the characters kept. Digit runs of any length are exact.
QString NormalizaNIF(const QString& nif);

// The control letter of a number given its remainder modulo 23 (0-22).
QChar LetraNIF(int resto23);
