#include "platform/core/Exceptions.h"
#include "platform/zul/dialect/JetTranslator.h"
#include "tests/platform/zul/dialect/JetTestDb.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

struct DisplayCase {
  const char* jet;
  const char* display;  // JetTranslation::Display()
  bool isQuery;
};

// Jet text -> the SQLite statements, parameters shown inline.
const DisplayCase kDisplay[] = {
    // UPDATE over a join, one target table: the new values come from a SELECT over the join.
    {"UPDATE T14ConceptosMatricula INNER JOIN T16FacturasCue ON T14ConceptosMatricula.IDConceptoMatriculaT14 "
     "= "
     "T16FacturasCue.IDConceptoMatriculaT16 SET ActivoT14=True WHERE IDFacturaCabT16=12",
     "UPDATE T14ConceptosMatricula SET ActivoT14=__u.__c1 FROM (SELECT T14ConceptosMatricula.rowid AS __r1,1 "
     "AS __c1 "
     "FROM T14ConceptosMatricula INNER JOIN T16FacturasCue ON T14ConceptosMatricula.IDConceptoMatriculaT14 = "
     "T16FacturasCue.IDConceptoMatriculaT16 WHERE IDFacturaCabT16=12) AS __u WHERE "
     "T14ConceptosMatricula.rowid=__u.__r1",
     false},
    // Self-join through an alias; bracketed qualifiers.
    {"UPDATE T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS T2 ON "
     "T14ConceptosMatricula.IDConcMatrPadreT14 = "
     "T2.IDConceptoMatriculaT14 SET T14ConceptosMatricula.ConceptoT14=[T2].[ConceptoT14], "
     "T14ConceptosMatricula.ImporteBaseT14=[T2].[ImporteBaseT14] WHERE (NOT "
     "([T14ConceptosMatricula].[IDConcMatrPadreT14] IS NULL))",
     "UPDATE T14ConceptosMatricula SET ConceptoT14=__u.__c1,ImporteBaseT14=__u.__c2 FROM (SELECT "
     "T14ConceptosMatricula.rowid AS __r1,\"T2\".\"ConceptoT14\" AS __c1,\"T2\".\"ImporteBaseT14\" AS __c2 "
     "FROM "
     "T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS T2 ON "
     "T14ConceptosMatricula.IDConcMatrPadreT14 = "
     "T2.IDConceptoMatriculaT14 WHERE (NOT (\"T14ConceptosMatricula\".\"IDConcMatrPadreT14\" IS NULL))) AS "
     "__u WHERE "
     "T14ConceptosMatricula.rowid=__u.__r1",
     false},
    // Two target tables (qualified and by field suffix): values first into a temporary table.
    {"UPDATE T15FacturasCab INNER JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET T16FacturasCue.IDConceptoMatriculaT16 = Null, FechaT15 = 3  WHERE "
     "IDCentroT15=4",
     "DROP TABLE IF EXISTS temp.__jet_upd;\n"
     "CREATE TEMP TABLE __jet_upd AS SELECT T16FacturasCue.rowid AS __r1,T15FacturasCab.rowid AS __r2,NULL "
     "AS "
     "__c1,3 AS __c2 FROM T15FacturasCab INNER JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 WHERE IDCentroT15=4;\n"
     "UPDATE T16FacturasCue SET IDConceptoMatriculaT16=__u.__c1 FROM temp.__jet_upd AS __u WHERE "
     "T16FacturasCue.rowid=__u.__r1;\n"
     "UPDATE T15FacturasCab SET FechaT15=__u.__c2 FROM temp.__jet_upd AS __u WHERE "
     "T15FacturasCab.rowid=__u.__r2;\n"
     "DROP TABLE temp.__jet_upd",
     false},
    // The target is an aliased table of a nested join, found by the field suffix.
    {"UPDATE T14ConceptosMatricula AS TBL_1 INNER JOIN (T14ConceptosMatricula INNER JOIN T16FacturasCue ON "
     "T14ConceptosMatricula.IDConceptoMatriculaT14 = T16FacturasCue.IDConceptoMatriculaT16) ON "
     "TBL_1.IDConceptoMatriculaT14 = T14ConceptosMatricula.IDConcMatrPadreT14 SET IDConceptoMatriculaT16 = "
     "Null "
     "WHERE (TBL_1.IDCentroT14=5)",
     // The parenthesised inner joins join in place (SQLite cannot name a rowid inside them).
     "UPDATE T16FacturasCue SET IDConceptoMatriculaT16=__u.__c1 FROM (SELECT T16FacturasCue.rowid AS "
     "__r1,NULL AS "
     "__c1 FROM T14ConceptosMatricula AS TBL_1 INNER JOIN T14ConceptosMatricula INNER JOIN T16FacturasCue ON "
     "(T14ConceptosMatricula.IDConceptoMatriculaT14 = T16FacturasCue.IDConceptoMatriculaT16) AND "
     "(TBL_1.IDConceptoMatriculaT14 = T14ConceptosMatricula.IDConcMatrPadreT14) WHERE (TBL_1.IDCentroT14=5)) "
     "AS __u "
     "WHERE T16FacturasCue.rowid=__u.__r1",
     false},
    {"UPDATE T15FacturasCab LEFT JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET NumeroT15 = NumeroT15 + 100 WHERE IDFacturaCueT16 IS NULL",
     "UPDATE T15FacturasCab SET NumeroT15=__u.__c1 FROM (SELECT T15FacturasCab.rowid AS __r1,NumeroT15+100 "
     "AS __c1 "
     "FROM T15FacturasCab LEFT JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 "
     "WHERE IDFacturaCueT16 IS NULL) AS __u WHERE T15FacturasCab.rowid=__u.__r1",
     false},
    {"UPDATE T15FacturasCab, T20Centros SET NumeroT15 = IDCentroT20 * 10 WHERE IDCentroT15 = IDCentroT20",
     "UPDATE T15FacturasCab SET NumeroT15=__u.__c1 FROM (SELECT T15FacturasCab.rowid AS __r1,IDCentroT20 * "
     "10 AS "
     "__c1 FROM T15FacturasCab, T20Centros WHERE IDCentroT15 = IDCentroT20) AS __u WHERE "
     "T15FacturasCab.rowid=__u.__r1",
     false},
    // Plain UPDATE: qualifiers leave the SET targets; texts in either quote.
    {"UPDATE T01Alumnos SET NombreT01 = \"O'Brien\", T01Alumnos.CodigoT01 = 12, SaldoT01 = 1.5 WHERE "
     "IDAlumnoT01 = 3",
     "UPDATE T01Alumnos SET NombreT01='O''Brien',CodigoT01=12,SaldoT01=1.5 WHERE IDAlumnoT01 = 3", false},
    {"UPDATE [T01 Alumnos] AS a SET [a].[Nombre Completo] = 'x' WHERE a.ID = 1",
     "UPDATE \"T01 Alumnos\" AS a SET \"Nombre Completo\"='x' WHERE a.ID = 1", false},
    {"UPDATE T14ConceptosMatricula SET "
     "ImporteIvaIncluidoT14=(VAL(FORMAT(100*BaseImponibleT14*(1+(TPCIvaT14/100)),0))/100)"
     " WHERE IDTarifaPreciosT14=3",
     "UPDATE T14ConceptosMatricula SET "
     "ImporteIvaIncluidoT14=(jet_div(jet_val(jet_format(100*BaseImponibleT14*(1+(jet_div(TPCIvaT14,100))),0))"
     ",100)) "
     "WHERE IDTarifaPreciosT14=3",
     false},
    // DELETE forms.
    {"DELETE FROM T01Alumnos WHERE NombreT01 = 'a'", "DELETE FROM T01Alumnos WHERE NombreT01 = 'a'", false},
    {"DELETE * FROM T01Alumnos WHERE x = 1", "DELETE FROM T01Alumnos WHERE x = 1", false},
    {"DELETE T01Alumnos.* FROM T01Alumnos WHERE x = 1", "DELETE FROM T01Alumnos WHERE x = 1", false},
    {"DELETE T26FaltasAsistencia.*  FROM T02Matriculas INNER JOIN T26FaltasAsistencia ON "
     "T02Matriculas.IDMatriculaT02=T26FaltasAsistencia.IDMatriculaT26 WHERE IDCentroT02=3",
     "DELETE FROM T26FaltasAsistencia AS __d WHERE __d.rowid IN (SELECT T26FaltasAsistencia.rowid FROM "
     "T02Matriculas "
     "INNER JOIN T26FaltasAsistencia ON T02Matriculas.IDMatriculaT02=T26FaltasAsistencia.IDMatriculaT26 "
     "WHERE "
     "IDCentroT02=3)",
     false},
    // Right-nested RIGHT JOINs become a left-deep chain of LEFT JOINs.
    {"DELETE T25NotasBoletin.* FROM T24BoletinesNotas RIGHT JOIN (T05Grupos RIGHT JOIN (T02Matriculas RIGHT "
     "JOIN "
     "T25NotasBoletin ON T02Matriculas.IDMatriculaT02 = T25NotasBoletin.IDMatriculaT25) ON "
     "T05Grupos.IDGrupoT05 = "
     "T02Matriculas.IDGrupoT02) ON T24BoletinesNotas.IDBoletinNotasT24 = T25NotasBoletin.IDBoletinNotasT25 "
     "WHERE "
     "(((T05Grupos.IDCursoT05)<>T24BoletinesNotas.IDCursoT24))",
     "DELETE FROM T25NotasBoletin AS __d WHERE __d.rowid IN (SELECT T25NotasBoletin.rowid FROM T02Matriculas "
     "RIGHT "
     "JOIN T25NotasBoletin ON T02Matriculas.IDMatriculaT02 = T25NotasBoletin.IDMatriculaT25 LEFT JOIN "
     "T05Grupos ON "
     "T05Grupos.IDGrupoT05 = T02Matriculas.IDGrupoT02 LEFT JOIN T24BoletinesNotas ON "
     "T24BoletinesNotas.IDBoletinNotasT24 = T25NotasBoletin.IDBoletinNotasT25 WHERE "
     "(((T05Grupos.IDCursoT05)<>T24BoletinesNotas.IDCursoT24)))",
     false},
    {"DELETE TBL_1.*  FROM T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS TBL_1 ON "
     "T14ConceptosMatricula.IDConceptoMatriculaT14=TBL_1.IDConcMatrPadreT14 WHERE "
     "(T14ConceptosMatricula.IDCentroT14=5)",
     "DELETE FROM T14ConceptosMatricula AS __d WHERE __d.rowid IN (SELECT TBL_1.rowid FROM "
     "T14ConceptosMatricula "
     "INNER JOIN T14ConceptosMatricula AS TBL_1 ON T14ConceptosMatricula.IDConceptoMatriculaT14=TBL_1."
     "IDConcMatrPadreT14 WHERE (T14ConceptosMatricula.IDCentroT14=5))",
     false},
    // SELECT forms: TOP (also in a subquery), DISTINCTROW, INTO, ordinals stay inline.
    {"SELECT TOP 3 NombreT01 FROM T01Alumnos WHERE IDCentroT01 IN (SELECT TOP 1 IDCentroT20 FROM T20Centros "
     "ORDER BY "
     "1) ORDER BY NombreT01",
     "SELECT NombreT01 FROM T01Alumnos WHERE IDCentroT01 IN (SELECT IDCentroT20 FROM T20Centros ORDER BY 1 "
     "LIMIT 1) "
     "ORDER BY NombreT01 LIMIT 3",
     true},
    {"SELECT a FROM t UNION ALL SELECT DISTINCTROW b FROM u",
     "SELECT a FROM t UNION ALL SELECT DISTINCT b FROM u", true},
    {"SELECT TOP 2 a FROM t ORDER BY a UNION SELECT TOP 1 DISTINCT b FROM u",
     "SELECT * FROM (SELECT a FROM t ORDER BY a LIMIT 2) UNION SELECT DISTINCT b FROM u LIMIT 1", true},
    {"SELECT x FROM t GROUP BY 1 HAVING Count(*) > 2 ORDER BY 1 DESC;",
     "SELECT x FROM t GROUP BY 1 HAVING Count(*) > 2 ORDER BY 1 DESC", true},
    {"SELECT a INTO nueva FROM t WHERE b = 'x'", "CREATE TABLE nueva AS SELECT a FROM t WHERE b = 'x'",
     false},
    {"(SELECT 1)", "(SELECT 1)", true},
    // Functions, IsNull, operators with Jet's meaning and precedence.
    {"SELECT CodigoT03,Sum(IIF(FechaAltaT02<=46000 AND (IsNull(FechaBajaT02) OR FechaBajaT02>46000),1,0)) AS "
     "NAltas "
     "FROM T02Matriculas",
     "SELECT CodigoT03,Sum(iif(FechaAltaT02<=46000 AND (((FechaBajaT02) IS NULL) OR "
     "FechaBajaT02>46000),1,0)) AS "
     "NAltas FROM T02Matriculas",
     true},
    {"SELECT Left(\"X\"+DescripcionT03,50), Mid$(a, 2), IIf(a > 0, 'p', 'n'), Nz(b, 0) + 1, Desconocida(c) "
     "FROM t",
     "SELECT jet_left(jet_add('X',DescripcionT03),50), jet_mid(a, 2), iif(a > 0, 'p', 'n'), jet_nz(b, 0)+1, "
     "Desconocida(c) FROM t",
     true},
    {"SELECT 15/100, 7\\2, 7 Mod 3, 2^3^2, -2^2, a+b, 1+a, b & ' ' & c FROM t",
     "SELECT jet_div(15,100), jet_idiv(7,2), jet_mod(7,3), jet_pow(jet_pow(2,3),2), -jet_pow(2,2), "
     "jet_add(a,b), 1+a, "
     "jet_cat(b,' ',c) FROM t",
     true},
    {"SELECT a & b + c, (a & b) + c, a / b \\ c Mod d, (a + 1) * 2, a - -1 FROM t",
     "SELECT jet_cat(a,jet_add(b,c)), jet_add((jet_cat(a,b)),c), jet_mod(jet_idiv(jet_div(a,b),c),d), (a+1) "
     "* 2, "
     "a - -1 FROM t",
     true},
    {"SELECT CASE WHEN a = 1 THEN 'uno' ELSE a / 2 END, Asc(b), c FROM t ORDER BY c ASC",
     "SELECT CASE WHEN a = 1 THEN 'uno' ELSE jet_div(a,2) END, jet_asc(b), c FROM t ORDER BY c ASC", true},
    // The collation goes on comparisons without a bare column or a number.
    {"SELECT * FROM t WHERE Left(NombreT01,1)='j' AND Year(F) = 2025 AND (NombreT01) = 'y' AND 'a' = "
     "NombreT01 AND "
     "Mid(a, 2) <> b & c",
     "SELECT * FROM t WHERE (jet_left(NombreT01,1)) COLLATE JETNOCASE='j' AND jet_year(F) = 2025 AND "
     "(NombreT01) = "
     "'y' AND 'a' = NombreT01 AND (jet_mid(a, 2)) COLLATE JETNOCASE <> jet_cat(b,c)",
     true},
    {"SELECT a FROM t WHERE Left(b,1) BETWEEN 'a' AND 'c' AND Mid(b,2) NOT IN ('x') AND b IN ('y') AND 1 IN "
     "(2)",
     "SELECT a FROM t WHERE (jet_left(b,1)) COLLATE JETNOCASE BETWEEN 'a' AND 'c' AND (jet_mid(b,2)) COLLATE "
     "JETNOCASE NOT IN ('x') AND b IN ('y') AND 1 IN (2)",
     true},
    {"SELECT T14.ID FROM T14 WHERE (T14Padre.IDCursoT14 Not In ([IDCursoT05])) OR (T14Padre.IDGrupoT14 NOT "
     "IN "
     "([IDGrupoT05]))",
     "SELECT T14.ID FROM T14 WHERE (T14Padre.IDCursoT14 NOT IN (\"IDCursoT05\")) OR (T14Padre.IDGrupoT14 NOT "
     "IN "
     "(\"IDGrupoT05\"))",
     true},
    // Literals: both quotes, escapes, backslashes as plain characters, numbers, dates.
    {"SELECT \"a\"\"b\", 'c''d', 'x\\y', .5, 1E3, 1.5e-2, 123456789012345678901234, #2025-12-31#, "
     "#12/31/2025 "
     "10:30:00#, #10:30 PM#",
     "SELECT 'a\"b', 'c''d', 'x\\y', 0.5, 1000.0, 0.015, 1.2345678901234569e+23, 46022.0, 46022.4375, 0.9375",
     true},
    {"INSERT INTO T01Alumnos (NombreT01, CodigoT01, ActivoT01, FechaT01) VALUES ('Ana', 12, True, "
     "#1/2/2025#)",
     "INSERT INTO T01Alumnos (NombreT01,CodigoT01,ActivoT01,FechaT01) VALUES ('Ana', 12, 1, 45659.0)", false},
    {"INSERT INTO T03Cursos (CodigoT03,DescripcionT03) SELECT TOP 1 CodigoT03,DescripcionT03 FROM T03Cursos",
     "INSERT INTO T03Cursos (CodigoT03,DescripcionT03) SELECT CodigoT03,DescripcionT03 FROM T03Cursos LIMIT "
     "1",
     false},
    // Statements SQLite takes as they are (no parameters allowed there).
    {"CREATE TABLE TX (ID INTEGER PRIMARY KEY, N TEXT DEFAULT \"x\" COLLATE JETNOCASE, [Mi Campo] REAL "
     "DEFAULT 1.5)",
     "CREATE TABLE TX (ID INTEGER PRIMARY KEY, N TEXT DEFAULT 'x' COLLATE JETNOCASE, \"Mi Campo\" REAL "
     "DEFAULT 1.5)",
     false},
    {"DELETE FROM a; SELECT 1", "DELETE FROM a;\nSELECT 1", true},
};

