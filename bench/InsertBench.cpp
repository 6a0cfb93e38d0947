// Student rows inserted through the statement builder (Jet text through the dialect
// layer) against the same rows through one prepared SQLite statement, each in one
// transaction; and the translation of typical statements.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "App/CodiComu/SqlBuilders.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/dialect/JetTranslator.h"
#include "rules/schema/MasterDatabase.h"

namespace {

const QStringList kFields = {QStringLiteral("IDCentroT01"),
                             QStringLiteral("CodigoT01"),
                             QStringLiteral("NombreT01"),
                             QStringLiteral("ApellidosT01"),
                             QStringLiteral("NombreCompletoT01"),
                             QStringLiteral("ActivoT01"),
                             QStringLiteral("NIFT01"),
                             QStringLiteral("DomicilioT01"),
                             QStringLiteral("CPPoblacionT01"),
                             QStringLiteral("PoblacionT01"),
                             QStringLiteral("ProvinciaT01"),
                             QStringLiteral("Telf1T01"),
                             QStringLiteral("EMailT01"),
                             QStringLiteral("FechaNacT01"),
                             QStringLiteral("SexoT01"),
                             QStringLiteral("IBANT01"),
                             QStringLiteral("BICT01"),
                             QStringLiteral("CCCNombreTitularT01"),
                             QStringLiteral("ReferenciaMandatoT01"),
                             QStringLiteral("FechaMandatoT01")};

QVariantList StudentRow(int i) {
  const QString name = QStringLiteral("Nombre%1").arg(i);
  const QString surname = QStringLiteral("Apellido O'Núñez %1").arg(i);
  return {1,
          i,
          name,
          surname,
          surname + QStringLiteral(", ") + name,
          true,
          QStringLiteral("12345678Z"),
          QStringLiteral("Calle Mayor, %1").arg(i),
          QStringLiteral("08001"),
          QStringLiteral("Barcelona"),
          QStringLiteral("Barcelona"),
          QStringLiteral("600000000"),
          QStringLiteral("alumno%1@ejemplo.es").arg(i),
          Var::FromDate(40000 + i % 3000),
          QStringLiteral("H"),
          QStringLiteral("ES9121000418450200051332"),
          QStringLiteral("CAIXESBBXXX"),
          surname,
          QStringLiteral("MANDATO%1").arg(i, 10, 10, QLatin1Char('0')),
          Var::FromDate(46000)};
}

struct Bench {
  QTemporaryDir dir;
  TDataBaseZUL db;
  explicit Bench(const char* name) {
    db.Create(dir.path() + QLatin1Char('/') + QLatin1String(name));
    CreateSchema(db);
  }
};

constexpr int kRows = 100000;

void BM_CreaRegistre(benchmark::State& state) {
  std::vector<QVariantList> rows;
  for (int i = 0; i < kRows; ++i) rows.push_back(StudentRow(i));
  for (auto _ : state) {
    state.PauseTiming();
    Bench b("builder.mdb");
    state.ResumeTiming();
    const int token = b.db.BeginTrans();
    for (const QVariantList& row : rows) CreaRegistre(b.db, QStringLiteral("T01Alumnos"), kFields, row);
    b.db.CommitTrans(token);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_PreparedInsert(benchmark::State& state) {
  std::vector<QVariantList> rows;
  for (int i = 0; i < kRows; ++i) rows.push_back(StudentRow(i));
  QString sql = QStringLiteral("INSERT INTO T01Alumnos (") + kFields.join(QStringLiteral(", ")) +
                QStringLiteral(") VALUES (");
  for (int i = 0; i < kFields.size(); ++i) sql += i ? QStringLiteral(", ?") : QStringLiteral("?");
  sql += QLatin1Char(')');
  const QByteArray sqlText = sql.toUtf8();
  for (auto _ : state) {
    state.PauseTiming();
    Bench b("prepared.mdb");
    state.ResumeTiming();
    sqlite3* h = b.db.Handle();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(h, sqlText.constData(), -1, &stmt, nullptr);
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    for (const QVariantList& row : rows) {
      for (int c = 0; c < row.size(); ++c) {
        const QVariant& v = row[c];
        if (v.typeId() == QMetaType::QString) {
          const QByteArray t = v.toString().toUtf8();
          sqlite3_bind_text(stmt, c + 1, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::QDateTime) {
          sqlite3_bind_double(stmt, c + 1, Var::ToDateTime(v));
        } else {
          sqlite3_bind_int64(stmt, c + 1, v.toLongLong());
        }
      }
      sqlite3_step(stmt);
      sqlite3_reset(stmt);
    }
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(stmt);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_TranslateInsert(benchmark::State& state) {
  Bench b("translate.mdb");
  QString literals;
  const QVariantList row = StudentRow(7);
  for (int i = 0; i < row.size(); ++i)
    literals += (i ? QStringLiteral(", ") : QString()) + ValorSQL(b.db, row[i]);
  const QString sql = QStringLiteral("INSERT INTO T01Alumnos (") + kFields.join(QStringLiteral(", ")) +
                      QStringLiteral(") VALUES (") + literals + QLatin1Char(')');
  for (auto _ : state) benchmark::DoNotOptimize(JetTranslator::Translate(sql));
}

void BM_TranslateJoinUpdate(benchmark::State& state) {
  const QString sql = QStringLiteral(
      "UPDATE T14ConceptosMatricula INNER JOIN T14ConceptosMatricula AS T2 ON "
      "T14ConceptosMatricula.IDConcMatrPadreT14 = T2.IDConceptoMatriculaT14\nSET "
      "T14ConceptosMatricula.ConceptoT14=[T2].[ConceptoT14],T14ConceptosMatricula.ImporteBaseT14=[T2].["
      "ImporteBaseT14],"
      "T14ConceptosMatricula.TPCIvaT14=[T2].[TPCIvaT14]\nWHERE (T2.IDCursoT14=12) AND "
      "(IsNull(T2.IDGrupoT14))");
  for (auto _ : state) benchmark::DoNotOptimize(JetTranslator::Translate(sql));
}

// Resident memory of the process, in MiB.
double ResidentMiB() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> parts = statm.readAll().split(' ');
  return parts.size() > 1 ? parts[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

// Opening a list over 100,000 students and reading the first 50 must not read them all.
void BM_OpenAndReadFirst50(benchmark::State& state) {
  Bench b("list.mdb");
  const int token = b.db.BeginTrans();
  for (int i = 0; i < kRows; ++i) CreaRegistre(b.db, QStringLiteral("T01Alumnos"), kFields, StudentRow(i));
  b.db.CommitTrans(token);
  const double before = ResidentMiB();
  int fetched = 0;
  for (auto _ : state) {
    auto list =
        b.db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T01Alumnos ORDER BY IDAlumnoT01"), nullptr, 0);
    list->Open();
    for (int i = 0; i < 50 && !list->Eof(); ++i) {
      benchmark::DoNotOptimize(list->FieldByName(QStringLiteral("NombreCompletoT01")).AsString());
      list->Next();
    }
    fetched = list->RecordCountFetched();
  }
  state.counters["rows_read"] = fetched;
  state.counters["resident_MiB_growth"] = ResidentMiB() - before;
}

void BM_OpenAndReadAll(benchmark::State& state) {
  Bench b("all.mdb");
  const int token = b.db.BeginTrans();
  for (int i = 0; i < kRows; ++i) CreaRegistre(b.db, QStringLiteral("T01Alumnos"), kFields, StudentRow(i));
  b.db.CommitTrans(token);
  for (auto _ : state) {
    auto list =
        b.db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T01Alumnos ORDER BY IDAlumnoT01"), nullptr, 0);
    list->Open();
    benchmark::DoNotOptimize(list->RecordCount());
  }
}

}  // namespace

BENCHMARK(BM_OpenAndReadFirst50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenAndReadAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CreaRegistre)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PreparedInsert)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TranslateInsert)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslateJoinUpdate)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
