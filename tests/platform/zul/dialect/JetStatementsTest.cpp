#include "platform/core/Exceptions.h"
#include "tests/platform/zul/dialect/JetTestDb.h"

#include <gtest/gtest.h>

namespace {

// A few tables of the school database with the storage conventions: REAL day numbers,
// INTEGER 0/1 booleans, text columns in the JETNOCASE collation.
const char* const kSchema = R"(
CREATE TABLE T20Centros (IDCentroT20 INTEGER PRIMARY KEY AUTOINCREMENT, CodigoCentroT20 TEXT COLLATE JETNOCASE,
  NombreCentroT20 TEXT COLLATE JETNOCASE);
CREATE TABLE T01Alumnos (IDAlumnoT01 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT01 INTEGER, CodigoT01 INTEGER,
  NombreT01 TEXT COLLATE JETNOCASE, NombreCompletoT01 TEXT COLLATE JETNOCASE, IDAlumnoRelacionadoT01 INTEGER,
  ActivoT01 INTEGER NOT NULL DEFAULT 0);
CREATE INDEX T01_Nombre ON T01Alumnos (NombreT01);
CREATE TABLE T03Cursos (IDCursoT03 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT03 INTEGER, CodigoT03 TEXT COLLATE
  JETNOCASE, DescripcionT03 TEXT COLLATE JETNOCASE, ActivoT03 INTEGER NOT NULL DEFAULT 0, ImporteColabT03 REAL);
CREATE TABLE T05Grupos (IDGrupoT05 INTEGER PRIMARY KEY AUTOINCREMENT, IDCursoT05 INTEGER, IDCentroT05 INTEGER,
  CodigoT05 TEXT COLLATE JETNOCASE, NombreT05 TEXT COLLATE JETNOCASE, ActivoT05 INTEGER NOT NULL DEFAULT 0);
CREATE TABLE T02Matriculas (IDMatriculaT02 INTEGER PRIMARY KEY AUTOINCREMENT, IDAlumnoT02 INTEGER, IDGrupoT02 INTEGER,
  IDCentroT02 INTEGER, ActivaT02 INTEGER NOT NULL DEFAULT 0, FechaAltaT02 REAL, FechaBajaT02 REAL,
  NMatriculaT02 INTEGER, DatosCobroEnMatriculaT02 INTEGER NOT NULL DEFAULT 0);
CREATE TABLE T07TarifasPrecios (IDTarifaPreciosT07 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT07 INTEGER,
  CodigoTarifaT07 TEXT COLLATE JETNOCASE);
CREATE TABLE T14ConceptosMatricula (IDConceptoMatriculaT14 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT14 INTEGER,
  IDConcMatrPadreT14 INTEGER, IDMatriculaT14 INTEGER, IDCursoT14 INTEGER, IDGrupoT14 INTEGER,
  IDTarifaPreciosT14 INTEGER, ConceptoT14 TEXT COLLATE JETNOCASE, ImporteBaseT14 REAL, UnidadesT14 REAL,
  TPCDtoT14 REAL, BaseImponibleT14 REAL, TPCIvaT14 REAL, ImporteIvaIncluidoT14 REAL,
  ActivoT14 INTEGER NOT NULL DEFAULT 0, EsCuotaT14 INTEGER NOT NULL DEFAULT 0,
  CobrarEneroT14 INTEGER NOT NULL DEFAULT 0);
CREATE TABLE T15FacturasCab (IDFacturaCabT15 INTEGER PRIMARY KEY AUTOINCREMENT, IDCentroT15 INTEGER, FechaT15 REAL,
  NumeroT15 INTEGER, ImporteTotalT15 REAL);
CREATE TABLE T16FacturasCue (IDFacturaCueT16 INTEGER PRIMARY KEY AUTOINCREMENT, IDFacturaCabT16 INTEGER,
  IDConceptoMatriculaT16 INTEGER, IDMatriculaT16 INTEGER, ImporteT16 REAL, NMesFacturadoT16 INTEGER,
  AnyoFacturadoT16 INTEGER);
CREATE TABLE T24BoletinesNotas (IDBoletinNotasT24 INTEGER PRIMARY KEY AUTOINCREMENT, IDCursoT24 INTEGER);
CREATE TABLE T25NotasBoletin (IDNotasBoletinT25 INTEGER PRIMARY KEY AUTOINCREMENT, IDBoletinNotasT25 INTEGER,
  IDMatriculaT25 INTEGER, NotaT25 TEXT COLLATE JETNOCASE);

INSERT INTO T20Centros VALUES (1,'C1','Centro Uno'),(2,'C2','Centro Dos');
INSERT INTO T01Alumnos VALUES (1,1,101,'Ñandú','Ñandú Pérez',NULL,1),(2,1,102,'josé','José García',1,1),
  (3,2,201,'Ana','Ana O''Brien',NULL,0);
INSERT INTO T03Cursos VALUES (1,1,'CUR1','Inglés',1,10.5),(2,1,'CUR2','Francés',1,20),(3,2,'CUR3','Alemán',0,5);
INSERT INTO T05Grupos VALUES (1,1,1,'G1','Grupo A',1),(2,2,1,'G2','Grupo B',1),(3,3,2,'G3','Grupo C',1);
INSERT INTO T02Matriculas VALUES (1,1,1,1,1,45900,NULL,1,0),(2,2,1,1,1,45950,46010,2,0),(3,2,2,1,0,45000,45500,3,0),
  (4,3,3,2,1,45800,NULL,4,1),(5,3,1,1,1,45990,NULL,5,0);
INSERT INTO T07TarifasPrecios VALUES (1,1,'TAR1');
-- 1 is a course concept (the parent); 2, 3 and 5 are its copies in enrolments; 4 stands alone.
INSERT INTO T14ConceptosMatricula VALUES
  (1,1,NULL,NULL,1,NULL,1,'Cuota curso',100,1,0,100,21,121,1,1,1),
  (2,1,1,1,NULL,NULL,1,'viejo',50,2,0,99,10,0,0,1,1),
  (3,1,1,2,NULL,NULL,1,'viejo',50,2,10,99,10,0,0,1,1),
  (4,2,NULL,4,NULL,NULL,NULL,'Matrícula',30,1,0,30,21,36.3,0,0,1),
  (5,1,1,3,NULL,NULL,1,'viejo',50,2,0,99,10,0,1,1,0);
INSERT INTO T15FacturasCab VALUES (1,1,46000,1,121),(2,2,46000,2,36.3),(3,1,46001,3,0);
INSERT INTO T16FacturasCue VALUES (1,1,2,1,60.5,12,2025),(2,1,3,2,60.5,12,2025),(3,2,4,4,30,11,2025);
INSERT INTO T24BoletinesNotas VALUES (1,1),(2,2);
-- Grades 2 and 4 belong to report cards of another course than their enrolment's.
INSERT INTO T25NotasBoletin VALUES (1,1,1,'A'),(2,1,3,'B'),(3,2,3,'C'),(4,2,1,'D');
)";