TEST(JetTranslator, RewritesStatements) {
  for (const DisplayCase& c : kDisplay) {
    SCOPED_TRACE(c.jet);
    try {
      const JetTranslation t = JetTranslator::Translate(QString::fromUtf8(c.jet));
      EXPECT_EQ(t.Display(), QString::fromUtf8(c.display));
      EXPECT_EQ(t.isQuery, c.isQuery);
    } catch (const Exception& e) {
      ADD_FAILURE() << e.Message().toStdString();
    }
  }
}

TEST(JetTranslator, LiteralsBecomeTypedParameters) {
  const JetTranslation a = JetTranslator::Translate(
      QStringLiteral("INSERT INTO T (A,B,C,D,E) VALUES ('O''Brien', 12, 1.5, #1/2/2025#, Null)"));
  const JetTranslation b = JetTranslator::Translate(
      QStringLiteral("insert into T (A,B,C,D,E) values (\"x\", 7, 2.25, #3/4/2020#, Null)"));
  ASSERT_EQ(a.statements.size(), 1u);
  EXPECT_EQ(a.statements[0].sql, QStringLiteral("INSERT INTO T (A,B,C,D,E) VALUES (?, ?, ?, ?, NULL)"));
  EXPECT_EQ(a.statements[0].sql, b.statements[0].sql);  // one prepared statement serves both
  const QVariantList& p = a.statements[0].params;
  ASSERT_EQ(p.size(), 4);
  EXPECT_EQ(p[0].typeId(), QMetaType::QString);
  EXPECT_EQ(p[0].toString(), QStringLiteral("O'Brien"));
  EXPECT_EQ(p[1].typeId(), QMetaType::LongLong);
  EXPECT_EQ(p[1].toLongLong(), 12);
  EXPECT_EQ(p[2].typeId(), QMetaType::Double);
  EXPECT_EQ(p[3].toDouble(), 45659.0);
  EXPECT_FALSE(a.isQuery);

  // A text with NUL, backslashes, both quotes and non-ASCII stays whole in its parameter.
  QString text = QStringLiteral("a\\b\"c'ñ€");
  text += QChar(u'\0');
  text += QStringLiteral("z");
  QString escaped = text;
  escaped.replace(u'\'', QStringLiteral("''"));
  const JetTranslation c = JetTranslator::Translate(QStringLiteral("SELECT '") + escaped + u'\'');
  ASSERT_EQ(c.statements[0].params.size(), 1);
  EXPECT_EQ(c.statements[0].params[0].toString(), text);
}

