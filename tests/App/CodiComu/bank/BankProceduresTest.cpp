// "BuscarCodigoBIC" and "GeneraDatosMandato" on a student form's record, headless,
// with scripted answers.

#include <gtest/gtest.h>

#include <map>

#include "App/CodiComu/bank/BankProcedures.h"
#include "App/CodiComu/bank/MandateData.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

const QString kIban = QStringLiteral("ES9121000418450200051332");

class BankProceduresTest : public ::testing::Test {
protected:
  BankProceduresTest() {
    Parametres().Clear();
    Dialogs::SetAppTitle(QStringLiteral("Luma Pro"));
    db.Create(dir.File(QStringLiteral("bank.mdb")));
    CreateSchema(db);
    db.ExecuteSQL(
        QStringLiteral("INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20) VALUES ('C1', 'Centro')"));
    MandateData::SetClock([] { return DayDate::Encode(2024, 3, 5, 14, 7, 9); });
    MandateData::SetRandomSource([] { return 42; });
    RegisterBankProcedures(
        [this](const QString& name, TZULProcedure body) { bodies[name] = std::move(body); });
  }
  ~BankProceduresTest() override {
    Parametres().Clear();
    Dialogs::SetAppTitle(QString());
    MandateData::SetClock(nullptr);
    MandateData::SetRandomSource(nullptr);
  }

  // A student record with the form's query over it, as the framework hands it over.
  void OpenStudent(const QString& iban, const QString& bic = QString()) {
    db.ExecuteSQL(
        QStringLiteral("INSERT INTO T01Alumnos (IDCentroT01, NombreT01, IBANT01, BICT01) "
                       "VALUES (1, 'Luis', '%1', %2)")
            .arg(iban, bic.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + bic + QLatin1Char('\'')));
    query = std::make_unique<TQuerySQL>(&db, QStringLiteral("SELECT * FROM T01Alumnos"), 3, nullptr);
    query->Open();
    Parametres().SetObject(PRM::TQuerySQL, query.get());
  }
  void Arguments(const QString& first, const QString& second) {
    Parametres().AddParam(PRM::Argument(1), first);
    Parametres().AddParam(PRM::Argument(2), second);
  }
  void Run(const QString& name) { bodies.at(name)(nullptr, {}); }
  TSQLDataSet& Student() { return *query->DataSet(); }
  QVariant Stored(const QString& field) {
    auto read = db.GetTSQLDataSet(QStringLiteral("SELECT %1 FROM T01Alumnos").arg(field));
    read->Open();
    return read->Fields(0).Value();
  }

  TempDir dir;
  TDataBaseZUL db;
  std::unique_ptr<TQuerySQL> query;
  std::map<QString, TZULProcedure> bodies;
  ScriptedDialogs::Scope dialogs;
};

// --- BuscarCodigoBIC ---

TEST_F(BankProceduresTest, BothBodiesArePluggedUnderTheirNames) {
  EXPECT_EQ(bodies.size(), 2u);
  EXPECT_EQ(bodies.count(QStringLiteral("BuscarCodigoBIC")), 1u);
  EXPECT_EQ(bodies.count(QStringLiteral("GeneraDatosMandato")), 1u);
}

TEST_F(BankProceduresTest, YesPutsTheRecordInEditWithTheFoundBic) {
  OpenStudent(kIban);
  Arguments(QStringLiteral("IBANT01"), QStringLiteral("BICT01"));
  dialogs->Answer(dbYes);
  Run(QStringLiteral("BuscarCodigoBIC"));

  ASSERT_EQ(dialogs->questions.size(), 1u);
  const ScriptedDialogs::Question& q = dialogs->questions[0];
  EXPECT_EQ(q.title, QStringLiteral("Luma Pro"));
  EXPECT_EQ(q.text, QStringLiteral("Se ha encontrado un código BIC que se corresponde con el código IBAN "
                                   "introducido.\n¿Asignar el código BIC calculado?\n\nIBAN buscado: "
                                   "ES9121000418450200051332\nCódigo BIC encontrado: CAIXESBBXXX"));
  EXPECT_EQ(q.icon, TDialogIcon::Question);
  EXPECT_EQ(q.buttons, dbYes | dbNo);
  EXPECT_EQ(Student().State(), TDataSetState::dsEdit);
  EXPECT_EQ(Student().FieldByName(QStringLiteral("BICT01")).AsString(), QStringLiteral("CAIXESBBXXX"));
  EXPECT_TRUE(Var::IsNull(Stored(QStringLiteral("BICT01"))));  // saving is the person's
  Student().Post();
  EXPECT_EQ(Stored(QStringLiteral("BICT01")).toString(), QStringLiteral("CAIXESBBXXX"));
}

TEST_F(BankProceduresTest, NoLeavesTheRecordUntouched) {
  OpenStudent(kIban, QStringLiteral("BSCHESMMXXX"));
  Arguments(QStringLiteral("IBANT01"), QStringLiteral("BICT01"));
  dialogs->Answer(dbNo);
  Run(QStringLiteral("BuscarCodigoBIC"));
  EXPECT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(Student().State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Student().FieldByName(QStringLiteral("BICT01")).AsString(), QStringLiteral("BSCHESMMXXX"));
}

