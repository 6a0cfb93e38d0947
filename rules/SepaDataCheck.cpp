#include "rules/SepaDataCheck.h"

#include "App/CodiComu/Progress.h"
#include "App/CodiComu/SqlBuilders.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/TProgressScope.h"
#include "App/CodiComu/bank/BicCodes.h"
#include "App/CodiComu/bank/Iban.h"
#include "platform/core/DayDate.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TField.h"
#include "platform/zul/TSQLDataSet.h"

namespace SepaDataCheck {

namespace {

// How one table is read, reported and written.
struct TTableSpec {
  TSepaTable table;
  const char* caption;  // progress caption
  const char* sql;      // the rows with an IBAN
  const char* target;   // the table written
  const char* keyField;
  const char* ibanField;
  const char* bicField;                     // nullptr: the BIC is neither checked nor written
  const char* nameField;                    // shown in the progress
  QString (*linePrefix)(TSQLDataSet& row);  // the error line up to the message
};

QString Text(TSQLDataSet& row, const char* field) {
  return row.FieldByName(QString::fromLatin1(field)).AsString();
}

const QString kSeparator = QStringLiteral(" ; ");

QString StudentPrefix(TSQLDataSet& row) {
  return Text(row, "CodigoT01") + kSeparator + Text(row, "NombreCompletoT01") + kSeparator;
}

QString EnrolmentPrefix(TSQLDataSet& row) {
  return Text(row, "NMatriculaT02") + kSeparator + Text(row, "NombreCompletoT01") + kSeparator;
}

QString InvoicePrefix(TSQLDataSet& row) {
  const TField& date = row.FieldByName(QStringLiteral("FechaT15"));
  const QString day =
      date.IsNull() ? QString() : DayDate::ToDate(date.AsDateTime()).toString(QStringLiteral("dd/MM/yyyy"));
  return Text(row, "NumeroT15") + kSeparator + day + kSeparator + Text(row, "CCCNombreTitularT15") +
         kSeparator;
}

QString PaymentMethodPrefix(TSQLDataSet& row) { return Text(row, "DescFormaCobroT17") + kSeparator; }

const TTableSpec kTables[] = {
    {TSepaTable::Alumnos, "Tabla Alumnos",
     "SELECT * FROM T01Alumnos WHERE (IBANT01<>'') ORDER BY CodigoT01,ApellidosT01,NombreT01", "T01Alumnos",
     "IDAlumnoT01", "IBANT01", "BICT01", "NombreCompletoT01", StudentPrefix},
    {TSepaTable::Matriculas, "Tabla Matrículas",
     "SELECT * FROM T01Alumnos INNER JOIN T02Matriculas ON T01Alumnos.IDAlumnoT01 = "
     "T02Matriculas.IDAlumnoT02 "
     "WHERE (DatosCobroEnMatriculaT02 AND (IBANT02<>''))",
     "T02Matriculas", "IDMatriculaT02", "IBANT02", "BICT02", "NombreCompletoT01", EnrolmentPrefix},
    {TSepaTable::Facturas, "Tabla Facturas", "SELECT * FROM T15FacturasCab WHERE (IBANT15<>'')",
     "T15FacturasCab", "IDFacturaCabT15", "IBANT15", nullptr, "NombreT15", InvoicePrefix},
    {TSepaTable::FormasCobro, "Tabla Formas Cobro", "SELECT * FROM T17FormasCobro WHERE (IBANT17<>'')",
     "T17FormasCobro", "IDFormaCobroT17", "IBANT17", "BICT17", "DescFormaCobroT17", PaymentMethodPrefix},
};

const QString kStars = QString(67, QLatin1Char('*'));

QStringList Header() {
  return {kStars,
          QStringLiteral("*** Comprobación de códigos IBAN y cálculo de los códigos BIC   ***"),
          QStringLiteral("*** para adaptar la información según normativa bancaria SEPA.  ***"),
          QStringLiteral("*** Si se aceptan los cámbios se actualizarán los códigos BIC y ***"),
          QStringLiteral("*** se calcularán los dígitos de control de los campos IBAN     ***"),
          QStringLiteral("*** españoles \"ES\" que no tengan asignados dígitos de control   ***"),
          kStars};
}

// Checks the current row; the new values are filled only when it passes.
TSepaRecord CheckRow(const TTableSpec& spec, TSQLDataSet& row) {
  TSepaRecord record;
  record.table = spec.table;
  record.id = row.FieldByName(QString::fromLatin1(spec.keyField)).Value();
  record.iban = Text(row, spec.ibanField);
  record.bic = spec.bicField ? Text(row, spec.bicField) : QString();
  const QString iban = record.iban.trimmed();
  record.error =
      spec.bicField ? CompruebaIBANyBIC(iban, record.bic.trimmed(), true) : CompruebaIBAN(iban, true);
  if (!record.error.isEmpty()) return record;
  record.newIban = NormalizaIBAN(iban);
  // The check made sure the stored BIC, when there is one, is this bank's.
  record.newBic = spec.bicField ? BuscaBICEntidad(record.newIban.mid(4, 4)) : record.bic;
  record.changed = record.newIban != record.iban || record.newBic != record.bic;
  return record;
}

void WriteRow(TDataBaseZUL& db, const TTableSpec& spec, const TSepaRecord& record) {
  QString set = QString::fromLatin1(spec.ibanField) + QLatin1Char('=') + ValorSQL(db, record.newIban);
  if (spec.bicField) {
    set += QLatin1Char(',') + QString::fromLatin1(spec.bicField) + QLatin1Char('=') +
           ValorSQL(db, record.newBic);
  }
  ModificaRegistres(db, QString::fromLatin1(spec.target), set,
                    QString::fromLatin1(spec.keyField) + QLatin1Char('=') + ValorSQL(db, record.id));
}

void CheckTable(TDataBaseZUL& db, const TTableSpec& spec, bool apply, TSepaCheckResult& result) {
  TProgressScope progress(QString::fromUtf8(spec.caption), QString());
  TSepaTableSummary summary;
  summary.table = spec.table;
  auto query = db.GetTSQLDataSet(QString::fromUtf8(spec.sql));
  query->Open();
  for (; !query->Eof(); query->Next()) {
    SetProgressRecord(QStringLiteral("Registro ") + Text(*query, spec.nameField), query.get());
    TSepaRecord record = CheckRow(spec, *query);
    ++summary.rows;
    if (!record.error.isEmpty()) {
      ++summary.errors;
      result.lines << spec.linePrefix(*query) + record.error + QStringLiteral("  ") + record.iban.trimmed();
    } else if (record.changed) {
      ++summary.changes;
      if (apply) WriteRow(db, spec, record);
    }
    result.records.push_back(std::move(record));
  }
  result.lines << QStringLiteral("Procesados un total de %1 registros con %2 errores.")
                      .arg(summary.rows)
                      .arg(summary.errors);
  result.tables.push_back(summary);
}

void CheckAll(TDataBaseZUL& db, bool apply, TSepaCheckResult& result) {
  for (const TTableSpec& spec : kTables) CheckTable(db, spec, apply, result);
  result.lines << QStringLiteral("*** Finalizada la actualización ***");
}

}  // namespace

int TSepaCheckResult::Changes() const {
  int total = 0;
  for (const TSepaTableSummary& table : tables) total += table.changes;
  return total;
}

int TSepaCheckResult::Errors() const {
  int total = 0;
  for (const TSepaTableSummary& table : tables) total += table.errors;
  return total;
}

QString ConvertedParameter() { return QStringLiteral("ACTUALIZADA_V_BBDD_IBAN_1"); }

TSepaCheckResult CheckSepaData(TDataBaseZUL& db, bool apply) {
  TSepaCheckResult result;
  result.lines = Header();
  if (!apply) {
    CheckAll(db, false, result);
    return result;
  }
  const int token = db.BeginTrans();
  try {
    CheckAll(db, true, result);
    TParametrosApp parameters;
    parameters.SetDataBase(&db);
    parameters.SetValue(ConvertedParameter(), true);
    db.CommitTrans(token);
  } catch (Exception& e) {
    try {
      db.RollbackTrans(token);
    } catch (const Exception&) {
      // The connection itself failed; the first error says more.
    }
    if (dynamic_cast<EAbort*>(&e)) throw;
    e.SetMessage(
        QStringLiteral(
            "No se han podido actualizar los datos bancarios; no se ha modificado ningún registro.\n\n") +
        e.Message());
    throw;
  } catch (...) {
    db.RollbackTrans(token);
    throw;
  }
  result.applied = true;
  return result;
}

bool IsSepaCheckDue(TDataBaseZUL& db) {
  if (!db.IsOpen() || db.IsReadOnly()) return false;
  TParametrosApp parameters;
  parameters.SetDataBase(&db);
  if (parameters.GetBoolean(ConvertedParameter(), false)) return false;
  try {
    return ComptaRegistres(db, QStringLiteral("IDCentroT20"), QStringLiteral("T20Centros"), QString()) > 0;
  } catch (const Exception&) {
    return false;  // no centres table: nothing to convert for
  }
}

bool RunSepaDataCheck(TDataBaseZUL& db, const TSepaConfirm& confirm) {
  if (!db.IsOpen()) return false;
  const TSepaCheckResult preview = CheckSepaData(db, false);
  if (!confirm || !confirm(preview.lines)) return false;
  const TSepaCheckResult done = CheckSepaData(db, true);
  Dialogs::Notify(
      QStringLiteral("Datos bancarios actualizados.\n\nRegistros modificados: %1\nRegistros con errores "
                     "(sin modificar): %2")
          .arg(done.Changes())
          .arg(done.Errors()));
  return true;
}

}  // namespace SepaDataCheck
