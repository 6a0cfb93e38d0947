#include <gtest/gtest.h>
#include <QPoint>

#include "App/CodiComu/SqlBuilders.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

class SqlBuildersTest : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("b.mdb")));
    db.ExecuteNativeSQL(QStringLiteral(
        "CREATE TABLE T03Cursos (IDCursoT03 INTEGER PRIMARY KEY AUTOINCREMENT, CodigoT03 VARCHAR(255) "
        "COLLATE "
        "JETNOCASE, DescripcionT03 VARCHAR(50) COLLATE JETNOCASE, ActivoT03 BOOLEAN NOT NULL DEFAULT 0, "
        "ImporteColabT03 CURRENCY REAL DEFAULT 0, InicioCursoT03 DATETIME REAL, IDCentroT03 INTEGER)"));
    DefaultDataBase::Set(&db);
    DefaultDataBase::SetSqlFlag(false);
  }
  void TearDown() override { DefaultDataBase::Set(nullptr); }

  int Count() {
    return ComptaRegistres(db, QStringLiteral("IDCursoT03"), QStringLiteral("T03Cursos"), QString());
  }

  TempDir dir;
  TDataBaseZUL db;
};

TEST_F(SqlBuildersTest, ValorSqlByVariantKind) {
  struct Case {
    QVariant value;
    QString literal;
  };
  const Case cases[] = {
      {QVariant(), QStringLiteral("NULL")},
      {Var::Null(), QStringLiteral("NULL")},
      {QVariant::fromValue<qint16>(-3), QStringLiteral("-3")},
      {42, QStringLiteral("42")},
      {QVariant::fromValue<uchar>(200), QStringLiteral("200")},
      {QVariant::fromValue<qint64>(1LL << 40), QStringLiteral("1099511627776")},
      {2.5, QStringLiteral("2.5")},
      {QVariant::fromValue(1.25f), QStringLiteral("1.25")},
      {Var::FromCurrency(Currency::FromRaw(15)), QStringLiteral("0.0015")},
      {Var::FromDate(46023.25), QStringLiteral("46023.25")},
      {QStringLiteral("l'Hospitalet"), QStringLiteral("'l''Hospitalet'")},
      {QByteArray("abc"), QStringLiteral("'abc'")},
      {true, QStringLiteral("TRUE")},
      {false, QStringLiteral("FALSE")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValorSQL(db, c.value), c.literal) << c.literal.toStdString();
    EXPECT_EQ(ValorSQL(c.value), c.literal) << "default database: " << c.literal.toStdString();
  }
}

TEST_F(SqlBuildersTest, ValorSqlRejectsOtherKindsWithTheirCode) {
  try {
    ValorSQL(db, QVariantList{1, 2});
    FAIL();
  } catch (const EVariantError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Variant de tipo inválido: 0000200C"));
  }
  EXPECT_THROW(ValorSQL(db, QVariant::fromValue(QPoint(1, 2))), EVariantError);
}

TEST_F(SqlBuildersTest, CreaRegistreAmbIdGivesTheNewKey) {
  const QStringList fields{QStringLiteral("CodigoT03"), QStringLiteral("DescripcionT03"),
                           QStringLiteral("ActivoT03"), QStringLiteral("ImporteColabT03"),
                           QStringLiteral("InicioCursoT03")};
  const QVariantList values{QStringLiteral("C1"), QStringLiteral("Inglés B1"), true,
                            Var::FromCurrency(Currency::FromRaw(125000)), Var::FromDate(46023)};
  EXPECT_EQ(VarAEnter(CreaRegistreAmbID(db, QStringLiteral("T03Cursos"), QStringLiteral("IDCursoT03"), fields,
                                        values)),
            1);
  EXPECT_EQ(VarAEnter(CreaRegistreAmbID(db, QStringLiteral("T03Cursos"), QStringLiteral("IDCursoT03"), fields,
                                        values)),
            2);
  EXPECT_EQ(VarAEnter(MaximValor(db, QStringLiteral("T03Cursos"), QStringLiteral("IDCursoT03"))), 2);
  auto q = db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T03Cursos WHERE IDCursoT03=2"));
  q->Open();
  EXPECT_EQ(q->FieldByName(QStringLiteral("DescripcionT03")).AsString(), QStringLiteral("Inglés B1"));
  EXPECT_TRUE(q->FieldByName(QStringLiteral("ActivoT03")).AsBoolean());
  EXPECT_EQ(q->FieldByName(QStringLiteral("ImporteColabT03")).AsCurrency(), Currency::FromRaw(125000));
  EXPECT_EQ(q->FieldByName(QStringLiteral("InicioCursoT03")).AsDateTime(), 46023.0);
}

