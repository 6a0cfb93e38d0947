
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/platform/zul/ZulFixture.h"

namespace {

QStringList Events(const char* names) { return QString::fromLatin1(names).split(QLatin1Char(' ')); }

// Records the events raised, and lets a test make one of them raise.
class EventRecorder {
public:
  explicit EventRecorder(TProcedureZUL& procedures) {
    const QStringList names = {
        QStringLiteral("BEFOREOPEN"),   QStringLiteral("AFTEROPEN"),   QStringLiteral("BEFOREEDIT"),
        QStringLiteral("AFTEREDIT"),    QStringLiteral("BEFOREPOST"),  QStringLiteral("AFTERPOST"),
        QStringLiteral("BEFOREDELETE"), QStringLiteral("AFTERDELETE"), QStringLiteral("BEFOREINSERT"),
        QStringLiteral("AFTERINSERT"),  QStringLiteral("STATECHANGE")};
    for (const QString& n : names) {
      procedures.RegisterProcedure(QStringLiteral("ProcedureZULDataEvent_") + n, QString(),
                                   [this, n](QObject*, const QVariantList& args) { Record(n, args); });
    }
    procedures.RegisterProcedure(QStringLiteral("ProcedureZULDataChangeEvent_DATACHANGE"), QString(),
                                 [this](QObject*, const QVariantList& args) {
                                   auto* field = args.value(4).value<TField*>();
                                   events << (field ? QStringLiteral("DATACHANGE:") + field->FieldName()
                                                    : QStringLiteral("DATACHANGE"));
                                 });
  }
  void Record(const QString& name, const QVariantList& args) {
    events << name;
    lastId = args.value(2).toInt();
    lastDataSet = qobject_cast<TSQLDataSet*>(args.value(3).value<QObject*>());
    if (onEvent) onEvent(name);
    if (name == failOn) throw Exception(QStringLiteral("Regla: no se permite"));
    if (name == abortOn) Abort();
  }
  QStringList Take() {
    QStringList e = events;
    events.clear();
    return e;
  }
  QStringList events;
  int lastId = 0;
  TSQLDataSet* lastDataSet = nullptr;
  QString failOn;
  QString abortOn;
  std::function<void(const QString&)> onEvent;
};

class DataSetEditingTest : public ZulFixture {
protected:
  void SetUp() override {
    ZulFixture::SetUp();
    for (int i = 1; i <= 3; ++i) {
      db.ExecuteSQL(
          QStringLiteral("INSERT INTO T01Alumnos (NombreT01, CodigoT01) VALUES ('Alumno %1', %1)").arg(i));
    }
  }
  int Count(const QString& where = QStringLiteral("TRUE")) {
    auto q = db.GetTSQLDataSet(QStringLiteral("SELECT COUNT(*) AS N FROM T01Alumnos WHERE ") + where);
    q->Open();
    return q->Fields(0).AsInteger();
  }
  TProcedureZUL procedures;
  EventRecorder recorder{procedures};
};

TEST_F(DataSetEditingTest, EventsComeInOrderWithTheDataObjectIdentifier) {
  TQuerySQL query(&db, QStringLiteral("SELECT * FROM T01Alumnos ORDER BY IDAlumnoT01"), 3, &procedures);
  TSQLDataSet* ds = query.DataSet();
  query.Open();
  EXPECT_EQ(recorder.Take(), (Events("BEFOREOPEN STATECHANGE AFTEROPEN DATACHANGE")));
  EXPECT_EQ(recorder.lastId, 3);
  EXPECT_EQ(recorder.lastDataSet, ds);
  ds->Edit();
  ds->FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("Cambiado"));
  // AFTERPOST sees the record written.
  int storedAtAfterPost = -1;
  recorder.onEvent = [&](const QString& name) {
    if (name == QLatin1String("BEFOREPOST"))
      storedAtAfterPost = Count(QStringLiteral("NombreT01='Cambiado'"));
    if (name == QLatin1String("AFTERPOST"))
      storedAtAfterPost += 10 * Count(QStringLiteral("NombreT01='Cambiado'"));
  };
  ds->Post();
  EXPECT_EQ(storedAtAfterPost, 10);  // 0 before the write, 1 after
  EXPECT_EQ(recorder.Take(), (Events("BEFOREEDIT STATECHANGE AFTEREDIT DATACHANGE:NombreT01 BEFOREPOST "
                                     "STATECHANGE AFTERPOST DATACHANGE")));
  recorder.onEvent = nullptr;
  ds->Append();
  EXPECT_EQ(recorder.Take(), (Events("BEFOREINSERT STATECHANGE DATACHANGE AFTERINSERT")));
  ds->Cancel();
  ds->Delete();
  EXPECT_EQ(recorder.Take(), (Events("STATECHANGE DATACHANGE BEFOREDELETE AFTERDELETE DATACHANGE")));
  EXPECT_EQ(Count(), 2);
}

