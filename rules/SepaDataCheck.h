#pragma once
// The bank-data check of a company database: every stored IBAN (students,
// enrolments that carry their own bank data, invoices, payment methods) is
// validated together with its BIC; the ones that pass get their missing check
// digits and the BIC of their bank. The list mode only reports; the apply mode
// writes the conversion in one transaction and marks the database as converted.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

class TDataBaseZUL;

namespace SepaDataCheck {

enum class TSepaTable { Alumnos, Matriculas, Facturas, FormasCobro };

// One row that holds an IBAN.
struct TSepaRecord {
  TSepaTable table = TSepaTable::Alumnos;
  QVariant id;           // key of the row written (IDAlumnoT01, IDMatriculaT02...)
  QString iban;          // as stored
  QString bic;           // as stored; invoices keep theirs untouched
  QString error;         // the check's message; empty when the data passed
  QString newIban;       // passed: the IBAN with its check digits
  QString newBic;        // passed: the BIC of its bank (invoices: the stored one)
  bool changed = false;  // passed and differs from what is stored
};

struct TSepaTableSummary {
  TSepaTable table = TSepaTable::Alumnos;
  int rows = 0;
  int errors = 0;
  int changes = 0;
};

struct TSepaCheckResult {
  QStringList lines;  // the report shown to the person
  std::vector<TSepaRecord> records;
  std::vector<TSepaTableSummary> tables;  // in the order checked
  bool applied = false;

  int Changes() const;
  int Errors() const;
};

// The parameter that records a finished conversion ("ACTUALIZADA_V_BBDD_IBAN_1").
QString ConvertedParameter();

// Checks every table. With `apply` the rows that passed and differ are written,
// all in one transaction together with the converted mark; any failure rolls all
// of it back and raises with the reason. Without it nothing is written.
TSepaCheckResult CheckSepaData(TDataBaseZUL& db, bool apply);

// The automatic run after connecting is due: the database is open for writing,
// not yet converted, and has at least one centre.
bool IsSepaCheckDue(TDataBaseZUL& db);

// Shows the report of a list run and answers whether to apply the changes.
using TSepaConfirm = std::function<bool(const QStringList& lines)>;

// The whole check as the person sees it: the list run, the report through
// `confirm`, and on acceptance the apply run and a notice. True when applied;
// false when declined or without an open database. Errors raise.
bool RunSepaDataCheck(TDataBaseZUL& db, const TSepaConfirm& confirm);

}  // namespace SepaDataCheck
