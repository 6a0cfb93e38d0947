#include "platform/zul/dialect/JetMathFunctions.h"

#include "platform/zul/dialect/JetValues.h"

#include <sqlite3.h>

#include <cmath>
#include <cstring>

using namespace JetValues;

namespace {

bool IsNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

// Reads numeric arguments; false after setting the result (null for a null argument,
// an error for a text that is not a number).
bool Numbers(sqlite3_context* ctx, sqlite3_value** argv, int count, double* out) {
  for (int k = 0; k < count; ++k) {
    if (IsNull(argv[k])) {
      sqlite3_result_null(ctx);
      return false;
    }
  }
  for (int k = 0; k < count; ++k) {
    if (!ToNumber(argv[k], out[k])) {
      ResultError(ctx, kTypeMismatch);
      return false;
    }
  }
  return true;
}

constexpr double kInt64Limit = 9223372036854775808.0;  // 2^63

// A whole number as Jet rounds operands of '\' and Mod: halves to even.
bool ToWhole(sqlite3_context* ctx, sqlite3_value* v, double d, long long& out) {
  if (IsInteger(v)) {
    out = sqlite3_value_int64(v);
    return true;
  }
  d = RoundHalfEven(d, 0);
  if (!(d > -kInt64Limit && d < kInt64Limit)) {
    ResultError(ctx, kOverflow);
    return false;
  }
  out = static_cast<long long>(d);
  return true;
}

void Div(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v[2];
  if (!Numbers(ctx, argv, 2, v)) return;
  if (v[1] == 0) return ResultError(ctx, v[0] == 0 ? kOverflow : kDivisionByZero);
  const double r = v[0] / v[1];
  if (!std::isfinite(r)) return ResultError(ctx, kOverflow);
  sqlite3_result_double(ctx, r);
}

template <bool Modulo>
void IntegerDivision(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v[2];
  if (!Numbers(ctx, argv, 2, v)) return;
  long long a, b;
  if (!ToWhole(ctx, argv[0], v[0], a) || !ToWhole(ctx, argv[1], v[1], b)) return;
  if (b == 0) return ResultError(ctx, kDivisionByZero);
  if (b == -1) {  // avoids the overflow of LLONG_MIN / -1
    if (Modulo) return sqlite3_result_int64(ctx, 0);
    if (a == std::numeric_limits<long long>::min()) return ResultError(ctx, kOverflow);
    return sqlite3_result_int64(ctx, -a);
  }
  sqlite3_result_int64(ctx, Modulo ? a % b : a / b);
}

void Pow(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v[2];
  if (!Numbers(ctx, argv, 2, v)) return;
  if (v[0] < 0 && v[1] != std::trunc(v[1])) return ResultError(ctx, kInvalidCall);
  if (v[0] == 0 && v[1] < 0) return ResultError(ctx, kDivisionByZero);
  const double r = std::pow(v[0], v[1]);
  if (!std::isfinite(r)) return ResultError(ctx, kOverflow);
  sqlite3_result_double(ctx, r);
}

void Abs(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  if (IsInteger(argv[0]) && sqlite3_value_int64(argv[0]) != std::numeric_limits<long long>::min()) {
    const long long i = sqlite3_value_int64(argv[0]);
    return sqlite3_result_int64(ctx, i < 0 ? -i : i);
  }
  sqlite3_result_double(ctx, std::fabs(v));
}

void Sgn(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  sqlite3_result_int(ctx, v > 0 ? 1 : v < 0 ? -1 : 0);
}

// Int rounds down (Int(-2.5) = -3), Fix towards zero (Fix(-2.5) = -2).
template <bool Floor>
void WholePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  if (IsInteger(argv[0])) return sqlite3_result_value(ctx, argv[0]);
  ResultNumber(ctx, Floor ? std::floor(v) : std::trunc(v));
}

void Round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double v[2] = {0, 0};
  if (!Numbers(ctx, argv, argc, v)) return;
  const double places = RoundHalfEven(v[1], 0);
  if (places < 0 || places > 22) return ResultError(ctx, kInvalidCall);
  if (IsInteger(argv[0])) return sqlite3_result_value(ctx, argv[0]);
  const double r = RoundHalfEven(v[0], static_cast<int>(places));
  if (places == 0) return ResultNumber(ctx, r);
  sqlite3_result_double(ctx, r);
}