struct EffectCase {
  const char* name;
  const char* jet;       // Jet statements, one per line
  const char* check;     // plain SQLite query over the result
  const char* expected;  // its rows as JetTestDb renders them
};

const EffectCase kEffects[] = {
    {"UPDATE over a join sets the concepts of the invoice active",
     "UPDATE T14ConceptosMatricula INNER JOIN T16FacturasCue ON T14ConceptosMatricula.IDConceptoMatriculaT14 "
     "= "
     "T16FacturasCue.IDConceptoMatriculaT16 SET ActivoT14=True WHERE IDFacturaCabT16=1",
     "SELECT IDConceptoMatriculaT14, ActivoT14 FROM T14ConceptosMatricula ORDER BY 1", "1|1;2|1;3|1;4|0;5|1"},
    {"self-join UPDATE copies the parent's values, keeping the copy's discount",
     "UPDATE T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS T2 ON "
     "T14ConceptosMatricula.IDConcMatrPadreT14 = "
     "T2.IDConceptoMatriculaT14 SET T14ConceptosMatricula.ConceptoT14=[T2].[ConceptoT14], "
     "T14ConceptosMatricula.ImporteBaseT14=[T2].[ImporteBaseT14], "
     "T14ConceptosMatricula.UnidadesT14=[T2].[UnidadesT14], "
     "T14ConceptosMatricula.BaseImponibleT14 = "
     "IIF([T14ConceptosMatricula].[TPCDtoT14]=0,[T2].[BaseImponibleT14],(Val(Format([T2].[ImporteBaseT14]*["
     "T2].["
     "UnidadesT14]*(1-([T14ConceptosMatricula].[TPCDtoT14]/100))*100,'0'))/100)), "
     "T14ConceptosMatricula.ImporteIvaIncluidoT14 = "
     "IIf([T14ConceptosMatricula].[TPCDtoT14]=0,[T2].[ImporteIvaIncluidoT14],(Val(Format((Val(Format([T2].["
     "ImporteBaseT14]*[T2].[UnidadesT14]*(1-([T14ConceptosMatricula].[TPCDtoT14]/100))*100,'0'))/"
     "100)*(1+([T2].["
     "TPCIvaT14]/100))*100,'0'))/100)) WHERE (NOT ([T14ConceptosMatricula].[IDConcMatrPadreT14] IS NULL))",
     "SELECT IDConceptoMatriculaT14, ConceptoT14, ImporteBaseT14, BaseImponibleT14, ImporteIvaIncluidoT14, "
     "ActivoT14 "
     "FROM T14ConceptosMatricula ORDER BY 1",
     "1|'Cuota curso'|100.0|100.0|121.0|1;2|'Cuota curso'|100.0|100.0|121.0|0;3|'Cuota "
     "curso'|100.0|90.0|108.9|0;"
     "4|'Matrícula'|30.0|30.0|36.3|0;5|'Cuota curso'|100.0|100.0|121.0|1"},
    {"multi-table UPDATE: every expression sees the rows as they were",
     "UPDATE T15FacturasCab INNER JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET ImporteTotalT15 = ImporteT16, ImporteT16 = ImporteTotalT15 WHERE "
     "IDFacturaCueT16 = 3",
     "SELECT (SELECT ImporteTotalT15 FROM T15FacturasCab WHERE IDFacturaCabT15=2), (SELECT ImporteT16 FROM "
     "T16FacturasCue WHERE IDFacturaCueT16=3), (SELECT count(*) FROM sqlite_temp_master)",
     "30.0|36.3|0"},
    {"multi-table UPDATE run twice (the temporary table does not stay behind)",
     "UPDATE T15FacturasCab INNER JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET NumeroT15 = NumeroT15 + 10, T16FacturasCue.NMesFacturadoT16 = 1 "
     "WHERE "
     "IDCentroT15=1\n"
     "UPDATE T15FacturasCab INNER JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET NumeroT15 = NumeroT15 + 10, T16FacturasCue.NMesFacturadoT16 = 2 "
     "WHERE "
     "IDCentroT15=1",
     "SELECT IDFacturaCabT15, NumeroT15 FROM T15FacturasCab UNION ALL SELECT IDFacturaCueT16, "
     "NMesFacturadoT16 FROM "
     "T16FacturasCue",
     "1|21;2|2;3|3;1|2;2|2;3|11"},
    {"UPDATE setting a field of the second table of the join",
     "UPDATE T15FacturasCab INNER JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET T16FacturasCue.IDConceptoMatriculaT16 = Null  WHERE IDCentroT15=1",
     "SELECT IDFacturaCueT16, IDConceptoMatriculaT16 FROM T16FacturasCue ORDER BY 1", "1|NULL;2|NULL;3|4"},
    {"UPDATE through an aliased table in a nested join",
     "UPDATE T14ConceptosMatricula AS TBL_ConceptosMatricula_1 INNER JOIN (T14ConceptosMatricula INNER JOIN "
     "T16FacturasCue ON T14ConceptosMatricula.IDConceptoMatriculaT14 = "
     "T16FacturasCue.IDConceptoMatriculaT16) ON "
     "TBL_ConceptosMatricula_1.IDConceptoMatriculaT14 = T14ConceptosMatricula.IDConcMatrPadreT14 SET "
     "IDConceptoMatriculaT16 = Null  WHERE (TBL_ConceptosMatricula_1.IDCentroT14=1) AND "
     "(TBL_ConceptosMatricula_1.IDCursoT14 IS NOT NULL)",
     "SELECT IDFacturaCueT16, IDConceptoMatriculaT16 FROM T16FacturasCue ORDER BY 1", "1|NULL;2|NULL;3|4"},
    {"UPDATE with LEFT JOIN reaches the invoice without lines",
     "UPDATE T15FacturasCab LEFT JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 SET NumeroT15 = NumeroT15 + 100 WHERE IDFacturaCueT16 IS NULL",
     "SELECT IDFacturaCabT15, NumeroT15 FROM T15FacturasCab ORDER BY 1", "1|1;2|2;3|103"},
    {"UPDATE over comma-joined tables",
     "UPDATE T15FacturasCab, T20Centros SET NumeroT15 = IDCentroT20 * 10 WHERE IDCentroT15 = IDCentroT20",
     "SELECT IDFacturaCabT15, NumeroT15 FROM T15FacturasCab ORDER BY 1", "1|10;2|20;3|10"},
    {"plain UPDATE with texts, booleans and Jet division",
     "UPDATE T01Alumnos SET NombreT01 = \"O'Brien\", T01Alumnos.ActivoT01 = False, CodigoT01 = CodigoT01 / 2 "
     "WHERE "
     "IDAlumnoT01 = 3",
     "SELECT NombreT01, ActivoT01, CodigoT01 FROM T01Alumnos WHERE IDAlumnoT01 = 3", "'O'Brien'|0|100.5"},
    {"DELETE t.* FROM a RIGHT JOIN nest deletes only the matched grades",
     "DELETE T25NotasBoletin.*\nFROM T24BoletinesNotas RIGHT JOIN (T05Grupos RIGHT JOIN (T02Matriculas RIGHT "
     "JOIN "
     "T25NotasBoletin ON T02Matriculas.IDMatriculaT02 = T25NotasBoletin.IDMatriculaT25) ON "
     "T05Grupos.IDGrupoT05 = "
     "T02Matriculas.IDGrupoT02) ON T24BoletinesNotas.IDBoletinNotasT24 = T25NotasBoletin.IDBoletinNotasT25 "
     "WHERE "
     "(((T05Grupos.IDCursoT05)<>T24BoletinesNotas.IDCursoT24))",
     "SELECT (SELECT group_concat(IDNotasBoletinT25) FROM (SELECT IDNotasBoletinT25 FROM T25NotasBoletin "
     "ORDER BY 1)), "
     "(SELECT count(*) FROM T02Matriculas), (SELECT count(*) FROM T24BoletinesNotas)",
     "'1,3'|5|2"},
    {"DELETE of the aliased side of a self-join",
     "DELETE TBL_ConceptosMatricula_1.*  FROM T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS "
     "TBL_ConceptosMatricula_1 ON T14ConceptosMatricula.IDConceptoMatriculaT14=TBL_ConceptosMatricula_1."
     "IDConcMatrPadreT14 WHERE (T14ConceptosMatricula.IDCentroT14=1) AND (T14ConceptosMatricula.IDCursoT14 "
     "IS NOT NULL)",
     "SELECT group_concat(IDConceptoMatriculaT14) FROM T14ConceptosMatricula", "'1,4'"},
    {"DELETE * FROM and DELETE t.* FROM one table; texts compare without case",
     "DELETE * FROM T25NotasBoletin WHERE NotaT25 = 'a'\nDELETE T25NotasBoletin.* FROM T25NotasBoletin WHERE "
     "NotaT25 "
     "IN ('b', 'X')\nDELETE FROM T25NotasBoletin WHERE IDNotasBoletinT25 = 4",
     "SELECT IDNotasBoletinT25 FROM T25NotasBoletin", "3"},
    {"INSERT ... SELECT with Left(\"X\"+field)",
     "INSERT INTO T03Cursos (ActivoT03,CodigoT03,DescripcionT03,IDCentroT03) SELECT "
     "ActivoT03,CodigoT03,Left(\"X\"+DescripcionT03,5),IDCentroT03 FROM T03Cursos WHERE IDCursoT03=1",
     "SELECT IDCursoT03, CodigoT03, DescripcionT03 FROM T03Cursos WHERE IDCursoT03 = 4", "4|'CUR1'|'XIngl'"},
    {"INSERT of inherited concepts for enrolments that have none yet",
     "INSERT INTO T14ConceptosMatricula\n(IDCentroT14,IDConcMatrPadreT14,IDMatriculaT14,ActivoT14)\nSELECT "
     "IDCentroT02,IDConceptoMatriculaT14,IDMatriculaT02,TRUE AS VALORTRUE\nFROM "
     "T02Matriculas,T14ConceptosMatricula\n"
     "WHERE (ActivaT02)  AND (1>(SELECT COUNT(TAUX.IDConceptoMatriculaT14) FROM (T14ConceptosMatricula as "
     "TAUX) where "
     "(TAUX.IDConcMatrPadreT14=T14ConceptosMatricula.IDConceptoMatriculaT14) AND "
     "(TAUX.IDMatriculaT14=T02Matriculas.IDMatriculaT02))) AND ((IDCursoT14=1) AND (IDGrupoT02 IN (SELECT "
     "IDGrupoT05 "
     "FROM T03Cursos RIGHT JOIN (T05Grupos RIGHT JOIN T02Matriculas ON T05Grupos.IDGrupoT05 = "
     "T02Matriculas.IDGrupoT02) "
     "ON T03Cursos.IDCursoT03 = T05Grupos.IDCursoT05 WHERE ActivoT05 AND ActivoT03 AND IDCursoT05=1)))",
     "SELECT IDCentroT14, IDConcMatrPadreT14, IDMatriculaT14, ActivoT14 FROM T14ConceptosMatricula WHERE "
     "IDConceptoMatriculaT14 > 5",
     "1|1|5|1"},
    {"SELECT ... INTO creates the table",
     "SELECT IDAlumnoT01, NombreT01 INTO TNueva FROM T01Alumnos WHERE IDCentroT01 = 1",
     "SELECT group_concat(NombreT01) FROM TNueva", "'Ñandú,josé'"},
    {"a text with quotes, backslashes and accents round-trips",
     "INSERT INTO T25NotasBoletin (NotaT25) VALUES ('O''Brien \"dijo\" C:\\ruta\\ ñ€')",
     "SELECT NotaT25 FROM T25NotasBoletin WHERE IDNotasBoletinT25 = 5", "'O'Brien \"dijo\" C:\\ruta\\ ñ€'"},
};

