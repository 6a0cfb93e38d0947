
#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULDisplayFormats.h"
#include "platform/zul/TZULForm.h"
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

// The grid model over a bigger table: sorting through the query, editing cells.
class GridModelTest : public DataSetEditingTest {
protected:
  void SetUp() override {
    DataSetEditingTest::SetUp();
    db.ExecuteNativeSQL(QStringLiteral("DELETE FROM T01Alumnos"));
    // Codes 1..5000; the names go the other way round; centres 1..5.
    db.ExecuteNativeSQL(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                       "INSERT INTO T01Alumnos (CodigoT01, NombreT01, IDCentroT01) "
                       "SELECT i, printf('Alumno %05d', 5001 - i), 1 + i % 5 FROM n"));
  }
  // A writable query over the students, in code order.
  void OpenQuery(const QString& where = QStringLiteral("TRUE")) {
    query = std::make_unique<TQuerySQL>(
        &db,
        QStringLiteral("SELECT IDAlumnoT01, NombreT01, CodigoT01, ActivoT01, SaldoT01, FechaNacT01, "
                       "ComentariosT01 FROM T01Alumnos WHERE %1 ORDER BY CodigoT01")
            .arg(where),
        3, &procedures);
    query->DataSet()->SetUpdateTable(QStringLiteral("T01Alumnos"), QStringLiteral("IDAlumnoT01"));
    query->Open();
    grid = std::make_unique<TDBGrid>(query->DataSet());
    grid->fetchMore(QModelIndex());  // as a view showing the first rows
  }
  TSQLDataSet* ds() const { return query->DataSet(); }
  QString Name(int row) const { return grid->data(grid->index(row, 1)).toString(); }
  int Id() const { return ds()->FieldByName(QStringLiteral("IDAlumnoT01")).AsInteger(); }

  std::unique_ptr<TQuerySQL> query;
  std::unique_ptr<TDBGrid> grid;
};

TEST_F(GridModelTest, SortsByAColumnBothWaysReadingOnlyTheFirstRows) {
  OpenQuery();
  grid->SetCurrentRow(3);
  grid->SelectRow(2);
  grid->SelectRow(4);
  const QVariantList selected = grid->SelectedBookmarks();

  grid->ToggleSort(1);
  EXPECT_EQ(grid->SortColumn(), 1);
  EXPECT_EQ(grid->SortOrder(), Qt::AscendingOrder);
  EXPECT_EQ(Name(0), QStringLiteral("Alumno 00001"));
  for (int row = 1; row < grid->rowCount(); ++row) ASSERT_LT(Name(row - 1), Name(row)) << row;
  EXPECT_LE(ds()->RecordCountFetched(), 300) << "the sorted set is read lazily";
  EXPECT_TRUE(ds()->MoreRows());
  EXPECT_EQ(grid->rowCount(), ds()->RecordCountFetched());
  // The record was not among the rows read in the new order: the first is current.
  EXPECT_EQ(grid->CurrentRow(), 0);
  EXPECT_EQ(grid->SelectedBookmarks(), selected) << "the selection is by key";
  EXPECT_FALSE(grid->IsSelected(2));

  grid->ToggleSort(1);
  EXPECT_EQ(grid->SortOrder(), Qt::DescendingOrder);
  EXPECT_EQ(Name(0), QStringLiteral("Alumno 05000"));
  EXPECT_TRUE(grid->IsSelected(2));
  EXPECT_TRUE(grid->IsSelected(4));
  EXPECT_LE(ds()->RecordCountFetched(), 300);
  // A third time: the query's own order again, and then ascending once more.
  grid->ToggleSort(1);
  EXPECT_EQ(grid->SortColumn(), -1);
  EXPECT_EQ(ds()->SortField(), QString());
  grid->ToggleSort(1);
  EXPECT_EQ(grid->SortOrder(), Qt::AscendingOrder);
  EXPECT_EQ(Name(0), QStringLiteral("Alumno 00001"));
  grid->ToggleSort(1);

  // Another column starts ascending; a record among the rows read stays current.
  grid->SetCurrentRow(7);
  const int id = Id();
  grid->ToggleSort(2);
  EXPECT_EQ(grid->SortColumn(), 2);
  EXPECT_EQ(grid->SortOrder(), Qt::AscendingOrder);
  EXPECT_EQ(grid->CurrentRow(), 7);
  EXPECT_EQ(Id(), id);
  // Memo columns have no order; names are never pasted into the query.
  EXPECT_FALSE(grid->Sortable(6));
  EXPECT_THROW(grid->SortBy(6, Qt::AscendingOrder), EDatabaseError);
  EXPECT_THROW(ds()->Sort(QStringLiteral("CodigoT01]; DELETE FROM T01Alumnos; --"), false), EDatabaseError);
  EXPECT_EQ(grid->SortColumn(), 2);
  grid->ClearSort();
  EXPECT_EQ(grid->SortColumn(), -1);
  EXPECT_EQ(grid->data(grid->index(0, 2)).toInt(), 1);
  EXPECT_EQ(Id(), id) << "still current, among the first rows";
  EXPECT_EQ(Count(), 5000);
}

