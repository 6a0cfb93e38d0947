#include "App/CodiComu/TParametrosApp.h"

#include <gtest/gtest.h>

#include "App/CodiComu/SqlBuilders.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/TempDir.h"

namespace {

class ParametrosAppTest : public ::testing::Test {
protected:
  void SetUp() override {
    path = dir.File(QStringLiteral("params.mdb"));
    db.Create(path);
    CreateSchema(db);
    params.SetDataBase(&db);
  }

  // The row of a parameter by exact name: {value field, description, value of the field}.
  struct Row {
    bool exists = false;
    QString field;
    QString description;
    QVariant value;
  };
  Row Stored(const QString& name) {
    auto q = db.GetTSQLDataSet(
        QStringLiteral("SELECT * FROM T99ParametrosAplicacion WHERE NombreParametroT99 = ") +
        ValorSQL(db, QVariant(name)));
    q->Open();
    Row row;
    if (q->IsEmpty()) return row;
    row.exists = true;
    row.field = q->FieldByName(QStringLiteral("NombreCampoValorT99")).AsString();
    row.description = q->FieldByName(QStringLiteral("DescrParametroT99")).AsString();
    row.value = q->FieldByName(row.field).Value();
    return row;
  }
  int RowCount() {
    return ComptaRegistres(db, QStringLiteral("*"), QStringLiteral("T99ParametrosAplicacion"), QString());
  }

  TempDir dir;
  QString path;
  TDataBaseZUL db;
  TParametrosApp params;
};

TEST_F(ParametrosAppTest, TypedReadsFallBackToTheDefault) {
  EXPECT_EQ(params.GetInteger(QStringLiteral("GR_D_NLineasPie"), 1), 1);
  EXPECT_EQ(RowCount(), 0);  // reading creates nothing
  EXPECT_TRUE(Var::IsNull(params.GetValue(QStringLiteral("GR_D_NLineasPie"))));

  params.DeclareParameter(QStringLiteral("Texto"), QStringLiteral("d"), QStringLiteral("abc"), 6);
  EXPECT_EQ(params.GetInteger(QStringLiteral("Texto"), 7), 7);  // not a number
  EXPECT_EQ(params.GetString(QStringLiteral("Texto"), QString()), QStringLiteral("abc"));
  params.DeclareParameter(QStringLiteral("Vacio"), QStringLiteral("d"), QVariant(), 1);
  EXPECT_EQ(params.GetInteger(QStringLiteral("Vacio"), 9), 9);  // null value
  EXPECT_EQ(params.GetString(QStringLiteral("Vacio"), QStringLiteral("x")), QStringLiteral("x"));

  params.DeclareParameter(QStringLiteral("Flag"), QStringLiteral("d"), true, 5);
  EXPECT_FALSE(params.GetBoolean(QStringLiteral("Missing"), false));
  EXPECT_TRUE(params.GetBoolean(QStringLiteral("Flag"), false));

  db.Close();  // connection closed: every getter gives the default, GetValue raises
  EXPECT_TRUE(params.GetBoolean(QStringLiteral("Flag"), true));
  EXPECT_FALSE(params.GetBoolean(QStringLiteral("Flag"), false));
  EXPECT_EQ(params.GetString(QStringLiteral("Texto"), QStringLiteral("d")), QStringLiteral("d"));
  EXPECT_THROW(params.GetValue(QStringLiteral("Flag")), EDatabaseError);
  EXPECT_THROW(params.SetValue(QStringLiteral("Flag"), false), EDatabaseError);
}

TEST_F(ParametrosAppTest, MissingDatabaseOrTableIsHandled) {
  TParametrosApp loose;
  DefaultDataBase::Set(nullptr);
  try {
    loose.CheckDataBase();
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("DataBaseZUL no inicializada en TParametrosApp"));
  }
  EXPECT_EQ(loose.GetInteger(QStringLiteral("X"), 3), 3);
  // Without a database object set, the default database is used.
  DefaultDataBase::Set(&db);
  loose.SetValue(QStringLiteral("X"), 4);
  EXPECT_EQ(loose.GetInteger(QStringLiteral("X"), 3), 4);
  DefaultDataBase::Set(nullptr);