class JetStatements : public ::testing::Test {
protected:
  void SetUp() override { db.Exec(kSchema); }
  QString Query(const QString& jet) { return db.Jet(jet); }
  JetTestDb db;
};

TEST_F(JetStatements, EffectsOnTheSchema) {
  for (const EffectCase& c : kEffects) {
    SCOPED_TRACE(c.name);
    JetTestDb fresh;
    fresh.Exec(kSchema);
    try {
      // A line break starts a new statement only before a statement keyword.
      QStringList statements;
      for (const QString& line : QString::fromUtf8(c.jet).split(u'\n')) {
        const bool starts = line.startsWith(QLatin1StringView("UPDATE ")) ||
                            line.startsWith(QLatin1StringView("DELETE ")) ||
                            line.startsWith(QLatin1StringView("INSERT ")) ||
                            (line.startsWith(QLatin1StringView("SELECT ")) && statements.isEmpty());
        if (starts || statements.isEmpty()) {
          statements << line;
        } else {
          statements.back() += u'\n' + line;
        }
      }
      for (const QString& s : statements) fresh.Jet(s);
      SqliteStatement check;
      check.sql = QString::fromUtf8(c.check);
      EXPECT_EQ(fresh.Run(check), QString::fromUtf8(c.expected));
    } catch (const std::exception& e) {  // SQLite errors and EDatabaseError alike
      ADD_FAILURE() << e.what();
    }
  }
}