TEST_F(DataSetEditingTest, ARuleThatRaisesCancelsTheOperation) {
  TQuerySQL query(&db, QStringLiteral("SELECT * FROM T01Alumnos ORDER BY IDAlumnoT01"), 3, &procedures);
  TSQLDataSet* ds = query.DataSet();
  query.Open();
  struct Case {
    const char* failOn;
    bool abort;
  };
  for (const Case& c : {Case{"BEFOREPOST", false}, Case{"BEFOREPOST", true}, Case{"AFTERPOST", false}}) {
    SCOPED_TRACE(std::string(c.failOn) + (c.abort ? " abort" : " error"));
    ds->Edit();
    ds->FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("No guardado"));
    (c.abort ? recorder.abortOn : recorder.failOn) = QLatin1String(c.failOn);
    if (c.abort) {
      EXPECT_THROW(ds->Post(), EAbort);
    } else {
      EXPECT_THROW(ds->Post(), Exception);
    }
    recorder.abortOn.clear();
    recorder.failOn.clear();
    // Nothing written, still editing what the user typed.
    EXPECT_EQ(ds->State(), TDataSetState::dsEdit);
    EXPECT_EQ(ds->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("No guardado"));
    EXPECT_EQ(Count(QStringLiteral("NombreT01='No guardado'")), 0);
    EXPECT_EQ(db.TransactionDepth(), 0);
    ds->Cancel();
    EXPECT_EQ(ds->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Alumno 1"));
  }
  // A rejected insert adds nothing; a rejected delete removes nothing; a rejected edit does not start.
  ds->Append();
  ds->FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("Nuevo"));
  recorder.failOn = QStringLiteral("BEFOREPOST");
  EXPECT_THROW(ds->Post(), Exception);
  EXPECT_EQ(ds->State(), TDataSetState::dsInsert);
  ds->Cancel();
  EXPECT_EQ(ds->RecordCount(), 3);
  recorder.failOn = QStringLiteral("BEFOREDELETE");
  EXPECT_THROW(ds->Delete(), Exception);
  EXPECT_EQ(Count(), 3);
  recorder.failOn = QStringLiteral("BEFOREEDIT");
  EXPECT_THROW(ds->Edit(), Exception);
  EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
}

TEST_F(DataSetEditingTest, PostingWritesThroughSqlAndReadsBackTheKey) {
  TQuerySQL query(&db, QStringLiteral("SELECT * FROM T01Alumnos ORDER BY IDAlumnoT01"), 3, &procedures);
  TSQLDataSet* ds = query.DataSet();
  query.Open();
  ds->Append();
  EXPECT_EQ(ds->FieldByName(QStringLiteral("CodigoT01")).AsInteger(), 0);  // the column default
  EXPECT_FALSE(ds->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());
  ds->FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("D'Artagnan"));
  ds->FieldByName(QStringLiteral("SaldoT01")).SetValue(QStringLiteral("12,5"));
  ds->FieldByName(QStringLiteral("FechaNacT01")).SetValue(Var::FromDate(40000.25));
  ds->FieldByName(QStringLiteral("ActivoT01")).SetValue(true);
  ds->Post();
  EXPECT_EQ(ds->FieldByName(QStringLiteral("IDAlumnoT01")).AsInteger(), 4);
  EXPECT_EQ(ds->RecNo(), 4);
  EXPECT_EQ(ds->RecordCount(), 4);
  auto stored = db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T01Alumnos WHERE IDAlumnoT01=4"));
  stored->Open();
  EXPECT_EQ(stored->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("D'Artagnan"));
  EXPECT_EQ(stored->FieldByName(QStringLiteral("SaldoT01")).AsCurrency(), Currency::FromRaw(125000));
  EXPECT_EQ(stored->FieldByName(QStringLiteral("FechaNacT01")).AsDateTime(), 40000.25);
  EXPECT_TRUE(stored->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());
  // Editing changes only the fields set.
  db.ExecuteSQL(QStringLiteral("UPDATE T01Alumnos SET CodigoT01 = 99 WHERE IDAlumnoT01 = 4"));
  ds->Edit();
  ds->FieldByName(QStringLiteral("NombreT01")).SetValue(Var::Null());
  ds->Post();
  stored->Refresh();
  EXPECT_TRUE(stored->FieldByName(QStringLiteral("NombreT01")).IsNull());
  EXPECT_EQ(stored->FieldByName(QStringLiteral("CodigoT01")).AsInteger(), 99);
  EXPECT_EQ(ds->FieldByName(QStringLiteral("CodigoT01")).AsInteger(), 99);  // read back
  // The key cannot be set by hand; a read-only result set cannot be edited.
  ds->Edit();
  EXPECT_THROW(ds->FieldByName(QStringLiteral("IDAlumnoT01")).SetValue(7), EDatabaseError);
  ds->Cancel();
  EXPECT_THROW(stored->Edit(), EDatabaseError);
  EXPECT_THROW(ds->FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("x")), EDatabaseError);
}