TEST_F(GridModelTest, SortIsRefusedWhileTheRecordIsEdited) {
  OpenQuery();
  grid->SetCurrentRow(2);
  ds()->Edit();
  ds()->FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("A medio escribir"));
  EXPECT_THROW(grid->ToggleSort(1), EDatabaseError);
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
  EXPECT_EQ(ds()->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("A medio escribir"));
  EXPECT_EQ(grid->SortColumn(), -1);
  ds()->Cancel();
}

TEST_F(GridModelTest, ADetailKeepsItsLinkAndItsOrderWhenItsQueryChanges) {
  // A detail's query has the master's value in it; re-reading for another master
  // keeps the person's order while the field exists.
  auto detail = db.GetTSQLDataSet(QStringLiteral(
      "SELECT IDAlumnoT01, CodigoT01, IDCentroT01 FROM T01Alumnos WHERE IDCentroT01 = 2 ORDER BY CodigoT01"));
  detail->Open();
  TDBGrid detailGrid(detail.get());
  detailGrid.SortBy(1, Qt::DescendingOrder);
  struct Case {
    const char* where;
    int centre;
    int firstCode;
  };
  for (const Case& c : {Case{"IDCentroT01 = 2", 2, 4996}, Case{"IDCentroT01 = 3", 3, 4997}}) {
    if (c.centre != 2) {
      detail->SetSQL(QStringLiteral("SELECT IDAlumnoT01, CodigoT01, IDCentroT01 FROM T01Alumnos WHERE ") +
                     QLatin1String(c.where));
      detail->Open();
    }
    EXPECT_EQ(detail->FieldByName(QStringLiteral("CodigoT01")).AsInteger(), c.firstCode) << c.where;
    EXPECT_EQ(detail->RecordCount(), 1000) << c.where;
    for (detail->First(); !detail->Eof(); detail->Next())
      ASSERT_EQ(detail->FieldByName(QStringLiteral("IDCentroT01")).AsInteger(), c.centre);
    EXPECT_EQ(detailGrid.SortColumn(), 1);
  }
  // A query without the field opens in its own order; so does one whose TOP would
  // pick other rows in another order.
  detail->SetSQL(
      QStringLiteral("SELECT IDAlumnoT01 FROM T01Alumnos WHERE IDCentroT01 = 4 ORDER BY IDAlumnoT01"));
  detail->Open();
  EXPECT_TRUE(detail->SortField().isEmpty());
  EXPECT_EQ(detail->RecordCount(), 1000);
  detail->SetSQL(QStringLiteral("SELECT TOP 3 IDAlumnoT01, CodigoT01 FROM T01Alumnos ORDER BY CodigoT01"));
  detail->Open();
  EXPECT_THROW(detailGrid.SortBy(1, Qt::DescendingOrder), EDatabaseError);
  EXPECT_EQ(detail->FieldByName(QStringLiteral("CodigoT01")).AsInteger(), 1);
  EXPECT_EQ(detail->RecordCount(), 3);
}

