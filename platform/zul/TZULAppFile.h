#pragma once
// The application file: the tree, the data forms with their controls, and the
// report definitions, plus the file's date, save counter and generator. It is kept
// in a JSON format of ours (docs/APPLICATION_FILE.md). A built-in application,
// compiled into the program, stands when there is no file or it cannot be read.

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULForm.h"

struct TZULColumnDef {
  QString field;
  QString caption;
  int width = 0;  // characters; 0 = automatic
};

// A button's argument: a value, or a reference by name to an object of the form
// (a control or one of its components), passed as an object reference.
struct TZULArgumentDef {
  QVariant value;
  QString object;  // non-empty for a reference
};

struct TZULLookupDef {
  QString sql;  // the choices: a query over another table
  QString keyField;
  QString displayField;
};

struct TZULDetailDef {
  int dataObjectId = 0;
  QString sql;          // "{MASTER}" stands for the master field's value as an SQL literal
  QString masterField;  // field of the form's dataset
  QString detailField;  // the detail's field that a new detail record takes the master field's value into
  QString updateTable;
  QString keyField;
  std::vector<TZULColumnDef> columns;
};

struct TZULControlDef {
  QString name;
  TZULControlKind kind = TZULControlKind::Other;
  QString caption;
  QString dataField;
  // The name of a Grid control of the same form: this control works on that detail
  // grid's dataset (data-aware controls edit its fields, buttons run on it) instead
  // of the form's. Empty: the form's dataset.
  QString dataSetName;
  bool enabled = true;
  bool visible = true;
  bool readOnly = false;
  QStringList items;                       // choice captions (radio groups, value selectors)
  QVariantList itemValues;                 // the values stored for them; empty: the positions
  TZULLookupDef lookup;                    // DBLookup
  QString procedure;                       // buttons
  std::vector<TZULArgumentDef> arguments;  // "PRME01".."PRME06"
  TZULDetailDef detail;                    // Grid
  std::vector<TZULControlDef> controls;    // the controls inside (panels)
};

struct TZULFormDef {
  int node = 0;
  int dataObjectId = 0;
  int formObjectId = 0;  // the identifier the form events carry; 0: dataObjectId
  QString name;
  QString caption;
  QString sql;
  QString updateTable;
  QString keyField;
  bool toolWindow = false;             // shown modally on its own
  std::vector<TZULColumnDef> columns;  // of the list grid; empty: every field
  std::vector<TZULControlDef> controls;
};

struct TZULReportDef {
  int id = 0;
  QString name;
  int kind = 0;
  QString payload;  // the report's definition, as its kind reads it
};

class TZULAppFile {
public:
  // The names of a form's own components, which button arguments may refer to.
  static const QString DataSetComponent;     // "DadesQry": the form's dataset
  static const QString QueryComponent;       // "DATASETSQL": the form's query object
  static const QString GridComponent;        // "DBGrid": the list grid
  static const QString DataSourceComponent;  // "DataSource": the query's data source
  // A detail grid's dataset is the component named after its control + "DataSet".
  static QString DetailDataSetComponent(const QString& gridControl);
  // ... and its data source (which raises the detail's data-change event) the one
  // named after it + "DataSource".
  static QString DetailDataSourceComponent(const QString& gridControl);

  void Clear();
  bool IsEmpty() const;

  // Reading raises EFileError with a Spanish message on a file that is not valid;
  // this object is left as it was.
  void LoadFromJson(const QByteArray& json);
  QByteArray ToJson() const;
  void LoadFromStream(QIODevice& stream);
  void SaveToStream(QIODevice& stream) const;

  static const QByteArray& BuiltInJson();
  static TZULAppFile BuiltIn();

  QDateTime FileDate() const { return m_fileDate; }
  void SetFileDate(const QDateTime& date) { m_fileDate = date; }
  int SaveCounter() const { return m_saveCounter; }
  void SetSaveCounter(int counter) { m_saveCounter = counter; }
  QString GeneratorId() const { return m_generatorId; }
  void SetGeneratorId(const QString& id) { m_generatorId = id; }

  TTreeZUL& Tree() { return m_tree; }
  const TTreeZUL& Tree() const { return m_tree; }

  const std::vector<TZULFormDef>& Forms() const { return m_forms; }
  const TZULFormDef* FindForm(int node) const;
  const TZULFormDef* FindFormByDataObject(int dataObjectId) const;
  // Adds a form after checking it as loading does; raises EFileError.
  void AddForm(const TZULFormDef& form);

  const std::vector<TZULReportDef>& Reports() const { return m_reports; }
  const TZULReportDef* FindReport(int id) const;
  void AddReport(const TZULReportDef& report);

private:
  friend class TZULAppFileReader;
  QDateTime m_fileDate;
  int m_saveCounter = 0;
  QString m_generatorId;
  TTreeZUL m_tree;
  std::vector<TZULFormDef> m_forms;
  std::vector<TZULReportDef> m_reports;
};

// The control kinds by their names in the file ("DBEdit"...); Other for an unknown name.
QString ControlKindName(TZULControlKind kind);
bool ControlKindFromName(const QString& name, TZULControlKind& kind);