TEST_F(SqlBuildersTest, CreaRegistreRefusesListsOfDifferentLengths) {
  try {
    CreaRegistre(db, QStringLiteral("T03Cursos"),
                 {QStringLiteral("CodigoT03"), QStringLiteral("DescripcionT03"), QStringLiteral("ActivoT03")},
                 {QStringLiteral("a"), QStringLiteral("b"), true, 4});
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(
        e.Message(),
        QStringLiteral("ERROR a CreaRegistre: La longitud de Camps és diferent de la longitud de valors!"));
  }
  EXPECT_EQ(Count(), 0);
}

TEST_F(SqlBuildersTest, InsertAndUpdateErrorsNameTheErrorAndTheSqlByTheFlag) {
  for (const bool flag : {false, true}) {
    DefaultDataBase::SetSqlFlag(flag);
    try {
      CreaRegistre(db, QStringLiteral("T03Cursos"), {QStringLiteral("NoExisteT03")}, {1});
      FAIL();
    } catch (const EDatabaseError& e) {
      EXPECT_TRUE(
          e.Message().startsWith(QStringLiteral("Error al insertar registros (Tipo \"EDatabaseError\"):\n")))
          << e.what();
      EXPECT_EQ(e.Message().contains(
                    QStringLiteral("\n\nSQL Generado:\nINSERT INTO T03Cursos (NoExisteT03) VALUES (1)")),
                !flag);
    }
    try {
      ModificaRegistres(db, QStringLiteral("T03Cursos"), QStringLiteral("NoExisteT03=1"),
                        QStringLiteral("IDCursoT03=1"));
      FAIL();
    } catch (const EDatabaseError& e) {
      EXPECT_TRUE(
          e.Message().startsWith(QStringLiteral("Error al modificar registros (Tipo \"EDatabaseError\"):\n")))
          << e.what();
      EXPECT_EQ(e.Message().endsWith(QStringLiteral(
                    "\n\nSQL Generado:\nUPDATE T03Cursos\nSET NoExisteT03=1\nWHERE IDCursoT03=1")),
                flag);
    }
  }
  // The delete and the count let errors through unchanged.
  try {
    EsborraRegistres(db, QStringLiteral("NoExiste"), QStringLiteral("1=1"));
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error en la instrucción SQL"))) << e.what();
  }
}

TEST_F(SqlBuildersTest, EmptyConditionsReachEveryRow) {
  for (int i = 0; i < 3; ++i) {
    CreaRegistre(db, QStringLiteral("T03Cursos"),
                 {QStringLiteral("CodigoT03"), QStringLiteral("IDCentroT03")},
                 {QStringLiteral("C%1").arg(i), i == 0 ? 1 : 2});
  }
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(ComptaRegistres(db, QStringLiteral("IDCursoT03"), QStringLiteral("T03Cursos"),
                            QStringLiteral("IDCentroT03=2")),
            2);
  ModificaRegistres(db, QStringLiteral("T03Cursos"), QStringLiteral("ActivoT03=TRUE"), QString());
  EXPECT_EQ(ComptaRegistres(db, QStringLiteral("IDCursoT03"), QStringLiteral("T03Cursos"),
                            QStringLiteral("ActivoT03")),
            3);
  EsborraRegistres(db, QStringLiteral("T03Cursos"), QStringLiteral("IDCentroT03=2"));
  EXPECT_EQ(Count(), 1);
}

TEST_F(SqlBuildersTest, LlegeixCampIgnoresCaseAndGivesNullWhenNothingMatches) {
  CreaRegistre(db, QStringLiteral("T03Cursos"),
               {QStringLiteral("CodigoT03"), QStringLiteral("DescripcionT03")},
               {QStringLiteral("ING-B1"), QStringLiteral("Inglés B1")});
  EXPECT_EQ(LlegeixCamp(QStringLiteral("T03Cursos"), QStringLiteral("DescripcionT03"),
                        QStringLiteral("CodigoT03='ING-B1'")),
            QVariant(QStringLiteral("Inglés B1")));
  EXPECT_TRUE(Var::IsNull(LlegeixCamp(QStringLiteral("T03Cursos"), QStringLiteral("DescripcionT03"),
                                      QStringLiteral("CodigoT03='nada'"))));
}

TEST_F(SqlBuildersTest, VarAEnterNeverRaises) {
  EXPECT_EQ(VarAEnter(QStringLiteral("12")), 12);
  EXPECT_EQ(VarAEnter(QStringLiteral("doce")), 0);
  EXPECT_EQ(VarAEnter(Var::Null()), 0);
  EXPECT_EQ(VarAEnter(QVariant()), 0);
  EXPECT_EQ(VarAEnter(QVariantList{1}), 0);
  EXPECT_EQ(VarAEnter(7.0), 7);
}

}  // namespace
