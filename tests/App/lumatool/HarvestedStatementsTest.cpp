// The statements that the rules run, each on a fresh copy of a seeded company
// database, through lumatool sql: what they print and what they leave behind.
#include <gtest/gtest.h>
#include <QFile>
#include <QTextStream>
#include <vector>

#include "platform/zul/TDataBaseZUL.h"
#include "tests/App/lumatool/ToolRunner.h"
#include "tests/support/TempDir.h"

namespace {

struct Step {
  QString sql;
  QString expect;
};

struct Case {
  QString name;
  int line = 0;
  std::vector<Step> steps;  // the statement, then its checks
};

QStringList ReadLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
}

// "### name", then "--- sql" / "--- expect" / "--- check" / "--- expect" blocks.
std::vector<Case> ParseCases(const QStringList& lines) {
  std::vector<Case> cases;
  QString* target = nullptr;
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines.at(i);
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.startsWith(QLatin1String("### "))) {
      cases.push_back(Case{line.mid(4).trimmed(), i + 1, {}});
      target = nullptr;
    } else if (cases.empty()) {
      continue;
    } else if (line == QLatin1String("--- sql") || line == QLatin1String("--- check")) {
      cases.back().steps.push_back(Step{});
      target = &cases.back().steps.back().sql;
    } else if (line == QLatin1String("--- expect")) {
      target = cases.back().steps.empty() ? nullptr : &cases.back().steps.back().expect;
    } else if (target && !(line.startsWith(QLatin1Char('#')) && target->isEmpty() &&
                           !line.startsWith(QLatin1String("#rows")))) {
      if (!target->isEmpty()) *target += QLatin1Char('\n');
      *target += line;
    }
  }
  for (Case& c : cases) {
    for (Step& s : c.steps) {
      while (s.expect.endsWith(QLatin1Char('\n'))) s.expect.chop(1);
      s.sql = s.sql.trimmed();
    }
  }
  return cases;
}

// Column names compare without regard to case (the database ignores it); values exactly.
bool SameOutput(const QString& expected, const QString& actual, QString* why) {
  QStringList want = expected.split(QLatin1Char('\n'));
  QStringList got = actual.split(QLatin1Char('\n'));
  if (!got.isEmpty() && got.last().isEmpty()) got.removeLast();
  if (want.size() == 1 && want.first().startsWith(QLatin1String("#rows "))) {
    const int rows = want.first().mid(6).trimmed().toInt();
    if (got.size() - 1 == rows) return true;
    *why = QStringLiteral("expected %1 rows, got %2").arg(rows).arg(got.size() - 1);
    return false;
  }
  if (want.size() != got.size()) {
    *why = QStringLiteral("expected %1 lines, got %2").arg(want.size()).arg(got.size());
    return false;
  }
  for (int i = 0; i < want.size(); ++i) {
    const bool same = i == 0 ? want[i].compare(got[i], Qt::CaseInsensitive) == 0 : want[i] == got[i];
    if (!same) {
      *why = QStringLiteral("line %1 differs").arg(i + 1);
      return false;
    }
  }
  return true;
}

TEST(HarvestedStatementsTest, EveryRuleStatementDoesWhatItSays) {
  const QString dataDir = TestDataDir() + QStringLiteral("/jet");
  const std::vector<Case> cases = ParseCases(ReadLines(dataDir + QStringLiteral("/statements.txt")));
  ASSERT_FALSE(cases.empty()) << "no cases in " << dataDir.toStdString();

  TempDir dir;
  const QString seeded = dir.File(QStringLiteral("seed.mdb"));
  ToolResult created = RunLumatool({QStringLiteral("db"), QStringLiteral("create"), seeded});
  ASSERT_EQ(created.status, 0) << created.err.toStdString();
  {
    TDataBaseZUL db;
    db.Open(seeded);
    int lineNo = 0;
    for (const QString& raw : ReadLines(dataDir + QStringLiteral("/seed.sql"))) {
      ++lineNo;
      const QString line = raw.trimmed();
      if (line.isEmpty() || line.startsWith(QLatin1String("--"))) continue;
      try {
        db.ExecuteSQL(line);
      } catch (const std::exception& e) {
        FAIL() << "seed.sql line " << lineNo << ": " << e.what();
      }
    }
  }

  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(QStringLiteral("%1 (statements.txt line %2)").arg(c.name).arg(c.line).toStdString());
    const QString file = dir.File(QStringLiteral("case%1.mdb").arg(++n));
    ASSERT_TRUE(QFile::copy(seeded, file));
    ASSERT_FALSE(c.steps.empty());
    for (size_t s = 0; s < c.steps.size(); ++s) {
      const Step& step = c.steps[s];
      const ToolResult r = RunLumatool({QStringLiteral("sql"), file, step.sql});
      EXPECT_EQ(r.status, 0) << (s == 0 ? "statement" : "check") << " failed: " << r.err.toStdString() << "\n"
                             << step.sql.toStdString();
      if (r.status != 0) break;
      QString why;
      EXPECT_TRUE(SameOutput(step.expect, r.out, &why))
          << (s == 0 ? "statement" : "check") << ": " << why.toStdString() << "\n"
          << step.sql.toStdString() << "\n--- expected\n"
          << step.expect.toStdString() << "\n--- got\n"
          << r.out.toStdString();
    }
    QFile::remove(file);
  }
}

}  // namespace
