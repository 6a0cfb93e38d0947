#pragma once
// The forms model: a form is an object tree of named controls, each holding
// enabled, visible, read-only, checked and caption, and for data-aware controls the
// field they edit. Rules find controls by name, exactly as on a drawn form, and
// change the model; the desktop draws it and follows its changes.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class TQuerySQL;
class TDBGrid;
class TSQLDataSet;
class TProcedureZUL;

enum class TZULControlKind {
  Panel,
  Label,
  Button,  // bound to a registered procedure with its arguments
  SpeedButton,
  CheckBox,    // plain check box
  DBCheckBox,  // data-aware check box
  DBEdit,      // text, integer, currency
  DBMemo,
  DBDate,
  DBTime,
  DBLookup,  // combo over another table
  DBRadioGroup,
  DateTimePicker,
  Grid,  // a detail grid
  Other,
};

class TZULControl : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE SetCaption NOTIFY changed)
  Q_PROPERTY(bool enabled READ Enabled WRITE SetEnabled NOTIFY changed)
  Q_PROPERTY(bool visible READ Visible WRITE SetVisible NOTIFY changed)
  Q_PROPERTY(bool readOnly READ ReadOnly WRITE SetReadOnly NOTIFY changed)
  Q_PROPERTY(bool checked READ Checked WRITE SetChecked NOTIFY changed)
public:
  TZULControl(TZULControlKind kind, const QString& name, QObject* parent = nullptr);

  TZULControlKind Kind() const { return m_kind; }
  QString Name() const { return objectName(); }

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& caption);
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return m_visible; }
  void SetVisible(bool visible);
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly);
  bool Checked() const { return m_checked; }
  void SetChecked(bool checked);

  // Data-aware controls: the field they edit (of the form's dataset unless a
  // dataset of their own is set).
  QString DataField() const { return m_dataField; }
  void SetDataField(const QString& field) { m_dataField = field; }
  TSQLDataSet* DataSet() const { return m_dataSet; }
  void SetDataSet(TSQLDataSet* dataSet) { m_dataSet = dataSet; }

  // Buttons: the registered procedure and its arguments "PRME01"...
  QString Procedure() const { return m_procedure; }
  void SetProcedure(const QString& name, const QVariantList& arguments = {});
  QVariantList Arguments() const { return m_arguments; }

  // Choice lists (lookup combos, radio groups, value selectors).
  QStringList Items() const { return m_items; }
  void SetItems(const QStringList& items);
  // The values stored for the items (lookup keys, radio group values), in the same
  // order; empty when the position is the value.
  QVariantList ItemValues() const { return m_itemValues; }
  void SetItemValues(const QVariantList& values);
  // Lookup combos: the query of the choices and its key and display fields.
  QString LookupSQL() const { return m_lookupSql; }
  QString LookupKeyField() const { return m_lookupKeyField; }
  QString LookupDisplayField() const { return m_lookupDisplayField; }
  void SetLookup(const QString& sql, const QString& keyField, const QString& displayField);

  // A detail grid control shows this grid.
  TDBGrid* Grid() const { return m_grid; }
  void SetGrid(TDBGrid* grid) { m_grid = grid; }

  // Finds a control by name (without regard to case) in the subtree (this one
  // included); nullptr when absent.
  TZULControl* FindControl(const QString& name);

signals:
  void changed();
  // For buttons: raised by Click(); the form runs the bound procedure. A form built
  // from the application file shows the procedure's error through Dialogs (a
  // silent abort shows nothing), as the event loop would.
  void clicked();

public:
  void Click() { emit clicked(); }

private:
  TZULControlKind m_kind;
  QString m_caption;
  bool m_enabled = true;
  bool m_visible = true;
  bool m_readOnly = false;
  bool m_checked = false;
  QString m_dataField;
  TSQLDataSet* m_dataSet = nullptr;
  QString m_procedure;
  QVariantList m_arguments;
  QStringList m_items;
  QVariantList m_itemValues;
  QString m_lookupSql;
  QString m_lookupKeyField;
  QString m_lookupDisplayField;
  TDBGrid* m_grid = nullptr;
};

class TZULForm : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
public:
  TZULForm(int node, int dataObjectId, const QString& name, QObject* parent = nullptr);
  ~TZULForm() override;

  int Node() const { return m_node; }
  int DataObjectId() const { return m_dataObjectId; }
  // The identifier that the form events (creation, closing) carry: the data-object
  // identifier unless the form is given one of its own.
  int FormObjectId() const { return m_formObjectId; }
  void SetFormObjectId(int id) { m_formObjectId = id; }
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& caption) { m_caption = caption; }
  // A tool window: the main window shows it on its own, modally, after closing the
  // other forms, instead of as one of its child forms.
  bool ToolWindow() const { return m_toolWindow; }
  void SetToolWindow(bool on) { m_toolWindow = on; }

  // The form's query (its list and current record) and its list grid.
  TQuerySQL* Query() const { return m_query; }
  void SetQuery(TQuerySQL* query) { m_query = query; }
  TDBGrid* ListGrid() const { return m_grid; }
  void SetListGrid(TDBGrid* grid) { m_grid = grid; }
  TSQLDataSet* DataSet() const;  // the query's dataset, or nullptr

  // Other components by name ("DATASETSQL", "DadesQry"...): datasets, queries, grids.
  // Names are compared without regard to case; adding a name again replaces it.
  void AddComponent(const QString& name, QObject* component);
  QObject* Component(const QString& name) const;
  QStringList ComponentNames() const;

  // The registry the form's buttons run their procedures from (not owned).
  void SetProcedures(TProcedureZUL* procedures) { m_procedures = procedures; }
  TProcedureZUL* Procedures() const { return m_procedures; }

  // Controls are children of the form (directly or inside panels).
  TZULControl* AddControl(TZULControlKind kind, const QString& name, TZULControl* parentControl = nullptr);
  TZULControl* FindControl(const QString& name) const;
  QList<TZULControl*> Controls() const;  // all, depth first, in creation order

  // Runs a button's procedure the way the framework does: sets "PRMIP_TQUERYSQL",
  // "PRMIP_DBGRID", "PRMIP_DATASET", "PRMIP_ZULFORM" and "PRME01".."PRME06" in
  // Parametres, then executes the procedure. Arguments that are objects go in as
  // object references; the "PRME" parameters beyond the button's arguments are
  // removed. A button with a dataset of its own (one that works on a detail grid)
  // gives that dataset as "PRMIP_DATASET" and its grid as "PRMIP_DBGRID". A
  // disabled button, or one without a procedure, does nothing.
  void RunButton(TZULControl* button);

  // What other windows ask of a data form: move to the record whose field holds the
  // value (true when found), and the values of the current (picked) record.
  bool LocateRecord(const QString& fieldName, const QVariant& value);
  QVariantMap PickedValues() const;

  // Closing raises "ProcedureZULFormEvent_DESTROY" (form, 0, FormObjectId()) while the
  // form is still whole; the caller then deletes it.
  void Close();

private:
  int m_node;
  int m_dataObjectId;
  int m_formObjectId;
  QString m_caption;
  bool m_toolWindow = false;
  TQuerySQL* m_query = nullptr;
  TDBGrid* m_grid = nullptr;
  TProcedureZUL* m_procedures = nullptr;
  bool m_closed = false;
  QList<QPair<QString, QPointer<QObject>>> m_components;
};
