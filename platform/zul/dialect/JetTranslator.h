#pragma once
// The Jet SQL dialect on SQLite: the rules write Jet SQL text; this translates it
// into one or more SQLite statements. Literals (texts, numbers, dates) become bound
// parameters, so that the same statement shape always gives the same SQLite text and
// a prepared statement can be reused; Display() puts them back inline for people.

#include <QString>
#include <QVariantList>
#include <vector>

struct SqliteStatement {
  QString sql;          // SQLite text with "?" placeholders
  QVariantList params;  // QString, qint64, double or null, in placeholder order
};

struct JetTranslation {
  std::vector<SqliteStatement> statements;  // run in order (a multi-table UPDATE may need several)
  bool isQuery = false;                     // the last statement returns rows
  // The statements with their parameters inline as SQLite literals, joined by ";\n".
  QString Display() const;
};

class JetTranslator {
public:
  // Raises EDatabaseError with a Spanish message on text it cannot translate
  // (an unterminated literal or bracket, unbalanced parentheses, ...).
  static JetTranslation Translate(const QString& jetSql);
};
