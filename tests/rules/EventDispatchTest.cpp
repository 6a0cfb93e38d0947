// The event procedures route by data-object identifier to the rows of the dispatch
// tables; identifiers without a row do nothing.

#include <QStringList>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"
#include "rules/EventRules.h"
#include "tests/rules/RulesFixture.h"

namespace {

struct DataSetCase {
  TDataSetEvent event;
  const char* procedure;
};

const DataSetCase kDataSetEvents[] = {
    {TDataSetEvent::BeforeOpen, "ProcedureZULDataEvent_BEFOREOPEN"},
    {TDataSetEvent::BeforeEdit, "ProcedureZULDataEvent_BEFOREEDIT"},
    {TDataSetEvent::BeforePost, "ProcedureZULDataEvent_BEFOREPOST"},
    {TDataSetEvent::BeforeDelete, "ProcedureZULDataEvent_BEFOREDELETE"},
    {TDataSetEvent::BeforeInsert, "ProcedureZULDataEvent_BEFOREINSERT"},
    {TDataSetEvent::AfterOpen, "ProcedureZULDataEvent_AFTEROPEN"},
    {TDataSetEvent::AfterEdit, "ProcedureZULDataEvent_AFTEREDIT"},
    {TDataSetEvent::AfterPost, "ProcedureZULDataEvent_AFTERPOST"},
    {TDataSetEvent::AfterDelete, "ProcedureZULDataEvent_AFTERDELETE"},
    {TDataSetEvent::AfterInsert, "ProcedureZULDataEvent_AFTERINSERT"},
    {TDataSetEvent::StateChange, "ProcedureZULDataEvent_STATECHANGE"},
};

const QString kDataChange = QStringLiteral("ProcedureZULDataChangeEvent_DATACHANGE");
const QString kFormCreate = QStringLiteral("ProcedureZULFormEvent_CREATE");
const QString kFormDestroy = QStringLiteral("ProcedureZULFormEvent_DESTROY");

QVariant Obj(QObject* object) { return QVariant::fromValue<QObject*>(object); }

class EventDispatchTest : public RulesFixture {
protected:
  EventDispatchTest() {
    cards = db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T24BoletinesNotas"));
    cards->Open();
  }

  // Probes on every table for the identifiers 3 and 296 record "procedure:id".
  void RegisterProbes() {
    for (const DataSetCase& c : kDataSetEvents) {
      const QString tag = QString::fromUtf8(c.procedure);
      EventRules::Register(c.event, {3, 296}, [this, tag](TSQLDataSet& dataSet, int id) {
        EXPECT_EQ(&dataSet, cards.get());
        log << tag + QStringLiteral(":%1").arg(id);
      });
    }
    EventRules::RegisterDataChange({3, 296}, [this](TDataSource& source, TField* field, int id) {
      EXPECT_EQ(source.DataSet(), cards.get());
      log << kDataChange +
                 QStringLiteral(":%1:%2").arg(id).arg(field ? field->FieldName() : QStringLiteral("-"));
    });
    for (TFormEvent event : {TFormEvent::Create, TFormEvent::Destroy}) {
      const QString tag = event == TFormEvent::Create ? kFormCreate : kFormDestroy;
      for (int formId : {3, 296}) {
        EventRules::Register(event, formId, [this, tag](TZULForm&, int value, int id) {
          log << tag + QStringLiteral(":%1:%2").arg(id).arg(value);
        });
      }
    }
  }

