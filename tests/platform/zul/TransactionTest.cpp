#include "platform/core/Exceptions.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/platform/zul/ZulFixture.h"

namespace {

class TransactionTest : public ZulFixture {
protected:
  void Insert(const char* name) {
    db.ExecuteSQL(
        QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('%1')").arg(QLatin1String(name)));
  }
  QString Names() {
    auto q = db.GetTSQLDataSet(QStringLiteral("SELECT NombreT01 FROM T01Alumnos ORDER BY IDAlumnoT01"));
    q->Open();
    QStringList names;
    for (; !q->Eof(); q->Next()) names << q->Fields(0).AsString();
    return names.join(QLatin1Char(','));
  }
};

TEST_F(TransactionTest, TokensAndDepthFollowNesting) {
  EXPECT_EQ(db.TransactionDepth(), 0);
  const int outer = db.BeginTrans();
  const int inner = db.BeginTrans();
  EXPECT_NE(outer, inner);
  EXPECT_EQ(db.TransactionDepth(), 2);
  // Only the innermost level may be committed.
  EXPECT_THROW(db.CommitTrans(outer), EDatabaseError);
  EXPECT_THROW(db.CommitTrans(inner + 100), EDatabaseError);
  db.CommitTrans(inner);
  EXPECT_EQ(db.TransactionDepth(), 1);
  db.CommitTrans(outer);
  EXPECT_EQ(db.TransactionDepth(), 0);
  EXPECT_FALSE(db.InTransaction());
  EXPECT_THROW(db.CommitTrans(outer), EDatabaseError);
}

TEST_F(TransactionTest, CommitAndRollbackAcrossLevels) {
  struct Case {
    const char* name;
    bool commitInner;
    bool commitOuter;
    const char* expected;
  };
  const Case cases[] = {
      {"both committed", true, true, "before,outer,inner"},
      {"inner rolled back", false, true, "before,outer"},
      {"outer rolled back after inner commit", true, false, "before"},
      {"both rolled back", false, false, "before"},
  };
  for (const Case& c : cases) {
    db.ExecuteSQL(QStringLiteral("DELETE FROM T01Alumnos"));
    Insert("before");
    const int outer = db.BeginTrans();
    Insert("outer");
    const int inner = db.BeginTrans();
    Insert("inner");
    c.commitInner ? db.CommitTrans(inner) : db.RollbackTrans(inner);
    c.commitOuter ? db.CommitTrans(outer) : db.RollbackTrans(outer);
    EXPECT_EQ(Names(), QLatin1String(c.expected)) << c.name;
    EXPECT_EQ(db.TransactionDepth(), 0) << c.name;
  }
}

TEST_F(TransactionTest, RollingBackAnOuterLevelUndoesOpenInnerLevels) {
  const int outer = db.BeginTrans();
  Insert("a");
  db.BeginTrans();
  Insert("b");
  db.BeginTrans();
  Insert("c");
  db.RollbackTrans(outer);
  EXPECT_EQ(db.TransactionDepth(), 0);
  EXPECT_EQ(Names(), QString());
  // The connection goes on working after the rollback.
  const int again = db.BeginTrans();
  Insert("d");
  db.CommitTrans(again);
  EXPECT_EQ(Names(), QStringLiteral("d"));
}

TEST_F(TransactionTest, ClosingRollsBackAnOpenTransaction) {
  db.BeginTrans();
  Insert("lost");
  db.Close();
  db.Open(path);
  EXPECT_EQ(Names(), QString());
  EXPECT_EQ(db.TransactionDepth(), 0);
}

}  // namespace
