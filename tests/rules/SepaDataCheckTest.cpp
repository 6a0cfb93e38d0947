#include <gtest/gtest.h>

#include "App/CodiComu/SqlBuilders.h"
#include "App/CodiComu/TParametrosApp.h"
#include "platform/core/Exceptions.h"
#include "rules/SepaDataCheck.h"
#include "tests/rules/RulesFixture.h"
#include "tests/support/ScriptedDialogs.h"

using namespace SepaDataCheck;

namespace {

const QString kCaixa = QStringLiteral("ES9121000418450200051332");       // entity 2100: CAIXESBBXXX
const QString kCaixaBlank = QStringLiteral("ES  21000418450200051332");  // check digits missing
const QString kSantander = QStringLiteral("ES7000491500010512345678");   // entity 0049: BSCHESMMXXX
const QString kBbvaBlank = QStringLiteral("ES  01822370440201234567");   // entity 0182: BBVAESMMXXX
const QString kUnknownBank = QStringLiteral("ES8099990001450000000001");
const QString kWrongCcc = QStringLiteral("ES9121000418460200051332");  // control digits 46, not 45
const QString kFrench = QStringLiteral("FR1420041010050500013M02606");

struct Student {
  const char* name;
  QString iban;
  QString bic;
  QString expectedIban;  // after the apply run
  QString expectedBic;
  bool error;
};

class SepaDataCheckTest : public RulesFixture {
protected:
  const std::vector<Student> students = {
      {"Ana", kCaixaBlank, QString(), kCaixa, QStringLiteral("CAIXESBBXXX"), false},
      {"Berta", QStringLiteral(" ") + kSantander + QStringLiteral(" "), QStringLiteral("bschesmmxxx"),
       kSantander, QStringLiteral("BSCHESMMXXX"), false},
      {"Carlos", kSantander, QStringLiteral("BSCHESMMXXX"), kSantander, QStringLiteral("BSCHESMMXXX"), false},
      // A BIC of another bank is reported, never replaced.
      {"Dora", kCaixa, QStringLiteral("BBVAESMMXXX"), kCaixa, QStringLiteral("BBVAESMMXXX"), true},
      {"Elena", kWrongCcc, QString(), kWrongCcc, QString(), true},
      {"Félix", kFrench, QStringLiteral("BNPAFRPPXXX"), kFrench, QStringLiteral("BNPAFRPPXXX"), true},
      {"Gema", QStringLiteral("ES  99990001450000000001"), QString(),
       QStringLiteral("ES  99990001450000000001"), QString(), true},
  };

  void SetUp() override {
    int code = 1;
    for (const Student& s : students) {
      Insert(QStringLiteral("T01Alumnos"), QStringLiteral("IDAlumnoT01"),
             {QStringLiteral("CodigoT01"), QStringLiteral("NombreCompletoT01"), QStringLiteral("IBANT01"),
              QStringLiteral("BICT01")},
             {code++, QString::fromUtf8(s.name), s.iban, s.bic});
    }
    const int student = 1;
    enrolWithData = Insert(QStringLiteral("T02Matriculas"), QStringLiteral("IDMatriculaT02"),
                           {QStringLiteral("IDAlumnoT02"), QStringLiteral("NMatriculaT02"),
                            QStringLiteral("DatosCobroEnMatriculaT02"), QStringLiteral("IBANT02")},
                           {student, QStringLiteral("M-7"), true, kBbvaBlank});
    enrolBadData = Insert(QStringLiteral("T02Matriculas"), QStringLiteral("IDMatriculaT02"),
                          {QStringLiteral("IDAlumnoT02"), QStringLiteral("NMatriculaT02"),
                           QStringLiteral("DatosCobroEnMatriculaT02"), QStringLiteral("IBANT02")},
                          {student, QStringLiteral("M-8"), true, kUnknownBank});
    // Bank data not in use by the enrolment: left as it is.
    enrolUnused = Insert(QStringLiteral("T02Matriculas"), QStringLiteral("IDMatriculaT02"),
                         {QStringLiteral("IDAlumnoT02"), QStringLiteral("NMatriculaT02"),
                          QStringLiteral("DatosCobroEnMatriculaT02"), QStringLiteral("IBANT02")},
                         {student, QStringLiteral("M-9"), false, kBbvaBlank});
    invoice =
        Insert(QStringLiteral("T15FacturasCab"), QStringLiteral("IDFacturaCabT15"),
               {QStringLiteral("NumeroT15"), QStringLiteral("FechaT15"),
                QStringLiteral("CCCNombreTitularT15"), QStringLiteral("IBANT15"), QStringLiteral("BICT15")},
               {57, QDate(2014, 3, 1), QStringLiteral("Ana Titular"), kCaixaBlank, QStringLiteral("OTRO")});
    badInvoice = Insert(QStringLiteral("T15FacturasCab"), QStringLiteral("IDFacturaCabT15"),
                        {QStringLiteral("NumeroT15"), QStringLiteral("FechaT15"),
                         QStringLiteral("CCCNombreTitularT15"), QStringLiteral("IBANT15")},
                        {58, QDate(2014, 3, 2), QStringLiteral("Luis Titular"), kWrongCcc});
    method = Insert(QStringLiteral("T17FormasCobro"), QStringLiteral("IDFormaCobroT17"),
                    {QStringLiteral("DescFormaCobroT17"), QStringLiteral("IBANT17")},
                    {QStringLiteral("Recibo domiciliado"), kBbvaBlank});
  }