  // A database without the table: reads default, declarations swallow the error.
  TDataBaseZUL bare;
  bare.Create(dir.File(QStringLiteral("bare.mdb")));
  TParametrosApp other;
  other.SetDataBase(&bare);
  EXPECT_EQ(other.GetString(QStringLiteral("A"), QStringLiteral("def")), QStringLiteral("def"));
  EXPECT_NO_THROW(other.DeclareParameter(QStringLiteral("A"), QStringLiteral("d"), 1, 1));
  EXPECT_THROW(other.DeclareParameter(QStringLiteral("A"), QStringLiteral("d"), 1, 0), EDatabaseError);
  EXPECT_THROW(other.DeclareParameter(QStringLiteral("A"), QStringLiteral("d"), 1, 9), EDatabaseError);
}

TEST_F(ParametrosAppTest, SetValueCreatesByKindAndKeepsTheStoredType) {
  struct Case {
    const char* name;
    QVariant value;
    const char* field;
  };
  const Case cases[] = {
      {"P_Int", QVariant(42), "ValorIntegerT99"},
      {"P_Int64", QVariant::fromValue<qint64>(7), "ValorIntegerT99"},
      {"P_Cur", Var::FromCurrency(Currency::Parse(QStringLiteral("12,3456"))), "ValorCurrencyT99"},
      {"P_Date", Var::FromDate(DayDate::Encode(2024, 2, 29)), "ValorFechaHoraT99"},
      {"P_Bool", QVariant(true), "ValorBooleanT99"},
      {"P_Text", QVariant(QStringLiteral("ñandú")), "ValorTextoT99"},
  };
  for (const Case& c : cases) {
    const QString name = QString::fromLatin1(c.name);
    params.SetValue(name, c.value);
    const Row row = Stored(name);
    ASSERT_TRUE(row.exists) << c.name;
    EXPECT_EQ(row.field, QString::fromLatin1(c.field)) << c.name;
    EXPECT_TRUE(row.description.isEmpty()) << c.name;
    EXPECT_EQ(Var::ToString(params.GetValue(name)), Var::ToString(c.value)) << c.name;
  }
  // A value of no storable kind creates nothing.
  params.SetValue(QStringLiteral("P_List"), QVariantList{1, 2});
  EXPECT_FALSE(Stored(QStringLiteral("P_List")).exists);

  // An integer written to a text parameter is stored as text in its field.
  params.SetValue(QStringLiteral("P_Text"), 15);
  EXPECT_EQ(Stored(QStringLiteral("P_Text")).value, QVariant(QStringLiteral("15")));
  EXPECT_EQ(params.GetInteger(QStringLiteral("P_Text"), 0), 15);
  // Text that is no number on an integer parameter fails and leaves the value.
  EXPECT_ANY_THROW(params.SetValue(QStringLiteral("P_Int"), QStringLiteral("abc")));
  EXPECT_EQ(params.GetInteger(QStringLiteral("P_Int"), 0), 42);

  // A row whose value field is unknown cannot be written.
  db.ExecuteSQL(
      QStringLiteral("UPDATE T99ParametrosAplicacion SET NombreCampoValorT99 = 'Otro' "
                     "WHERE NombreParametroT99 = 'P_Bool'"));
  try {
    params.SetValue(QStringLiteral("P_Bool"), false);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("El tipo de parametro no es válido"));
  }
}

TEST_F(ParametrosAppTest, DeclareCreatesOnceAndConvertsOnlyOnAnotherType) {
  params.DeclareParameter(QStringLiteral("Uno"), QStringLiteral("primero"), 1, 1);
  params.DeclareParameter(QStringLiteral("Dos"), QStringLiteral("segundo"), QStringLiteral("x"), 6);
  EXPECT_EQ(Var::ToInt(
                MaximValor(db, QStringLiteral("T99ParametrosAplicacion"), QStringLiteral("IDParamAplicT99"))),
            2);

  params.SetValue(QStringLiteral("Uno"), 5);
  params.DeclareParameter(QStringLiteral("Uno"), QStringLiteral("nueva descripción"), 99, 1);
  Row row = Stored(QStringLiteral("Uno"));
  EXPECT_EQ(row.description, QStringLiteral("nueva descripción"));
  EXPECT_EQ(Var::ToInt(row.value), 5);  // same type: the value stays

  params.SetValue(QStringLiteral("Dos"), QStringLiteral("texto viejo"));
  params.DeclareParameter(QStringLiteral("Dos"), QStringLiteral("ahora entero"), 3, 1);
  row = Stored(QStringLiteral("Dos"));
  EXPECT_EQ(row.field, QStringLiteral("ValorIntegerT99"));
  EXPECT_EQ(Var::ToInt(row.value), 3);
  EXPECT_EQ(RowCount(), 2);
}

