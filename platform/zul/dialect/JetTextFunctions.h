#pragma once
// The text functions of Jet as SQL functions: jet_left, jet_mid, jet_val, jet_add ('+'),
// jet_cat ('&'), ... Null in gives null out unless Jet says otherwise.

struct sqlite3;

namespace JetTextFunctions {

int Register(sqlite3* db);

}  // namespace JetTextFunctions
