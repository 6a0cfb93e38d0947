#pragma once
// BICs of Spanish banks by their 4-digit entity code, and the IBAN/BIC
// consistency check run before bank data are saved.

#include <QString>
#include <span>

struct TBICCode {
  const char* entidad;  // 4 decimal digits
  const char* bic;      // 11 characters
};

// The 257 entities, sorted by code, codes unique. Bank names are not carried:
// nothing uses them.
std::span<const TBICCode> BICTable();

// The BIC of the entity whose code equals `entidad` exactly (case and length
// included), or empty.
QString BuscaBICEntidad(const QString& entidad);

// Characters 5-8 of a Spanish IBAN ("ES" in either case); empty for any other.
QString EntidadDeIBAN(const QString& iban);

// An empty message means acceptable. The IBAN is validated first (CompruebaIBAN
// with the same flag); for a Spanish IBAN the BIC of its entity must exist and,
// when a BIC was given, equal it without regard to case.
QString CompruebaIBANyBIC(const QString& iban, const QString& bic, bool avisarExtranjero);