struct QueryCase {
  const char* jet;
  const char* expected;
};

const QueryCase kQueries[] = {
    // Text matching: column collation, LIKE, computed comparisons.
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE NombreT01 = 'ñANDÚ'", "1"},
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE NombreT01 = 'Nandu'", ""},
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE NombreT01 LIKE 'ñ%'", "1"},
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE NombreT01 LIKE 'JOS_' OR NombreT01 LIKE 'n%'", "2"},
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE Left(NombreT01,1)='J'", "2"},
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE NombreT01 IN ('ANA','JOSÉ') ORDER BY 1", "2;3"},
    {"SELECT NombreT01 FROM T01Alumnos ORDER BY NombreT01", "'Ana';'josé';'Ñandú'"},
    {"SELECT IDAlumnoT01 FROM T01Alumnos WHERE NombreCompletoT01 = \"ana o'brien\"", "3"},
    {"select nombret01 as thefield from t01alumnos where nombret01='ñandú'", "'Ñandú'"},
    {"SELECT (NOT ActivoT01), NOT ActivoT01 = 1 FROM T01Alumnos WHERE IDAlumnoT01 IN (1, 3) ORDER BY "
     "IDAlumnoT01",
     "0|0;1|1"},
    {"SELECT [NombreT01] FROM [T01Alumnos] WHERE [T01Alumnos].[IDAlumnoT01]=2", "'josé'"},
    // Arithmetic with Jet's meaning on stored values.
    {"SELECT IDAlumnoT01/2, CodigoT01\\2, CodigoT01 Mod 7, 15/100 FROM T01Alumnos WHERE IDAlumnoT01=1",
     "0.5|50|3|0.15"},
    {"SELECT NombreT01 & '-' & IDAlumnoRelacionadoT01, 'X' + IDAlumnoRelacionadoT01 FROM T01Alumnos WHERE "
     "IDAlumnoT01=1",
     "'Ñandú-'|NULL"},
    {"SELECT NombreT01 + ' ' + NombreCompletoT01 FROM T01Alumnos WHERE IDAlumnoT01=2", "'josé José García'"},
    // Dates as day numbers, # literals, functions in conditions.
    {"SELECT IDFacturaCabT15 FROM T15FacturasCab WHERE FechaT15 = #12/9/2025# ORDER BY 1", "1;2"},
    {"SELECT IDFacturaCabT15, Format(FechaT15,'dd/mm/yyyy') FROM T15FacturasCab WHERE Year(FechaT15) = 2025 "
     "AND "
     "Day(FechaT15) > 9",
     "3|'10/12/2025'"},
    // Clauses: TOP, DISTINCTROW, ordinals, IsNull, aggregates.
    {"SELECT TOP 2 IDAlumnoT01 FROM T01Alumnos ORDER BY CodigoT01 DESC", "3;2"},
    {"SELECT DISTINCTROW IDCentroT01 FROM T01Alumnos ORDER BY 1", "1;2"},
    {"SELECT TOP 1 NombreT01 FROM T01Alumnos ORDER BY CodigoT01 UNION ALL SELECT CodigoT03 FROM T03Cursos "
     "WHERE "
     "IDCursoT03 = 3",
     "'Ñandú';'CUR3'"},
    {"SELECT NombreT01, IDAlumnoT01 FROM T01Alumnos ORDER BY 2 DESC", "'Ana'|3;'josé'|2;'Ñandú'|1"},
    {"SELECT iif(IsNull(IDConceptoMatriculaT16),-1,IDConceptoMatriculaT16) FROM T16FacturasCue WHERE "
     "NMesFacturadoT16=12 AND AnyoFacturadoT16=2025 ORDER BY 1",
     "2;3"},
    {"SELECT CodigoT03,Sum(IIF(FechaAltaT02<=46000 AND (IsNull(FechaBajaT02) OR FechaBajaT02>46000),1,0)) AS "
     "NAltas,Sum(IIF(FechaBajaT02>=45900 AND FechaBajaT02<=46000,-1,0)) AS NBajas FROM (T03Cursos LEFT JOIN "
     "T05Grupos "
     "ON T03Cursos.IDCursoT03 = T05Grupos.IDCursoT05) LEFT JOIN T02Matriculas ON T05Grupos.IDGrupoT05 = "
     "T02Matriculas.IDGrupoT02 WHERE IDCentroT03=1 GROUP BY IDCursoT03,CodigoT03 ORDER BY CodigoT03",
     "'CUR1'|3|0;'CUR2'|0|0"},
    {"SELECT COUNT(IDMatriculaT02) AS NMatrActivasYDeBaja\nFROM T02Matriculas\nWHERE ActivaT02 AND "
     "FechaBajaT02<=46010",
     "1"},
    {"SELECT First(NombreT01), Last(NombreT01), Max(NombreT01) FROM (SELECT NombreT01 FROM T01Alumnos ORDER "
     "BY "
     "IDAlumnoT01 DESC)",
     "'Ana'|'Ñandú'|'Ñandú'"},
    // A single column in parentheses after NOT IN; the self-join under two RIGHT JOINs.
    {"SELECT T14ConceptosMatricula.IDConceptoMatriculaT14\nFROM T05Grupos RIGHT JOIN (T02Matriculas RIGHT "
     "JOIN "
     "(T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS T14Padre ON "
     "T14ConceptosMatricula.IDConcMatrPadreT14 = "
     "T14Padre.IDConceptoMatriculaT14) ON T02Matriculas.IDMatriculaT02 = "
     "T14ConceptosMatricula.IDMatriculaT14) ON "
     "T05Grupos.IDGrupoT05 = T02Matriculas.IDGrupoT02\nWHERE (T14Padre.IDCursoT14 Not In ([IDCursoT05])) OR "
     "(T14Padre.IDGrupoT14 NOT IN ([IDGrupoT05]))",
     "5"},
    // The invoice generation query: six nested RIGHT JOINs with the month and date conditions.
    {"SELECT "
     "T14ConceptosMatricula.*,CodigoT03,DescripcionT03,CodigoCentroT20,NombreCentroT20,CodigoTarifaT07,"
     "CodigoT05,"
     "NombreT05,IDMatriculaT02,DatosCobroEnMatriculaT02,NMatriculaT02,IDAlumnoT01,NombreCompletoT01,"
     "IDAlumnoRelacionadoT01 \nFROM T01Alumnos RIGHT JOIN (T20Centros RIGHT JOIN (T03Cursos RIGHT JOIN "
     "(T05Grupos RIGHT "
     "JOIN (T07TarifasPrecios RIGHT JOIN (T02Matriculas RIGHT JOIN T14ConceptosMatricula ON "
     "T02Matriculas.IDMatriculaT02 "
     "= T14ConceptosMatricula.IDMatriculaT14) ON T07TarifasPrecios.IDTarifaPreciosT07 = "
     "T14ConceptosMatricula.IDTarifaPreciosT14) ON T05Grupos.IDGrupoT05 = T02Matriculas.IDGrupoT02) ON "
     "T03Cursos.IDCursoT03 = T05Grupos.IDCursoT05) ON T20Centros.IDCentroT20 = T03Cursos.IDCentroT03) ON "
     "T01Alumnos.IDAlumnoT01 = T02Matriculas.IDAlumnoT02\nWHERE (ActivoT14) AND (NOT (IDMatriculaT02 IS "
     "NULL))  AND "
     "(IDAlumnoT02 IN (1,2,3)) AND ((CobrarEneroT14)) AND (1>(SELECT COUNT(IDFacturaCabT15) AS CMFACTURATS "
     "FROM "
     "T15FacturasCab LEFT JOIN T16FacturasCue ON T15FacturasCab.IDFacturaCabT15 = "
     "T16FacturasCue.IDFacturaCabT16 WHERE "
     "(IDConceptoMatriculaT16=IDConceptoMatriculaT14) AND (FechaT15=46000.0))) AND (NOT "
     "(IDConceptoMatriculaT14 IN "
     "(SELECT iif(isnull(IDConceptoMatriculaT16),-1,IDConceptoMatriculaT16) FROM T16FacturasCue WHERE "
     "NMesFacturadoT16=1 AND AnyoFacturadoT16=2026)))\nORDER BY "
     "IDAlumnoT01,DatosCobroEnMatriculaT02,IDMatriculaT02,"
     "IDConceptoMatriculaT14",
     ""},
};

