#include "platform/zul/dialect/JetFunctions.h"

#include "platform/zul/dialect/JetCollation.h"
#include "platform/zul/dialect/JetDateFunctions.h"
#include "platform/zul/dialect/JetFormat.h"
#include "platform/zul/dialect/JetMathFunctions.h"
#include "platform/zul/dialect/JetTextFunctions.h"
#include "platform/zul/dialect/JetValues.h"

#include <sqlite3.h>

#include <QList>

namespace JetFunctions {

namespace {

int Collate(void*, int lenA, const void* a, int lenB, const void* b) {
  return JetCollation::Compare(static_cast<const char*>(a), lenA, static_cast<const char*>(b), lenB);
}

// like(pattern, text [, escape]), what SQLite calls for "text LIKE pattern [ESCAPE e]".
void Like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL ||
      (argc > 2 && sqlite3_value_type(argv[2]) == SQLITE_NULL)) {
    return sqlite3_result_null(ctx);
  }
  char32_t escape = 0;
  if (argc > 2) {
    const QString e = JetValues::TextOf(argv[2]);
    const QList<uint> ucs = e.toUcs4();
    if (ucs.size() != 1) return JetValues::ResultError(ctx, "El carácter de ESCAPE debe ser uno solo.");
    escape = ucs[0];
  }
  const JetValues::Utf8 pattern(argv[0]);
  const JetValues::Utf8 text(argv[1]);
  sqlite3_result_int(ctx,
                     JetCollation::Like(pattern.data(), pattern.size(), text.data(), text.size(), escape));
}

// First and Last: the value of the first (last) row that the group reads.
struct Held {
  sqlite3_value* value;
  bool set;
};

template <bool Last>
void HoldStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
  auto* held = static_cast<Held*>(sqlite3_aggregate_context(ctx, sizeof(Held)));
  if (!held) return sqlite3_result_error_nomem(ctx);
  if (held->set && !Last) return;
  sqlite3_value* copy = sqlite3_value_dup(argv[0]);
  if (!copy) return sqlite3_result_error_nomem(ctx);
  if (held->set) sqlite3_value_free(held->value);
  held->value = copy;
  held->set = true;
}

void HoldFinal(sqlite3_context* ctx) {
  auto* held = static_cast<Held*>(sqlite3_aggregate_context(ctx, 0));
  if (!held || !held->set) return sqlite3_result_null(ctx);
  sqlite3_result_value(ctx, held->value);
  sqlite3_value_free(held->value);
  held->set = false;
}

}  // namespace

int CompareText(const char* a, int lenA, const char* b, int lenB) {
  return JetCollation::Compare(a, lenA, b, lenB);
}

int Register(sqlite3* db) {
  int rc = sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, nullptr, &Collate, nullptr);
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
  for (int n = 2; n <= 3 && rc == SQLITE_OK; ++n) {
    rc = sqlite3_create_function_v2(db, "like", n, flags, nullptr, &Like, nullptr, nullptr, nullptr);
  }
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_function_v2(db, "jet_first", 1, SQLITE_UTF8 | SQLITE_INNOCUOUS, nullptr, nullptr,
                                    &HoldStep<false>, &HoldFinal, nullptr);
  }
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_function_v2(db, "jet_last", 1, SQLITE_UTF8 | SQLITE_INNOCUOUS, nullptr, nullptr,
                                    &HoldStep<true>, &HoldFinal, nullptr);
  }
  if (rc == SQLITE_OK) rc = JetTextFunctions::Register(db);
  if (rc == SQLITE_OK) rc = JetMathFunctions::Register(db);
  if (rc == SQLITE_OK) rc = JetDateFunctions::Register(db);
  if (rc == SQLITE_OK) rc = JetFormat::Register(db);
  return rc;
}

}  // namespace JetFunctions
