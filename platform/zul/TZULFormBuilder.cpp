#include "platform/zul/TZULFormBuilder.h"

#include <QPointer>
#include <memory>

#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"

const QString kFormCreateEvent = QStringLiteral("ProcedureZULFormEvent_CREATE");

namespace {

const QString kMasterMark = QStringLiteral("{MASTER}");

std::vector<TDBGrid::Column> GridColumns(const std::vector<TZULColumnDef>& defs) {
  std::vector<TDBGrid::Column> columns;
  columns.reserve(defs.size());
  for (const TZULColumnDef& d : defs) columns.push_back(TDBGrid::Column{d.field, d.caption, d.width});
  return columns;
}

// The detail's query for the master's current record: "{MASTER}" becomes the SQL
// literal of the master field (NULL without a record, so that nothing matches).
QString DetailSql(TDataBaseZUL& db, TSQLDataSet& master, const TZULDetailDef& detail) {
  QString literal = QStringLiteral("NULL");
  if (master.Active() && !master.IsEmpty()) {
    TField& field = master.FieldByName(detail.masterField);
    literal = db.ConvertToSqlString(field.DataType(), field.Value());
  }
  QString sql = detail.sql;
  return sql.replace(kMasterMark, literal, Qt::CaseInsensitive);
}

// Re-reads the detail for the master's current record. Inside the master's
// notification there is no caller to tell of an error: the detail stays closed
// and the message goes to the log.
void RefreshDetail(TDataBaseZUL& db, TSQLDataSet& master, TSQLDataSet& dataSet, const TZULDetailDef& detail) {
  if (dataSet.Modifying()) return;  // never throw away the user's detail edit
  try {
    const QString sql = DetailSql(db, master, detail);
    if (dataSet.Active() && sql == dataSet.SQL()) return;
    dataSet.SetSQL(sql);
    if (master.Active()) dataSet.Open();
  } catch (const Exception& e) {
    dataSet.Close();
    qWarning("Rejilla de detalle %s: %s", qUtf8Printable(detail.sql), e.what());
  }
}

}  // namespace

TZULForm* TZULFormBuilder::Build(const TZULFormDef& def, QObject* owner) {
  auto form = std::make_unique<TZULForm>(def.node, def.dataObjectId, def.name);
  if (def.formObjectId > 0) form->SetFormObjectId(def.formObjectId);
  form->SetCaption(def.caption);
  form->SetToolWindow(def.toolWindow);
  form->SetProcedures(&m_procedures);

  auto* query = new TQuerySQL(&m_database, def.sql, def.dataObjectId, &m_procedures, form.get());
  if (!def.updateTable.isEmpty()) query->DataSet()->SetUpdateTable(def.updateTable, def.keyField);
  form->SetQuery(query);
  auto* grid = new TDBGrid(query->DataSet(), form.get());
  grid->SetColumns(GridColumns(def.columns));
  form->SetListGrid(grid);
  form->AddComponent(TZULAppFile::QueryComponent, query);
  form->AddComponent(TZULAppFile::DataSetComponent, query->DataSet());
  form->AddComponent(TZULAppFile::DataSourceComponent, query->DataSource());
  form->AddComponent(TZULAppFile::GridComponent, grid);

  AddControls(*form, def.controls, nullptr);
  BindDetailControls(*form, def.controls);
  WireButtons(*form, def.controls);

  m_procedures.ExecuteProcedure(kFormCreateEvent, form.get(),
                                {QVariant::fromValue<QObject*>(form.get()), 1, form->FormObjectId()});
  query->Open();
  // Detail grids follow the master from its first record on.
  for (const Detail& d : m_details) RefreshDetail(m_database, *query->DataSet(), *d.dataSet, d.def);
  m_details.clear();
  if (owner) form->setParent(owner);
  return form.release();
}

void TZULFormBuilder::AddControls(TZULForm& form, const std::vector<TZULControlDef>& defs,
                                  TZULControl* parent) {
  for (const TZULControlDef& d : defs) {
    TZULControl* control = form.AddControl(d.kind, d.name, parent);
    control->SetCaption(d.caption);
    control->SetEnabled(d.enabled);
    control->SetVisible(d.visible);
    control->SetReadOnly(d.readOnly);
    control->SetDataField(d.dataField);
    control->SetItems(d.items);
    control->SetItemValues(d.itemValues);
    if (d.kind == TZULControlKind::DBLookup) FillLookup(*control, d.lookup);
    if (d.kind == TZULControlKind::Grid) AddDetailGrid(form, *control, d.detail);
    AddControls(form, d.controls, control);
  }
}