  QString Field(const QString& table, const QString& field, const QString& key, int id) {
    return Scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4").arg(field, table, key).arg(id)).toString();
  }
  QString StudentField(int index, const char* field) {
    return Field(QStringLiteral("T01Alumnos"), QString::fromLatin1(field), QStringLiteral("IDAlumnoT01"),
                 index + 1);
  }
  QString Enrolment(int id, const char* field) {
    return Field(QStringLiteral("T02Matriculas"), QString::fromLatin1(field),
                 QStringLiteral("IDMatriculaT02"), id);
  }
  // Every bank field of the database, to see that nothing moved.
  QStringList Snapshot() {
    QStringList all;
    for (int i = 0; i < int(students.size()); ++i)
      all << StudentField(i, "IBANT01") << StudentField(i, "BICT01");
    for (int id : {enrolWithData, enrolBadData, enrolUnused})
      all << Enrolment(id, "IBANT02") << Enrolment(id, "BICT02");
    for (int id : {invoice, badInvoice}) {
      all << Field(QStringLiteral("T15FacturasCab"), QStringLiteral("IBANT15"),
                   QStringLiteral("IDFacturaCabT15"), id)
          << Field(QStringLiteral("T15FacturasCab"), QStringLiteral("BICT15"),
                   QStringLiteral("IDFacturaCabT15"), id);
    }
    all << Field(QStringLiteral("T17FormasCobro"), QStringLiteral("IBANT17"),
                 QStringLiteral("IDFormaCobroT17"), method)
        << Field(QStringLiteral("T17FormasCobro"), QStringLiteral("BICT17"),
                 QStringLiteral("IDFormaCobroT17"), method);
    return all;
  }
  bool Converted() {
    TParametrosApp parameters;
    parameters.SetDataBase(&db);
    return parameters.GetBoolean(ConvertedParameter(), false);
  }
  void AddCentre() {
    Insert(QStringLiteral("T20Centros"), QStringLiteral("IDCentroT20"), {QStringLiteral("CodigoCentroT20")},
           {QStringLiteral("C1")});
  }