TEST_F(GridModelTest, EditingACellGoesThroughTheFieldAndPostsOnLeavingTheRow) {
  OpenQuery();
  grid->SetReadOnly(false);
  EXPECT_FALSE(grid->flags(grid->index(0, 0)) & Qt::ItemIsEditable) << "the key is the database's";
  EXPECT_TRUE(grid->flags(grid->index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_TRUE(grid->flags(grid->index(0, 3)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(grid->flags(grid->index(0, 3)) & Qt::ItemIsEditable);
  EXPECT_FALSE(grid->flags(grid->index(0, 6)) & Qt::ItemIsEditable) << "memos are edited in the record";
  recorder.Take();

  ASSERT_TRUE(grid->setData(grid->index(1, 1), QStringLiteral("Nuevo nombre")));
  EXPECT_EQ(recorder.Take(), (Events("DATACHANGE BEFOREEDIT STATECHANGE AFTEREDIT DATACHANGE:NombreT01")));
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
  EXPECT_EQ(ds()->RecNo(), 2);
  EXPECT_EQ(Name(1), QStringLiteral("Nuevo nombre"));
  ASSERT_TRUE(grid->setData(grid->index(1, 3), Qt::Checked, Qt::CheckStateRole));
  ASSERT_TRUE(grid->setData(grid->index(1, 4), QStringLiteral("1.234,56")));
  ASSERT_TRUE(grid->setData(grid->index(1, 5), QStringLiteral("05/03/2024")));
  EXPECT_EQ(Count(QStringLiteral("NombreT01 = 'Nuevo nombre'")), 0) << "not saved before leaving the row";
  recorder.Take();
  grid->SetCurrentRow(0);
  EXPECT_EQ(recorder.Take().mid(0, 3), (Events("BEFOREPOST STATECHANGE AFTERPOST")));
  auto stored = db.GetTSQLDataSet(QStringLiteral(
      "SELECT NombreT01, ActivoT01, SaldoT01, FechaNacT01 FROM T01Alumnos WHERE CodigoT01 = 2"));
  stored->Open();
  EXPECT_EQ(stored->Fields(0).AsString(), QStringLiteral("Nuevo nombre"));
  EXPECT_TRUE(stored->Fields(1).AsBoolean());
  EXPECT_EQ(stored->Fields(2).AsCurrency().ToDouble(), 1234.56);
  EXPECT_EQ(stored->Fields(3).AsDateTime(), DayDate::Encode(2024, 3, 5));
  // Amounts with a decimal comma, as shown.
  ASSERT_TRUE(grid->setData(grid->index(0, 4), QStringLiteral("12,5")));
  ds()->Post();
  EXPECT_EQ(Count(QStringLiteral("CodigoT01 = 1 AND SaldoT01 = 12.5")), 1);
}

TEST_F(GridModelTest, ARuleErrorOnSaveKeepsTheTypedRecord) {
  OpenQuery();
  grid->SetReadOnly(false);
  recorder.failOn = QStringLiteral("BEFOREPOST");
  ASSERT_TRUE(grid->setData(grid->index(2, 1), QStringLiteral("Rechazado")));
  EXPECT_THROW(grid->SetCurrentRow(5), Exception);
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
  EXPECT_EQ(grid->CurrentRow(), 2);
  EXPECT_EQ(Name(2), QStringLiteral("Rechazado"));
  // Editing another row tries to save this one first: refused the same way.
  EXPECT_FALSE(grid->setData(grid->index(4, 1), QStringLiteral("Otro")));
  EXPECT_THROW(std::rethrow_exception(grid->TakeEditError()), Exception);
  EXPECT_EQ(Name(2), QStringLiteral("Rechazado"));
  EXPECT_EQ(Name(4), QStringLiteral("Alumno 04996"));
  recorder.failOn.clear();
  ds()->Cancel();
  EXPECT_EQ(Name(2), QStringLiteral("Alumno 04998"));
  EXPECT_EQ(Count(QStringLiteral("NombreT01 = 'Rechazado'")), 0);
}

TEST_F(GridModelTest, BadTextIsRefusedWithNothingChanged) {
  OpenQuery();
  grid->SetReadOnly(false);
  struct Case {
    int column;
    const char* text;
  };
  for (const Case& c : {Case{5, "31/02/2024"}, Case{5, "mañana"}, Case{5, "05/03/2024 25:00"},
                        Case{4, "12,5,3"}, Case{4, "doce"}, Case{2, "1,5"}}) {
    SCOPED_TRACE(c.text);
    EXPECT_FALSE(grid->setData(grid->index(3, c.column), QString::fromUtf8(c.text)));
    try {
      std::rethrow_exception(grid->TakeEditError());
    } catch (const EConvertError& e) {
      EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.text))) << e.Message().toStdString();
      EXPECT_TRUE(e.Message().contains(QStringLiteral("no es"))) << e.Message().toStdString();
    } catch (...) {
      ADD_FAILURE() << "not a conversion error";
    }
    EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(ds()->RecNo(), 1) << "nothing moved";
  }
  EXPECT_EQ(Count(QStringLiteral("FechaNacT01 IS NULL AND SaldoT01 = 0 AND CodigoT01 = 4")), 1);
}

TEST_F(GridModelTest, CellsAreShownAsInTheRecordAndAlignedByType) {
  db.ExecuteNativeSQL(
      QStringLiteral("UPDATE T01Alumnos SET SaldoT01 = 1234.5, FechaNacT01 = %1 WHERE CodigoT01 = 1")
          .arg(DayDate::Encode(2000, 1, 1, 9, 30), 0, 'g', 17));
  OpenQuery();
  auto cell = [&](int column, int role = Qt::DisplayRole) {
    return grid->data(grid->index(0, column), role);
  };
  EXPECT_EQ(cell(4).toString(), QStringLiteral("1.234,50"));
  EXPECT_EQ(cell(5).toString(), QStringLiteral("01/01/2000 09:30"));
  EXPECT_EQ(cell(3).toString(), QString()) << "a check box";
  EXPECT_EQ(cell(3, Qt::CheckStateRole), QVariant(Qt::Unchecked));
  TZULDisplayFormats::SetCurrencyFormatter([](Currency c) { return c.ToFixed(2) + QStringLiteral(" €"); });
  EXPECT_EQ(cell(4).toString(), QStringLiteral("1234.50 €")) << "the program's mask";
  TZULDisplayFormats::SetCurrencyFormatter({});
  // Numbers, amounts and dates to the right, texts to the left, booleans centred.
  const int right = Qt::AlignRight | Qt::AlignVCenter;
  const int left = Qt::AlignLeft | Qt::AlignVCenter;
  const int centre = Qt::AlignCenter;
  const std::vector<int> expected = {right, left, right, centre, right, right, left};
  for (int column = 0; column < 7; ++column)
    EXPECT_EQ(cell(column, Qt::TextAlignmentRole).toInt(), expected[column]) << column;
}

TEST_F(GridModelTest, AStylerStylesCellsByTheValuesOfTheirRow) {
  db.ExecuteNativeSQL(QStringLiteral("UPDATE T01Alumnos SET ActivoT01 = 1 WHERE CodigoT01 % 2 = 1"));
  OpenQuery();
  // The styler may read fields the grid does not show.
  grid->SetColumns({{QStringLiteral("NombreT01"), QString()}, {QStringLiteral("CodigoT01"), QString()}});
  EXPECT_EQ(grid->CellStyle(1, 0, false).foreground, -1) << "no styler: the view's own look";
  int repaints = 0;
  QObject::connect(
      grid.get(), &QAbstractItemModel::dataChanged, [&](const QModelIndex& from, const QModelIndex& to) {
        if (from.row() == 0 && from.column() == 0 && to.row() == grid->rowCount() - 1 && to.column() == 1)
          ++repaints;
      });
  grid->SetCellStyler([](const TDBGrid& g, int row, int column, bool highlighted, TCellStyle& style) {
    if (!highlighted && !Var::ToBool(g.RowValue(row, QStringLiteral("ActivoT01"))))
      style.foreground = 0x808080;
    if (column == 1) style.bold = true;
  });
  EXPECT_EQ(repaints, 1) << "the whole grid is repainted";
  struct Case {
    int row, column;
    bool highlighted;
    int foreground;
    bool bold;
  };
  for (const Case& c :
       {Case{0, 0, false, -1, false}, Case{1, 0, false, 0x808080, false}, Case{1, 1, false, 0x808080, true},
        Case{1, 1, true, -1, true}, Case{200000, 1, false, -1, false}}) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.column << "," << c.highlighted);
    const TCellStyle style = grid->CellStyle(c.row, c.column, c.highlighted);
    EXPECT_EQ(style.foreground, c.foreground);
    EXPECT_EQ(style.bold, c.bold);
    EXPECT_EQ(style.background, -1);
    EXPECT_FALSE(style.italic);
  }
  EXPECT_TRUE(grid->HasField(QStringLiteral("ActivoT01")));
  EXPECT_FALSE(grid->HasField(QStringLiteral("NoExiste")));
  EXPECT_TRUE(grid->RowValue(0, QStringLiteral("NoExiste")).isNull());
  EXPECT_TRUE(grid->RowValue(-1, QStringLiteral("CodigoT01")).isNull());
  EXPECT_EQ(grid->RowValue(2, QStringLiteral("CodigoT01")).toInt(), 3);
  // A styler that raises (it runs while the view paints) leaves the default look.
  grid->SetCellStyler([](const TDBGrid&, int, int, bool, TCellStyle& style) {
    style.bold = true;
    throw Exception(QStringLiteral("Regla: fallo"));
  });
  EXPECT_FALSE(grid->CellStyle(0, 1, false).bold);
  grid->SetCellStyler({});
  EXPECT_EQ(grid->CellStyle(1, 1, false).foreground, -1);
  EXPECT_FALSE(grid->CellStyle(1, 1, false).bold);
}

