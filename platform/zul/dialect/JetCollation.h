#pragma once
// The JETNOCASE order and LIKE matching: case-insensitive, accent-sensitive,
// Unicode-aware, ordered as in Spanish (ICU through QCollator, locale es_ES, case
// ignored). Texts made only of ASCII take a table-driven path that gives exactly the
// order of the ICU path.

class JetCollation {
public:
  // <0, 0, >0; a and b are UTF-8 of the given byte lengths.
  static int Compare(const char* a, int lenA, const char* b, int lenB);
  // The same order, always through ICU (the reference for the ASCII path).
  static int CompareSlow(const char* a, int lenA, const char* b, int lenB);

  // SQL LIKE: '%' any run, '_' one character, `escape` (0 for none) makes the next
  // pattern character literal. Letters match regardless of case; accents count.
  static bool Like(const char* pattern, int lenPattern, const char* text, int lenText, char32_t escape);
};
