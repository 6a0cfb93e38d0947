#include "App/CodiComu/Progress.h"

#include <gtest/gtest.h>

#include <memory>

#include "App/CodiComu/ESplash.h"
#include "App/CodiComu/TProgressScope.h"
#include "App/CodiComu/TSplash.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

// What the fake window was told, shared with the test after the window is freed.
struct ViewLog {
  int created = 0;
  int destroyed = 0;
  int updates = 0;
  int repaints = 0;
  bool visible = false;
  int escapes = 0;  // Escape presses waiting to be taken
  TSplashDisplay last;
};

class FakeView : public TSplashView {
public:
  explicit FakeView(ViewLog& log) : m_log(log) { ++m_log.created; }
  ~FakeView() override { ++m_log.destroyed; }
  void SetVisible(bool visible) override { m_log.visible = visible; }
  void Update(const TSplashDisplay& display, bool repaint) override {
    ++m_log.updates;
    if (repaint) ++m_log.repaints;
    m_log.last = display;
  }
  bool TakeEscape() override {
    if (m_log.escapes == 0) return false;
    --m_log.escapes;
    return true;
  }

private:
  ViewLog& m_log;
};

class ProgressTest : public ::testing::Test {
protected:
  void SetUp() override {
    FreeProgress();
    TSplash::RegisterView([this] { return std::make_unique<FakeView>(log); });
    TSplash::SetClock([this] { return now; });
  }
  void TearDown() override {
    FreeProgress();
    TSplash::RegisterView({});
    TSplash::SetClock({});
  }
  const TSplashRow& Row(int i) const { return log.last.rows[static_cast<std::size_t>(i)]; }
  int Percent() const { return ProgressInstance()->Levels().back().percent; }

  ViewLog log;
  qint64 now = 1000;
};

TEST_F(ProgressTest, NestedLevelsShowTheThreeOutermost) {
  BeginProgress(QStringLiteral("Facturando"), QStringLiteral("uno"), false, 10);
  EXPECT_EQ(log.created, 1);
  EXPECT_TRUE(log.visible);
  EXPECT_EQ(log.last.title, QStringLiteral("Facturando"));
  EXPECT_TRUE(Row(0).visible);
  EXPECT_FALSE(Row(1).visible);
  BeginProgress(QStringLiteral("ignorado"), QStringLiteral("dos"), false, 0, false);
  BeginProgress(QStringLiteral("ignorado"), QStringLiteral("tres"), false, 30);
  BeginProgress(QStringLiteral("ignorado"), QStringLiteral("cuatro"), false, 40);
  EXPECT_EQ(log.last.title, QStringLiteral("Facturando"));
  EXPECT_EQ(Row(0).text, QStringLiteral("uno"));
  EXPECT_EQ(Row(0).position, 10);
  EXPECT_TRUE(Row(0).showNumber);
  EXPECT_EQ(Row(1).text, QStringLiteral("dos"));
  EXPECT_EQ(Row(1).position, 50);  // without percentage: the middle, no number
  EXPECT_FALSE(Row(1).showNumber);
  EXPECT_EQ(Row(2).text, QStringLiteral("tres"));

  EndProgress();
  EndProgress();
  EndProgress();  // the rows of ended levels go at once
  EXPECT_FALSE(Row(1).visible);
  EXPECT_EQ(log.destroyed, 0);
  EndProgress();
  EXPECT_EQ(log.destroyed, 1);  // the window goes with the last level
  EXPECT_EQ(log.created, 1);
}

TEST_F(ProgressTest, Percentages) {
  BeginProgress(QStringLiteral("c"), QStringLiteral("t"));
  struct Case {
    int index, count, percent;
  };
  for (const Case& c : {Case{9, 10, 100}, Case{0, 0, 0}, Case{0, 3, 33}, Case{4, 5, 100}, Case{-1, 5, 0}}) {
    SetProgressCount(QStringLiteral("x"), c.index, c.count);
    EXPECT_EQ(Percent(), c.percent) << c.index << "/" << c.count;
  }

  TempDir dir;
  TDataBaseZUL db;
  db.Create(dir.File(QStringLiteral("p.mdb")));
  db.ExecuteNativeSQL(QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY)"));
  auto empty = db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T"));
  empty->Open();
  SetProgressRecord(QStringLiteral("vacío"), empty.get());
  EXPECT_EQ(Percent(), 100);
  EXPECT_EQ(Row(0).text, QStringLiteral("vacío"));
  SetProgressRecord(QStringLiteral("nada"), nullptr);
  EXPECT_EQ(Percent(), 0);

  for (int i = 1; i <= 7; ++i) db.ExecuteSQL(QStringLiteral("INSERT INTO T (ID) VALUES (%1)").arg(i));
  auto seven = db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T ORDER BY ID"));
  seven->Open();
  seven->SetRecNo(3);
  SetProgressRecord(QStringLiteral("alumno"), seven.get());
  EXPECT_EQ(Percent(), 42);
  EXPECT_EQ(Row(0).text, QStringLiteral("(3/7) alumno"));
  EndProgress();
}