  int enrolWithData = 0, enrolBadData = 0, enrolUnused = 0, invoice = 0, badInvoice = 0, method = 0;
};

TEST_F(SepaDataCheckTest, ListModeReportsErrorsAndWritesNothing) {
  const QStringList before = Snapshot();
  const TSepaCheckResult result = CheckSepaData(db, false);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(result.applied);
  EXPECT_FALSE(Converted());

  const QString stars(67, QLatin1Char('*'));
  const QStringList expected = {
      stars,
      QStringLiteral("*** Comprobación de códigos IBAN y cálculo de los códigos BIC   ***"),
      QStringLiteral("*** para adaptar la información según normativa bancaria SEPA.  ***"),
      QStringLiteral("*** Si se aceptan los cámbios se actualizarán los códigos BIC y ***"),
      QStringLiteral("*** se calcularán los dígitos de control de los campos IBAN     ***"),
      QStringLiteral("*** españoles \"ES\" que no tengan asignados dígitos de control   ***"),
      stars,
      QStringLiteral(
          "4 ; Dora ; El BIC calculado (CAIXESBBXXX) no coincide con el BIC existente (BBVAESMMXXX)  ") +
          kCaixa,
      QStringLiteral("5 ; Elena ; El número de cuenta (2100-0418-46-0200051332) no es correcto  ") +
          kWrongCcc,
      QStringLiteral("6 ; Félix ; El IBAN tiene un código de país distinto a \"ES\" y no se comprobará  ") +
          kFrench,
      QStringLiteral(
          "7 ; Gema ; No se encuentra el código BIC para la entidad: 9999  ES  99990001450000000001"),
      QStringLiteral("Procesados un total de 7 registros con 4 errores."),
      QStringLiteral("M-8 ; Ana ; No se encuentra el código BIC para la entidad: 9999  ") + kUnknownBank,
      QStringLiteral("Procesados un total de 2 registros con 1 errores."),
      QStringLiteral(
          "58 ; 02/03/2014 ; Luis Titular ; El número de cuenta (2100-0418-46-0200051332) no es correcto  ") +
          kWrongCcc,
      QStringLiteral("Procesados un total de 2 registros con 1 errores."),
      QStringLiteral("Procesados un total de 1 registros con 0 errores."),
      QStringLiteral("*** Finalizada la actualización ***"),
  };
  EXPECT_EQ(result.lines, expected);
  EXPECT_EQ(result.Errors(), 6);
  EXPECT_EQ(result.Changes(), 5);  // Ana, Berta, enrolment M-7, invoice 57, the payment method
}

TEST_F(SepaDataCheckTest, ApplyModeConvertsWhatPassedAndLeavesTheRest) {
  const TSepaCheckResult result = CheckSepaData(db, true);
  EXPECT_TRUE(result.applied);
  EXPECT_EQ(result.Changes(), 5);
  for (int i = 0; i < int(students.size()); ++i) {
    SCOPED_TRACE(students[i].name);
    EXPECT_EQ(StudentField(i, "IBANT01"), students[i].error ? students[i].iban : students[i].expectedIban);
    EXPECT_EQ(StudentField(i, "BICT01"), students[i].expectedBic);
  }
  EXPECT_EQ(Enrolment(enrolWithData, "IBANT02"), QStringLiteral("ES8001822370440201234567"));
  EXPECT_EQ(Enrolment(enrolWithData, "BICT02"), QStringLiteral("BBVAESMMXXX"));
  EXPECT_EQ(Enrolment(enrolBadData, "IBANT02"), kUnknownBank);
  EXPECT_EQ(Enrolment(enrolUnused, "IBANT02"), kBbvaBlank);
  EXPECT_EQ(Enrolment(enrolUnused, "BICT02"), QString());
  // Invoices: only the IBAN; the invoice's own BIC stays.
  EXPECT_EQ(Field(QStringLiteral("T15FacturasCab"), QStringLiteral("IBANT15"),
                  QStringLiteral("IDFacturaCabT15"), invoice),
            kCaixa);
  EXPECT_EQ(Field(QStringLiteral("T15FacturasCab"), QStringLiteral("BICT15"),
                  QStringLiteral("IDFacturaCabT15"), invoice),
            QStringLiteral("OTRO"));
  EXPECT_EQ(Field(QStringLiteral("T15FacturasCab"), QStringLiteral("IBANT15"),
                  QStringLiteral("IDFacturaCabT15"), badInvoice),
            kWrongCcc);
  EXPECT_EQ(Field(QStringLiteral("T17FormasCobro"), QStringLiteral("BICT17"),
                  QStringLiteral("IDFormaCobroT17"), method),
            QStringLiteral("BBVAESMMXXX"));
  EXPECT_TRUE(Converted());

  // A second run finds nothing left to change.
  const QStringList after = Snapshot();
  EXPECT_EQ(CheckSepaData(db, true).Changes(), 0);
  EXPECT_EQ(Snapshot(), after);
}

TEST_F(SepaDataCheckTest, AFailureInTheMiddleRollsEverythingBack) {
  db.ExecuteNativeSQL(
      QStringLiteral("CREATE TRIGGER sepa_fail BEFORE UPDATE ON T17FormasCobro BEGIN SELECT RAISE(ABORT, "
                     "'fallo simulado'); END"));
  const QStringList before = Snapshot();
  try {
    CheckSepaData(db, true);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("No se han podido actualizar los datos bancarios")));
    EXPECT_TRUE(e.Message().contains(QStringLiteral("fallo simulado"))) << e.Message().toStdString();
  }
  EXPECT_EQ(Snapshot(), before);  // the students, enrolments and invoices written first are undone
  EXPECT_FALSE(Converted());
  EXPECT_FALSE(db.InTransaction());
}

TEST_F(SepaDataCheckTest, TheAutomaticRunIsDueOnceAndOnlyWithACentre) {
  EXPECT_FALSE(IsSepaCheckDue(db));  // no centre yet
  AddCentre();
  EXPECT_TRUE(IsSepaCheckDue(db));
  CheckSepaData(db, false);
  EXPECT_TRUE(IsSepaCheckDue(db));  // listing converts nothing
  CheckSepaData(db, true);
  EXPECT_FALSE(IsSepaCheckDue(db));

  // Read-only: the conversion could not be written, so it is not offered.
  TParametrosApp parameters;
  parameters.SetDataBase(&db);
  parameters.SetValue(ConvertedParameter(), false);
  const QString file = db.FileName();
  app.SetDefaultDB(nullptr);
  db.Close();
  db.Open(file, true);
  app.SetDefaultDB(&db);
  EXPECT_FALSE(IsSepaCheckDue(db));
}

TEST_F(SepaDataCheckTest, TheCommandAppliesOnlyWhenThePersonAccepts) {
  ScriptedDialogs::Scope dialogs;
  const QStringList before = Snapshot();
  QStringList shown;
  EXPECT_FALSE(RunSepaDataCheck(db, [&](const QStringList& lines) {
    shown = lines;
    return false;
  }));
  EXPECT_EQ(shown, CheckSepaData(db, false).lines);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(Converted());
  EXPECT_TRUE(dialogs->notices.isEmpty());

  EXPECT_TRUE(RunSepaDataCheck(db, [](const QStringList&) { return true; }));
  EXPECT_EQ(StudentField(0, "IBANT01"), kCaixa);
  EXPECT_TRUE(Converted());
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_TRUE(dialogs->notices[0].contains(QStringLiteral("Registros modificados: 5")));
}

}  // namespace