TEST_F(GridModelTest, ReadOnlyGridsRefuseEditing) {
  OpenQuery();
  // Unless told otherwise; a form's list grid; a read-only detail control.
  TZULForm form(1, 3, QStringLiteral("ZULFormPrueba"));
  auto* list = new TDBGrid(ds(), &form);
  form.SetListGrid(list);
  auto* detailGrid = new TDBGrid(ds(), &form);
  TZULControl* control = form.AddControl(TZULControlKind::Grid, QStringLiteral("ZULgrdDetalle"));
  control->SetGrid(detailGrid);
  EXPECT_TRUE(grid->ReadOnly());
  EXPECT_TRUE(list->ReadOnly());
  EXPECT_FALSE(detailGrid->ReadOnly());
  control->SetReadOnly(true);
  EXPECT_TRUE(detailGrid->ReadOnly());
  for (TDBGrid* g : {grid.get(), list, detailGrid}) {
    EXPECT_FALSE(g->flags(g->index(1, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(g->flags(g->index(1, 3)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(g->setData(g->index(1, 1), QStringLiteral("No")));
    EXPECT_THROW(std::rethrow_exception(g->TakeEditError()), EDatabaseError);
  }
  // A read-only dataset, whatever the grid says.
  auto readOnly = db.GetTSQLDataSet(QStringLiteral("SELECT IDAlumnoT01, NombreT01 FROM T01Alumnos"));
  readOnly->Open();
  TDBGrid view(readOnly.get());
  view.SetReadOnly(false);
  EXPECT_FALSE(view.flags(view.index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Count(QStringLiteral("NombreT01 = 'No'")), 0);
}

}  // namespace