TEST(JetTranslator, MalformedTextRaisesSpanishErrors) {
  const struct {
    const char* jet;
    const char* message;
  } cases[] = {
      {"SELECT 'abc", "falta la comilla de cierre"},
      {"SELECT \"abc", "falta la comilla de cierre"},
      {"SELECT [abc FROM t", "corchete de cierre"},
      {"SELECT (1", "falta un paréntesis de cierre"},
      {"SELECT 1)", "paréntesis de cierre sin abrir"},
      {"SELECT (1; SELECT 2)", "falta un paréntesis de cierre"},
      {"SELECT #13/45/2025#", "fecha no válida"},
      {"SELECT #1/1/2025", "falta la # de cierre"},
      {"SELECT a FROM t WHERE b = ?", "carácter no válido"},
      {"SELECT a FROM t WHERE b = :x", "carácter no válido"},
      {"SELECT 1 +", "falta un operando"},
      {"SELECT CASE WHEN a THEN b FROM t", "falta el END"},
      {"SELECT TOP 10 PERCENT a FROM t", "PERCENT"},
      {"SELECT IsNull(a, b) FROM t", "IsNull"},
      {"UPDATE t WHERE a = 1", "falta SET"},
      {"UPDATE t SET 1 = 2", "asignación de SET"},
      {"UPDATE a INNER JOIN b ON a.x = b.x SET q.f = 1", "la tabla q no forma parte"},
      {"DELETE FROM a INNER JOIN b ON a.x = b.x", "Especifique la tabla"},
      // A LEFT JOIN onto a parenthesised group cannot be flattened: its tables cannot be targets.
      {"UPDATE A LEFT JOIN (B INNER JOIN C ON B.x = C.x) ON A.y = B.y SET C.z = 1",
       "No se puede modificar la tabla C"},
      {"UPDATE A INNER JOIN SET A.z = 1", "no se reconoce la combinación"},
      {"DELETE a.*, b.* FROM a INNER JOIN b ON a.x = b.x", "una tabla"},
      {"INSERT T (a) VALUES (1)", "falta INTO"},
      {"   ", "vacía"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.jet);
    try {
      JetTranslator::Translate(QString::fromUtf8(c.jet));
      ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& e) {
      EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.message))) << e.Message().toStdString();
    }
  }
  try {
    JetTranslator::Translate(QStringLiteral("SELECT 'x"));
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error de sintaxis en la instrucción SQL: ")));
  }
}

// The insert benchmark sends every row through Translate; the plain INSERT must stay cheap.
TEST(JetTranslator, TranslatesAWideInsertQuickly) {
  QString sql = QStringLiteral("INSERT INTO T01Alumnos (");
  QString values;
  for (int k = 0; k < 20; ++k) {
    sql += QStringLiteral("CampoNumero%1T01%2").arg(k).arg(k < 19 ? QStringLiteral(", ") : QString());
    values += k % 2 ? QStringLiteral("'Texto de prueba %1'").arg(k) : QString::number(k * 1000 + 0.5, 'f', 1);
    if (k < 19) values += QStringLiteral(", ");
  }
  sql += QStringLiteral(") VALUES (") + values + u')';
  const int rounds = 2000;
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < rounds; ++k) {
    const JetTranslation t = JetTranslator::Translate(sql);
    ASSERT_EQ(t.statements[0].params.size(), 20);
  }
  const double micros =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / rounds;
  RecordProperty("MicrosecondsPerTranslate", std::to_string(micros));
  // Loose bound: sanitizer builds run several times slower than release ones.
  EXPECT_LT(micros, 200.0);
}

}  // namespace