void TZULFormBuilder::FillLookup(TZULControl& control, const TZULLookupDef& lookup) {
  // The choices are read by whoever shows them, a page at a time: a lookup over a
  // large table (all the students) must not read it whole when the form opens.
  control.SetLookup(lookup.sql, lookup.keyField, lookup.displayField);
}

void TZULFormBuilder::AddDetailGrid(TZULForm& form, TZULControl& control, const TZULDetailDef& detail) {
  TSQLDataSet* master = form.DataSet();
  // A read-only grid control shows a read-only detail.
  auto* dataSet =
      new TSQLDataSet(&m_database, DetailSql(m_database, *master, detail), &form, control.ReadOnly() ? 1 : 0);
  dataSet->setParent(&form);
  dataSet->SetDataObjectId(detail.dataObjectId);
  dataSet->SetProcedures(&m_procedures);
  if (!detail.updateTable.isEmpty()) dataSet->SetUpdateTable(detail.updateTable, detail.keyField);
  auto* grid = new TDBGrid(dataSet, &form);
  grid->SetColumns(GridColumns(detail.columns));
  control.SetGrid(grid);
  control.SetDataSet(dataSet);
  form.AddComponent(TZULAppFile::DetailDataSetComponent(control.Name()), dataSet);
  // The detail's own data source raises the data-change event with its identifier.
  form.AddComponent(TZULAppFile::DetailDataSourceComponent(control.Name()), new TDataSource(dataSet, &form));

  m_details.push_back(Detail{dataSet, detail});

  // A new detail record belongs to the master's current record.
  if (!detail.detailField.isEmpty()) {
    QObject::connect(dataSet, &TSQLDataSet::stateChanged, dataSet, [master, dataSet, detail] {
      if (dataSet->State() != TDataSetState::dsInsert || !master->Active() || master->IsEmpty()) return;
      try {
        TField& link = dataSet->FieldByName(detail.detailField);
        if (Var::IsNullOrEmpty(link.Value())) link.SetValue(master->FieldByName(detail.masterField).Value());
      } catch (const Exception& e) {
        qWarning("Rejilla de detalle %s: %s", qUtf8Printable(detail.sql), e.what());
      }
    });
  }

  // Re-read when the master moves to another record or its master field changes.
  TDataBaseZUL* db = &m_database;
  QObject::connect(master, &TSQLDataSet::dataChanged, dataSet, [db, master, dataSet, detail](TField* field) {
    if (field && field->FieldName().compare(detail.masterField, Qt::CaseInsensitive) != 0) return;
    RefreshDetail(*db, *master, *dataSet, detail);
  });
}

void TZULFormBuilder::BindDetailControls(TZULForm& form, const std::vector<TZULControlDef>& defs) {
  for (const TZULControlDef& d : defs) {
    BindDetailControls(form, d.controls);
    if (d.dataSetName.isEmpty()) continue;
    TZULControl* grid = form.FindControl(d.dataSetName);
    if (!grid || grid->Kind() != TZULControlKind::Grid || !grid->DataSet()) {
      throw EFileError(
          QStringLiteral("El control \"%1\" se refiere a una rejilla de detalle que no existe: \"%2\"")
              .arg(d.name, d.dataSetName));
    }
    form.FindControl(d.name)->SetDataSet(grid->DataSet());
  }
}

void TZULFormBuilder::WireButtons(TZULForm& form, const std::vector<TZULControlDef>& defs) {
  for (const TZULControlDef& d : defs) {
    WireButtons(form, d.controls);
    if (d.procedure.isEmpty()) continue;
    TZULControl* control = form.FindControl(d.name);
    QVariantList args;
    for (const TZULArgumentDef& a : d.arguments) {
      if (a.object.isEmpty()) {
        args.append(a.value);
        continue;
      }
      QObject* object = form.FindControl(a.object);
      if (!object) object = form.Component(a.object);
      if (!object) {
        throw EFileError(QStringLiteral("El botón \"%1\" se refiere a un objeto que no existe: \"%2\"")
                             .arg(d.name, a.object));
      }
      // A handle, not a pointer: an object destroyed meanwhile reads as nothing.
      args.append(TParametres::ObjectHandle(object));
    }
    control->SetProcedure(d.procedure, args);
    TZULForm* f = &form;
    // Nothing may leave a slot: as the event loop does, an error is shown and a
    // silent abort shows nothing.
    QObject::connect(control, &TZULControl::clicked, f, [f, control] {
      try {
        f->RunButton(control);
      } catch (const EAbort&) {
      } catch (const Exception& e) {
        Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
      } catch (const std::exception& e) {
        Dialogs::Current().Error(Dialogs::AppTitle(), QString::fromUtf8(e.what()));
      }
    });
  }
}