// CInt, CLng, CByte: halves to even, then the range of the type.
template <long long Min, long long Max>
void ToInteger(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  const double r = RoundHalfEven(v, 0);
  if (r < static_cast<double>(Min) || r > static_cast<double>(Max)) return ResultError(ctx, kOverflow);
  sqlite3_result_int64(ctx, static_cast<long long>(r));
}

void CDbl(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  sqlite3_result_double(ctx, v);
}

void CSng(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  if (std::fabs(v) > 3.402823466e38) return ResultError(ctx, kOverflow);
  // The single's value, shown with the 7 digits a single holds.
  const QByteArray shown = QByteArray::number(static_cast<double>(static_cast<float>(v)), 'g', 7);
  sqlite3_result_double(ctx, std::strtod(shown.constData(), nullptr));
}

// Currency: four decimals, halves to even.
void CCur(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  if (std::fabs(v) > 922337203685477.5807) return ResultError(ctx, kOverflow);
  sqlite3_result_double(ctx, RoundHalfEven(v, 4));
}

void CBool(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
    const QString s = TextOf(argv[0]).trimmed();
    for (const char* t : {"true", "verdadero"}) {
      if (s.compare(QLatin1StringView(t), Qt::CaseInsensitive) == 0) return sqlite3_result_int(ctx, 1);
    }
    for (const char* f : {"false", "falso"}) {
      if (s.compare(QLatin1StringView(f), Qt::CaseInsensitive) == 0) return sqlite3_result_int(ctx, 0);
    }
  }
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  sqlite3_result_int(ctx, v != 0 ? 1 : 0);
}

void IsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double v;
  sqlite3_result_int(ctx, !IsNull(argv[0]) && ToNumber(argv[0], v) ? 1 : 0);
}

// Choose(index, v1, v2, ...): null when the index is out of range.
void Choose(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc < 2) return ResultError(ctx, kInvalidCall);
  double v;
  if (!Numbers(ctx, argv, 1, &v)) return;
  const double k = RoundHalfEven(v, 0);
  if (k < 1 || k > argc - 1) return sqlite3_result_null(ctx);
  sqlite3_result_value(ctx, argv[static_cast<int>(k)]);
}

// Switch(cond1, v1, cond2, v2, ...): the value of the first true condition, else null.
void Switch(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc % 2 != 0) return ResultError(ctx, kInvalidCall);
  for (int k = 0; k < argc; k += 2) {
    double c;
    if (!IsNull(argv[k]) && ToNumber(argv[k], c) && c != 0) return sqlite3_result_value(ctx, argv[k + 1]);
  }
  sqlite3_result_null(ctx);
}

}  // namespace

int JetMathFunctions::Register(sqlite3* db) {
  struct Entry {
    const char* name;
    int minArgs, maxArgs;
    SqlFunction fn;
  };
  static constexpr Entry kEntries[] = {
      {"jet_div", 2, 2, Div},
      {"jet_idiv", 2, 2, IntegerDivision<false>},
      {"jet_mod", 2, 2, IntegerDivision<true>},
      {"jet_pow", 2, 2, Pow},
      {"jet_abs", 1, 1, Abs},
      {"jet_sgn", 1, 1, Sgn},
      {"jet_int", 1, 1, WholePart<true>},
      {"jet_fix", 1, 1, WholePart<false>},
      {"jet_round", 1, 2, Round},
      {"jet_cint", 1, 1, ToInteger<-32768, 32767>},
      {"jet_clng", 1, 1, ToInteger<-2147483648LL, 2147483647LL>},
      {"jet_cbyte", 1, 1, ToInteger<0, 255>},
      {"jet_cdbl", 1, 1, CDbl},
      {"jet_csng", 1, 1, CSng},
      {"jet_ccur", 1, 1, CCur},
      {"jet_cbool", 1, 1, CBool},
      {"jet_isnumeric", 1, 1, IsNumeric},
      {"jet_choose", -1, -1, Choose},
      {"jet_switch", -1, -1, Switch},
  };
  for (const Entry& e : kEntries) {
    const int rc = Define(db, e.name, e.minArgs, e.maxArgs, e.fn);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}
