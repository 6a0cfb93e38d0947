#pragma once
// Builds the form model of a data form of the application file on a database:
// its query, list grid, controls, lookup choices, detail grids that follow the
// current record, and buttons wired to their procedures.

#include <QObject>
#include <vector>

#include "platform/zul/TZULAppFile.h"

class TDataBaseZUL;
class TProcedureZUL;
class TZULForm;
class TZULControl;
class TSQLDataSet;

class TZULFormBuilder {
public:
  TZULFormBuilder(TDataBaseZUL& database, TProcedureZUL& procedures)
      : m_database(database), m_procedures(procedures) {}

  // The new form (owned by owner when given, else by the caller), with its query
  // open, after the form-creation event ("ProcedureZULFormEvent_CREATE" with the
  // form, 1 and the data-object identifier). An error frees the form and goes on.
  TZULForm* Build(const TZULFormDef& def, QObject* owner);

private:
  void AddControls(TZULForm& form, const std::vector<TZULControlDef>& defs, TZULControl* parent);
  void FillLookup(TZULControl& control, const TZULLookupDef& lookup);
  void AddDetailGrid(TZULForm& form, TZULControl& control, const TZULDetailDef& detail);
  // Controls that name a detail grid work on its dataset.
  void BindDetailControls(TZULForm& form, const std::vector<TZULControlDef>& defs);
  void WireButtons(TZULForm& form, const std::vector<TZULControlDef>& defs);

  struct Detail {
    TSQLDataSet* dataSet;
    TZULDetailDef def;
  };

  TDataBaseZUL& m_database;
  TProcedureZUL& m_procedures;
  std::vector<Detail> m_details;  // of the form being built
};

// The form-creation event's procedure name.
extern const QString kFormCreateEvent;