TEST_F(DataSetEditingTest, SetKeyCountsAsModifyingAndCancelLeavesIt) {
  TQuerySQL query(&db, QStringLiteral("SELECT * FROM T01Alumnos"), 3, &procedures);
  query.Open();
  TSQLDataSet* ds = query.DataSet();
  ds->SetKey();
  EXPECT_EQ(ds->State(), TDataSetState::dsSetKey);
  EXPECT_TRUE(ds->Modifying());
  ds->Cancel();
  EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
}

TEST_F(DataSetEditingTest, RulesMayChangeTheRowsTheyWalk) {
  for (int i = 4; i <= 600; ++i) {
    db.ExecuteSQL(
        QStringLiteral("INSERT INTO T01Alumnos (NombreT01, CodigoT01) VALUES ('Alumno %1', %1)").arg(i));
  }
  auto walk =
      db.GetTSQLDataSet(QStringLiteral("SELECT IDAlumnoT01, CodigoT01 FROM T01Alumnos ORDER BY IDAlumnoT01"));
  walk->Open();
  EXPECT_LT(walk->RecordCountFetched(), 600);  // read as needed
  int seen = 0;
  for (; !walk->Eof(); walk->Next()) {
    ++seen;
    db.ExecuteSQL(
        QStringLiteral("DELETE FROM T01Alumnos WHERE IDAlumnoT01 = %1").arg(walk->Fields(0).AsInteger()));
    db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('nuevo')"));
  }
  // The walk saw the rows as they were when it began, each once.
  EXPECT_EQ(seen, 600);
  EXPECT_EQ(Count(QStringLiteral("NombreT01='nuevo'")), 600);
  EXPECT_EQ(Count(), 600);
}

TEST_F(DataSetEditingTest, GridFollowsTheDataSetAndKeepsSelectionsAsKeys) {
  TQuerySQL query(
      &db, QStringLiteral("SELECT IDAlumnoT01, NombreT01, ActivoT01 FROM T01Alumnos ORDER BY IDAlumnoT01"), 3,
      &procedures);
  query.Open();
  TDBGrid grid(query.DataSet());
  while (grid.canFetchMore(QModelIndex())) grid.fetchMore(QModelIndex());
  ASSERT_EQ(grid.rowCount(), 3);
  EXPECT_EQ(grid.columnCount(), 3);
  EXPECT_EQ(grid.data(grid.index(1, 1)).toString(), QStringLiteral("Alumno 2"));
  EXPECT_EQ(grid.data(grid.index(1, 2), Qt::CheckStateRole).toInt(), Qt::Unchecked);
  grid.SetCurrentRow(2);
  EXPECT_EQ(query.DataSet()->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Alumno 3"));
  grid.SelectRow(2);
  grid.SelectRow(0);
  grid.SelectRow(2);  // once
  EXPECT_EQ(grid.SelectedBookmarks(), (QVariantList{3, 1}));
  // The selection stays on the same records when the query is re-run.
  db.ExecuteSQL(QStringLiteral("DELETE FROM T01Alumnos WHERE IDAlumnoT01 = 2"));
  query.RefrescaSQL();
  EXPECT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(query.DataSet()->FieldByName(QStringLiteral("IDAlumnoT01")).AsInteger(), 3);  // still current
  EXPECT_TRUE(grid.IsSelected(1));
  EXPECT_TRUE(grid.IsSelected(0));
  grid.SelectRow(0, false);
  EXPECT_EQ(grid.SelectedBookmarks(), (QVariantList{3}));
}

}  // namespace
