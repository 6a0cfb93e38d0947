#include "platform/zul/dialect/JetTranslator.h"

#include <QStringList>

QString JetTranslation::Display() const {
  QStringList parts;
  for (const SqliteStatement& s : statements) parts << s.sql;
  return parts.join(QStringLiteral(";\n"));
}

JetTranslation JetTranslator::Translate(const QString& jetSql) {
  JetTranslation t;
  t.statements.push_back({jetSql, {}});
  int i = 0;
  while (i < jetSql.size() && (jetSql[i].isSpace() || jetSql[i] == QLatin1Char('('))) ++i;
  t.isQuery = jetSql.mid(i, 6).compare(QLatin1String("SELECT"), Qt::CaseInsensitive) == 0;
  return t;
}
