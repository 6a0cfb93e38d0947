#pragma once
// The Jet functions the translator knows: the name of the registered SQL function
// that implements each (jet_<name>), and whether its result is surely a number (which
// lets '+' stay SQLite's addition). Names not listed pass through unchanged.

#include <QStringView>

class JetFunctionNames {
public:
  enum class Kind : unsigned char {
    Rename,  // call the SQL function `sql`
    Native,  // SQLite's own function of the same name (Sum, Count, Avg)
    IsNull,  // IsNull(x) becomes ((x) IS NULL)
  };
  struct Entry {
    const char* jet;  // upper case, without '$'
    const char* sql;
    bool numeric;
    Kind kind;
  };

  // Case-insensitive; a trailing '$' (Left$, Mid$) is ignored. Null when unknown.
  static const Entry* Lookup(QStringView name);
};