// Codes 3 and 4 share the date field: a date declared again at every connection
// must keep the value the user stored, whichever of the two codes it uses.
TEST_F(ParametrosAppTest, DateDeclaredAgainKeepsItsValue) {
  const TDateTime declared = DayDate::Encode(2000, 1, 1);
  const TDateTime stored = DayDate::Encode(2023, 9, 15);
  for (int type : {3, 4}) {
    const QString name = QStringLiteral("Fecha%1").arg(type);
    params.DeclareParameter(name, QStringLiteral("fecha"), Var::FromDate(declared), type);
    params.SetValue(name, Var::FromDate(stored));
    for (int again : {3, 4})
      params.DeclareParameter(name, QStringLiteral("fecha"), Var::FromDate(declared), again);
    EXPECT_EQ(Var::ToDateTime(params.GetValue(name)), stored) << type;
  }
}

TEST_F(ParametrosAppTest, NameIsALikePattern) {
  params.SetValue(QStringLiteral("GRXD_Valor"), 1);
  // '_' matches any single character, letter case does not matter.
  EXPECT_EQ(params.GetInteger(QStringLiteral("GR_D_Valor"), 0), 1);
  EXPECT_EQ(params.GetInteger(QStringLiteral("grxd_valor"), 0), 1);
  EXPECT_EQ(params.GetInteger(QStringLiteral("GR_D_Valo"), 0), 0);
  // '%' matches any run.
  EXPECT_EQ(params.GetInteger(QStringLiteral("GR%"), 0), 1);
  // Declaring the underscore name finds the other row and creates nothing new.
  params.DeclareParameter(QStringLiteral("GR_D_Valor"), QStringLiteral("d"), 9, 1);
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Stored(QStringLiteral("GRXD_Valor")).description, QStringLiteral("d"));
}

int g_order = 0;
int g_first = 0;
int g_second = 0;
void First() { g_first = ++g_order; }
void Second() {
  g_second = ++g_order;
  ParametrosApp().DeclareParameter(QStringLiteral("Declarado"), QStringLiteral("d"), 10, 1);
}

TEST_F(ParametrosAppTest, DeclarationsRunAfterEveryConnectionAndKeepValues) {
  TParametrosApp& shared = ParametrosApp();
  shared.SetDataBase(&db);
  shared.RegisterDeclaration(&First);
  shared.RegisterDeclaration(&Second);
  shared.RegisterDeclaration(&First);  // ignored
  g_order = 0;
  shared.NotifyParametersChanged();
  EXPECT_EQ(g_first, 1);
  EXPECT_EQ(g_second, 2);
  EXPECT_EQ(g_order, 2);
  shared.SetValue(QStringLiteral("Declarado"), 77);

  // A second connection to the same file keeps what was stored.
  db.Close();
  g_order = 0;
  shared.NotifyParametersChanged();  // not connected: nothing runs
  EXPECT_EQ(g_order, 0);
  db.Open(path);
  shared.NotifyParametersChanged();
  EXPECT_EQ(g_order, 2);
  EXPECT_EQ(shared.GetInteger(QStringLiteral("Declarado"), 0), 77);

  // A database without the parameters table runs nothing.
  TDataBaseZUL bare;
  bare.Create(dir.File(QStringLiteral("bare.mdb")));
  shared.SetDataBase(&bare);
  g_order = 0;
  shared.NotifyParametersChanged();
  EXPECT_EQ(g_order, 0);

  shared.UnregisterDeclaration(&First);
  shared.UnregisterDeclaration(&Second);
  shared.SetDataBase(&db);
  shared.NotifyParametersChanged();
  EXPECT_EQ(g_order, 0);
  shared.SetDataBase(nullptr);
}

}  // namespace