TEST_F(JetStatements, QueriesReturnJetResults) {
  for (const QueryCase& c : kQueries) {
    SCOPED_TRACE(c.jet);
    try {
      EXPECT_EQ(Query(QString::fromUtf8(c.jet)), QString::fromUtf8(c.expected));
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
    }
  }
}

// The invoice query returns the concepts to bill with the data of every joined table.
TEST_F(JetStatements, InvoiceQueryJoinsSixTables) {
  db.Exec("UPDATE T14ConceptosMatricula SET ActivoT14 = 1");
  const QString rows = Query(QStringLiteral(
      "SELECT "
      "T14ConceptosMatricula.IDConceptoMatriculaT14,CodigoT03,NombreCentroT20,CodigoTarifaT07,CodigoT05,"
      "IDMatriculaT02,NombreCompletoT01 \nFROM T01Alumnos RIGHT JOIN (T20Centros RIGHT JOIN (T03Cursos RIGHT "
      "JOIN "
      "(T05Grupos RIGHT JOIN (T07TarifasPrecios RIGHT JOIN (T02Matriculas RIGHT JOIN T14ConceptosMatricula "
      "ON "
      "T02Matriculas.IDMatriculaT02 = T14ConceptosMatricula.IDMatriculaT14) ON "
      "T07TarifasPrecios.IDTarifaPreciosT07 = "
      "T14ConceptosMatricula.IDTarifaPreciosT14) ON T05Grupos.IDGrupoT05 = T02Matriculas.IDGrupoT02) ON "
      "T03Cursos.IDCursoT03 = T05Grupos.IDCursoT05) ON T20Centros.IDCentroT20 = T03Cursos.IDCentroT03) ON "
      "T01Alumnos.IDAlumnoT01 = T02Matriculas.IDAlumnoT02\nWHERE (ActivoT14) AND (NOT (IDMatriculaT02 IS "
      "NULL)) AND "
      "((CobrarEneroT14))\nORDER BY "
      "IDAlumnoT01,DatosCobroEnMatriculaT02,IDMatriculaT02,IDConceptoMatriculaT14"));
  EXPECT_EQ(rows, QStringLiteral("2|'CUR1'|'Centro Uno'|'TAR1'|'G1'|1|'Ñandú Pérez';"
                                 "3|'CUR1'|'Centro Uno'|'TAR1'|'G1'|2|'José García';"
                                 "4|'CUR3'|'Centro Dos'|NULL|'G3'|4|'Ana O'Brien'"));
}