TEST_F(BankProceduresTest, NoticesWhenThereIsNothingToAssign) {
  const std::pair<QString, QString> cases[] = {
      {QString(), QStringLiteral("Para calcular el código BIC es necesario introducir el código IBAN")},
      {QStringLiteral("ES8099990001450000000001"),
       QStringLiteral("No se encuentra ningún código BIC asociado al código IBAN indicado.\n\n"
                      "IBAN buscado: ES8099990001450000000001")},
      {QStringLiteral("FR1420041010050500013M02606"),
       QStringLiteral("No se encuentra ningún código BIC asociado al código IBAN indicado.\n\n"
                      "IBAN buscado: FR1420041010050500013M02606")},
  };
  for (const auto& [iban, notice] : cases) {
    SCOPED_TRACE(iban.toStdString());
    db.ExecuteSQL(QStringLiteral("DELETE FROM T01Alumnos"));
    OpenStudent(iban);
    Arguments(QStringLiteral("IBANT01"), QStringLiteral("BICT01"));
    dialogs->notices.clear();
    Run(QStringLiteral("BuscarCodigoBIC"));
    EXPECT_EQ(dialogs->notices, QStringList{notice});
    EXPECT_TRUE(dialogs->questions.empty());
    EXPECT_EQ(Student().State(), TDataSetState::dsBrowse);
  }
}

TEST_F(BankProceduresTest, WithoutBothArgumentsOrARecordNothingHappens) {
  for (const QString& name : {QStringLiteral("BuscarCodigoBIC"), QStringLiteral("GeneraDatosMandato")}) {
    SCOPED_TRACE(name.toStdString());
    Parametres().Clear();
    OpenStudent(kIban);
    for (const auto& [first, second] :
         {std::pair{QString(), QStringLiteral("BICT01")}, std::pair{QStringLiteral("IBANT01"), QString()},
          std::pair{QString(), QString()}}) {
      Arguments(first, second);
      Run(name);
    }
    Parametres().Clear();  // no calling query either
    Arguments(QStringLiteral("IBANT01"), QStringLiteral("BICT01"));
    Run(name);
    EXPECT_TRUE(dialogs->questions.empty());
    EXPECT_TRUE(dialogs->notices.empty());
    EXPECT_EQ(Student().State(), TDataSetState::dsBrowse);
  }
}

TEST_F(BankProceduresTest, TheCallingDataSetMayComeAsDataSet) {
  OpenStudent(kIban);
  Parametres().DeleteParam(PRM::TQuerySQL);
  Parametres().SetObject(PRM::DataSet, &Student());
  Arguments(QStringLiteral("IBANT01"), QStringLiteral("BICT01"));
  dialogs->Answer(dbYes);
  Run(QStringLiteral("BuscarCodigoBIC"));
  EXPECT_EQ(Student().FieldByName(QStringLiteral("BICT01")).AsString(), QStringLiteral("CAIXESBBXXX"));
}

// --- GeneraDatosMandato ---

TEST_F(BankProceduresTest, MandateYesSetsReferenceAndDate) {
  OpenStudent(kIban);
  Arguments(QStringLiteral("ReferenciaMandatoT01"), QStringLiteral("FechaMandatoT01"));
  dialogs->Answer(dbYes);
  Run(QStringLiteral("GeneraDatosMandato"));

  ASSERT_EQ(dialogs->questions.size(), 1u);
  const ScriptedDialogs::Question& q = dialogs->questions[0];
  EXPECT_EQ(q.title, QStringLiteral("Luma Pro"));
  EXPECT_EQ(q.text, QStringLiteral("¿Asignar los siguientes datos al mandato?\n\nReferencia del mandato: "
                                   "A240305140709042\nFecha del mandato: 05/03/2024"));
  EXPECT_EQ(q.icon, TDialogIcon::Question);
  EXPECT_EQ(q.buttons, dbYes | dbNo);
  EXPECT_EQ(Student().State(), TDataSetState::dsEdit);
  Student().Post();
  EXPECT_EQ(Stored(QStringLiteral("ReferenciaMandatoT01")).toString(), QStringLiteral("A240305140709042"));
  EXPECT_EQ(Var::ToDateTime(Stored(QStringLiteral("FechaMandatoT01"))), DayDate::Encode(2024, 3, 5));
}

TEST_F(BankProceduresTest, MandateNoLeavesTheRecordUntouched) {
  OpenStudent(kIban);
  Arguments(QStringLiteral("ReferenciaMandatoT01"), QStringLiteral("FechaMandatoT01"));
  dialogs->Answer(dbNo);
  Run(QStringLiteral("GeneraDatosMandato"));
  EXPECT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(Student().State(), TDataSetState::dsBrowse);
  EXPECT_TRUE(Student().FieldByName(QStringLiteral("ReferenciaMandatoT01")).IsNull());
  EXPECT_TRUE(Student().FieldByName(QStringLiteral("FechaMandatoT01")).IsNull());
}

TEST_F(BankProceduresTest, MandateWhileAlreadyEditingKeepsTheEdit) {
  OpenStudent(kIban);
  Student().Edit();
  Student().FieldByName(QStringLiteral("NombreT01")).SetValue(QStringLiteral("Luisa"));
  Arguments(QStringLiteral("ReferenciaMandatoT01"), QStringLiteral("FechaMandatoT01"));
  dialogs->Answer(dbYes);
  Run(QStringLiteral("GeneraDatosMandato"));
  EXPECT_EQ(Student().FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Luisa"));
  EXPECT_EQ(Student().FieldByName(QStringLiteral("ReferenciaMandatoT01")).AsString(),
            QStringLiteral("A240305140709042"));
}

}  // namespace