TEST_F(ProgressTest, ErrorsWithoutALevel) {
  EXPECT_NO_THROW(EndProgress());  // never begun: nothing
  try {
    SetProgress(QStringLiteral("x"), 1);
    FAIL();
  } catch (const ESplash& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("TSplash ERROR\nNo hay ningún Splash para modificar"));
  }
  BeginProgress(QStringLiteral("c"), QStringLiteral("t"));
  EndProgress();
  try {
    EndProgress();
    FAIL();
  } catch (const ESplash& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("TSplash ERROR\nNo hay ningún Splash para finalizar"));
  }
}

TEST_F(ProgressTest, RepaintsAtMostEvery100Ms) {
  BeginProgress(QStringLiteral("c"), QStringLiteral("t"));
  EXPECT_EQ(log.repaints, 1);  // showing paints at once
  for (int i = 0; i < 50; ++i) {
    now += 2;
    SetProgress(QStringLiteral("r"), i);
  }
  EXPECT_EQ(log.updates, 51);  // contents always follow
  EXPECT_EQ(log.repaints, 1);  // 100 ms had not passed
  now += 1;
  SetProgress(QStringLiteral("r"), 60);
  EXPECT_EQ(log.repaints, 2);
  BeginProgress(QStringLiteral("c"), QStringLiteral("nested"));
  EXPECT_EQ(log.repaints, 3);  // a new level paints at once
  EndProgress();
  EndProgress();
}

TEST_F(ProgressTest, EscapeCancelsOnlyACancellableOutermostLevel) {
  ScriptedDialogs::Scope dialogs;
  // Not cancellable: Escape is ignored.
  BeginProgress(QStringLiteral("c"), QStringLiteral("t"), false);
  BeginProgress(QStringLiteral("c"), QStringLiteral("inner"), true);  // inner value does not count
  EXPECT_FALSE(log.last.cancelVisible);
  log.escapes = 1;
  EXPECT_NO_THROW(SetProgress(QStringLiteral("x"), 5));
  EndProgress();
  EndProgress();
  EXPECT_TRUE(dialogs->questions.empty());

  log.escapes = 0;
  BeginProgress(QStringLiteral("c"), QStringLiteral("t"), true);
  EXPECT_TRUE(log.last.cancelVisible);
  log.escapes = 1;
  dialogs->Answer(dbNo);
  EXPECT_NO_THROW(SetProgress(QStringLiteral("x"), 5));  // no: goes on
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text, QStringLiteral("¿Cancelar el proceso?"));
  EXPECT_EQ(dialogs->questions[0].defaultButton, dbNo);
  EXPECT_EQ(dialogs->questions[0].buttons, dbYes | dbNo);
  EXPECT_NO_THROW(SetProgress(QStringLiteral("x"), 6));  // no Escape: no question
  log.escapes = 1;
  dialogs->Answer(dbYes);
  try {
    SetProgress(QStringLiteral("x"), 7);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Proceso cancelado por el usuario"));
  }
  EXPECT_EQ(dialogs->questions.size(), 2u);
  EndProgress();  // the caller's finally block still ends the level
  EXPECT_EQ(log.destroyed, log.created);
}

TEST_F(ProgressTest, ScopeGuardPairsBeginAndEnd) {
  ScriptedDialogs::Scope dialogs;
  auto operation = [] {
    TProgressScope outer(QStringLiteral("c"), QStringLiteral("outer"), true);
    TProgressScope inner(QStringLiteral("c"), QStringLiteral("inner"));
    SetProgress(QStringLiteral("x"), 50);
  };
  log.escapes = 1;
  dialogs->Answer(dbYes);
  EXPECT_THROW(operation(), Exception);
  EXPECT_TRUE(ProgressInstance()->Levels().empty());
  EXPECT_EQ(log.destroyed, log.created);

  {
    TProgressScope scope(QStringLiteral("c"), QStringLiteral("t"));
    scope.End();
    EXPECT_TRUE(ProgressInstance()->Levels().empty());
  }  // nothing more to end, and no error from the destructor
  EXPECT_THROW(EndProgress(), ESplash);

  // Escape pending when a cancellable level begins: the question comes at once,
  // and on yes the level is not left behind.
  log.escapes = 1;
  dialogs->Answer(dbYes);
  EXPECT_THROW(TProgressScope(QStringLiteral("c"), QStringLiteral("t"), true), Exception);
  EXPECT_TRUE(ProgressInstance()->Levels().empty());
}

TEST_F(ProgressTest, WithoutAViewLevelsStillWork) {
  TSplash::RegisterView({});
  BeginProgress(QStringLiteral("c"), QStringLiteral("t"), true);
  SetProgressCount(QStringLiteral("x"), 1, 4);
  EXPECT_EQ(Percent(), 50);
  EndProgress();
  EXPECT_EQ(log.created, 0);
}

}  // namespace