// A text with both quotes, backslashes, non-ASCII, NUL and 100,000 characters goes in
// through INSERT and comes back unchanged, and matches itself in a WHERE.
TEST_F(JetStatements, LongAndOddTextsRoundTrip) {
  QString text = QStringLiteral("O'Brien \"x\" C:\\dir\\ ñÁ€ 😀 ");
  text += QChar(u'\0');
  text += QStringLiteral("tras el nulo ");
  while (text.size() < 100000) text += QStringLiteral("abcdefghij");
  text.truncate(100000);
  QString literal = text;
  literal.replace(u'\'', QStringLiteral("''"));
  db.Jet(QStringLiteral("INSERT INTO T25NotasBoletin (IDBoletinNotasT25, NotaT25) VALUES (9, '") + literal +
         QStringLiteral("')"));
  EXPECT_EQ(
      db.Value(QStringLiteral("SELECT NotaT25 FROM T25NotasBoletin WHERE IDBoletinNotasT25 = 9")).toString(),
      text);
  EXPECT_EQ(db.Value(QStringLiteral("SELECT IDBoletinNotasT25 FROM T25NotasBoletin WHERE NotaT25 = '") +
                     literal + QStringLiteral("'"))
                .toLongLong(),
            9);
  EXPECT_EQ(db.Value(QStringLiteral("SELECT Len(NotaT25) FROM T25NotasBoletin WHERE IDBoletinNotasT25 = 9"))
                .toLongLong(),
            text.toUcs4().size());
}

}  // namespace
