#pragma once
// Jet's arithmetic as SQL functions: the operators '/', '\', Mod and '^' (jet_div,
// jet_idiv, jet_mod, jet_pow), rounding and the conversions CInt, CLng, CDbl, CCur, ...
// Rounding to whole numbers (Round, CInt, CLng, '\', Mod) takes halves to the even
// neighbour, as Jet does: Round(2.5) = 2, Round(3.5) = 4.

struct sqlite3;

namespace JetMathFunctions {

int Register(sqlite3* db);

}  // namespace JetMathFunctions
