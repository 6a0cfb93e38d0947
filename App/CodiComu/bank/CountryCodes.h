#pragma once
// The ISO 3166 country table of the IBAN check: 245 two-letter codes with their
// Spanish names, in ISO 3166 numeric order. It keeps the withdrawn codes AN, BU
// and ZR and lacks some newer ones (BL, BQ, CW, MF, SS, SX) and RU: the set of
// countries an IBAN may name is this one, not the current standard's.

#include <QString>
#include <span>

struct TISO_3166 {
  const char* code;  // two upper-case letters
  int numeric;       // ISO 3166 numeric code (the table's order)
  const char* name;  // Spanish name, UTF-8 (shown nowhere by the checks)
};

// The whole table, in order.
std::span<const TISO_3166> ISO3166Table();

// 1-based position of the code in the table (compared without regard to case), or -1.
int ExisteCodigoPais(const QString& code);