  std::unique_ptr<TSQLDataSet> cards;
  QStringList log;
};

TEST_F(EventDispatchTest, EachEventProcedureCallsOnlyItsOwnRowForTheIdentifier) {
  RegisterProbes();
  TDataSource source(cards.get());
  TZULForm form(1, 296, QStringLiteral("FRMBoletines"));
  for (int id : {3, 296, 291, 0, 198}) {
    SCOPED_TRACE(id);
    const bool hasRow = id == 3 || id == 296;
    for (const DataSetCase& c : kDataSetEvents) {
      log.clear();
      Run(QString::fromUtf8(c.procedure), {0, 0, id, Obj(cards.get())});
      EXPECT_EQ(log, hasRow ? QStringList{QString::fromUtf8(c.procedure) + QStringLiteral(":%1").arg(id)}
                            : QStringList{});
    }
    log.clear();
    Run(kDataChange, {0, 0, id, Obj(&source), Var::Null()});
    EXPECT_EQ(log, hasRow ? QStringList{kDataChange + QStringLiteral(":%1:-").arg(id)} : QStringList{});
    for (const QString& procedure : {kFormCreate, kFormDestroy}) {
      log.clear();
      Run(procedure, {Obj(&form), 5, id});
      EXPECT_EQ(log, hasRow ? QStringList{procedure + QStringLiteral(":%1:5").arg(id)} : QStringList{});
    }
  }
}

TEST_F(EventDispatchTest, MissingObjectsDoNothing) {
  RegisterProbes();
  for (const DataSetCase& c : kDataSetEvents) Run(QString::fromUtf8(c.procedure), {0, 0, 296, Var::Null()});
  Run(kDataChange, {0, 0, 296, Var::Null(), Var::Null()});
  Run(kFormCreate, {Var::Null(), 1, 296});
  Run(QString::fromUtf8(kDataSetEvents[0].procedure));  // no arguments at all
  EXPECT_TRUE(log.isEmpty()) << log.join(QLatin1Char(' ')).toStdString();
}

TEST_F(EventDispatchTest, DataChangeHandsTheChangedFieldOrNothing) {
  RegisterProbes();
  TDataSource source(cards.get());
  TField& field = cards->FieldByName(QStringLiteral("BloqueadoT24"));
  Run(kDataChange, {0, 0, 296, Obj(&source), QVariant::fromValue<TField*>(&field)});
  Run(kDataChange, {0, 0, 296, Obj(&source), QStringLiteral("DescrBoletinNotasT24")});
  Run(kDataChange, {0, 0, 296, Obj(&source)});
  EXPECT_EQ(log, (QStringList{kDataChange + QStringLiteral(":296:BloqueadoT24"),
                              kDataChange + QStringLiteral(":296:DescrBoletinNotasT24"),
                              kDataChange + QStringLiteral(":296:-")}));
}

TEST_F(EventDispatchTest, FormCreationRunsTheGridSetUpOnlyWhenBothIntegersArePositive) {
  RegisterProbes();
  EventRules::SetGridSetup(
      [this](TZULForm&, int value, int id) { log << QStringLiteral("grid:%1:%2").arg(id).arg(value); });
  TZULForm form(1, 3, QStringLiteral("FRMAlumnos"));
  struct Case {
    int value;
    int id;
    QStringList expected;
  };
  const Case cases[] = {
      {1, 3, {QStringLiteral("grid:3:1"), kFormCreate + QStringLiteral(":3:1")}},
      {0, 3, {kFormCreate + QStringLiteral(":3:0")}},
      {-1, 3, {kFormCreate + QStringLiteral(":3:-1")}},
      {2, 208, {QStringLiteral("grid:208:2")}},
      {2, 0, {}},
  };
  for (const Case& c : cases) {
    log.clear();
    Run(kFormCreate, {Obj(&form), c.value, c.id});
    EXPECT_EQ(log, c.expected) << c.value << " " << c.id;
  }
  log.clear();
  Run(kFormDestroy, {Obj(&form), 1, 208});  // destruction has no grid set-up
  EXPECT_TRUE(log.isEmpty());
}

TEST_F(EventDispatchTest, BeforeInsertRunsTheNewRecordCheckForEveryIdentifierFirst) {
  RegisterProbes();
  EventRules::SetNewRecordCheck([this](TSQLDataSet* dataSet, int id) {
    EXPECT_EQ(dataSet, cards.get());
    log << QStringLiteral("check:%1").arg(id);
  });
  const QString beforeInsert = QStringLiteral("ProcedureZULDataEvent_BEFOREINSERT");
  Run(beforeInsert, {0, 0, 296, Obj(cards.get())});
  Run(beforeInsert, {0, 0, 291, Obj(cards.get())});
  Run(QStringLiteral("ProcedureZULDataEvent_AFTERINSERT"), {0, 0, 291, Obj(cards.get())});
  EXPECT_EQ(log, (QStringList{QStringLiteral("check:296"), beforeInsert + QStringLiteral(":296"),
                              QStringLiteral("check:291")}));

  // A check that raises stops the row and the insert.
  log.clear();
  EventRules::SetNewRecordCheck([](TSQLDataSet*, int) { throw Exception(QStringLiteral("sin centro")); });
  EXPECT_THROW(Run(beforeInsert, {0, 0, 296, Obj(cards.get())}), Exception);
  EXPECT_TRUE(log.isEmpty());
}

TEST_F(EventDispatchTest, RealDataSetEventsReachTheRowsAndBeforePostKeepsTheState) {
  auto query = OpenQuery(QStringLiteral("SELECT * FROM T24BoletinesNotas"), 296);
  TSQLDataSet& card = *query->DataSet();
  QStringList seen;
  std::vector<TDataSetState> statesAtAfterPost;
  EventRules::Register(TDataSetEvent::BeforePost, 296, [&](TSQLDataSet& dataSet, int) {
    EXPECT_EQ(&dataSet, &card);
    seen << QStringLiteral("BEFOREPOST");
  });
  EventRules::Register(TDataSetEvent::AfterPost, 296, [&](TSQLDataSet&, int) {
    statesAtAfterPost.push_back(EventRules::LastBeforePostState());
  });
  EventRules::RegisterDataChange(296, [&](TDataSource& source, TField* field, int) {
    EXPECT_EQ(&source, query->DataSource());
    if (field != nullptr) seen << field->FieldName();
  });

  card.Append();
  card.FieldByName(QStringLiteral("DescrBoletinNotasT24")).SetValue(QStringLiteral("1ª evaluación"));
  card.Post();
  card.Edit();
  card.FieldByName(QStringLiteral("BloqueadoT24")).SetValue(true);
  card.Post();

  EXPECT_EQ(seen, (QStringList{QStringLiteral("DescrBoletinNotasT24"), QStringLiteral("BEFOREPOST"),
                               QStringLiteral("BloqueadoT24"), QStringLiteral("BEFOREPOST")}));
  EXPECT_EQ(statesAtAfterPost, (std::vector<TDataSetState>{TDataSetState::dsInsert, TDataSetState::dsEdit}));

  // Any identifier stores the state, with or without a row.
  auto other = OpenQuery(QStringLiteral("SELECT * FROM T23FormatosBoletinesNotas"), 291);
  other->DataSet()->Append();
  other->DataSet()->Post();
  EXPECT_EQ(EventRules::LastBeforePostState(), TDataSetState::dsInsert);
}

TEST_F(EventDispatchTest, ARuleThatRaisesCancelsTheOperation) {
  Insert(QStringLiteral("T24BoletinesNotas"), QStringLiteral("IDBoletinNotasT24"),
         {QStringLiteral("DescrBoletinNotasT24")}, {QStringLiteral("Junio")});
  auto query = OpenQuery(QStringLiteral("SELECT * FROM T24BoletinesNotas"), 296);
  EventRules::Register(TDataSetEvent::BeforeEdit, 296, [](TSQLDataSet&, int) {
    throw Exception(QStringLiteral("El boletín está bloqueado"));
  });
  try {
    query->DataSet()->Edit();
    ADD_FAILURE() << "edit was not rejected";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("El boletín está bloqueado"));
  }
  EXPECT_EQ(query->DataSet()->State(), TDataSetState::dsBrowse);
}

TEST_F(EventDispatchTest, ARuleMayReplaceItsOwnRowWhileItRuns) {
  int calls = 0;
  EventRules::Register(TDataSetEvent::AfterEdit, 3, [&](TSQLDataSet&, int) {
    ++calls;
    EventRules::Register(TDataSetEvent::AfterEdit, 3, [&](TSQLDataSet&, int) { calls += 10; });
  });
  const QString afterEdit = QStringLiteral("ProcedureZULDataEvent_AFTEREDIT");
  Run(afterEdit, {0, 0, 3, Obj(cards.get())});
  Run(afterEdit, {0, 0, 3, Obj(cards.get())});
  EXPECT_EQ(calls, 11);
  EventRules::Unregister(TDataSetEvent::AfterEdit, 3);
  Run(afterEdit, {0, 0, 3, Obj(cards.get())});
  EXPECT_EQ(calls, 11);
}

}  // namespace
