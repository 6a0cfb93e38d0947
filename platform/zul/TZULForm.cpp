#include "platform/zul/TZULForm.h"

#include "platform/zul/TDBGrid.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"

namespace {
bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

void CollectControls(const QObject* parent, QList<TZULControl*>& out) {
  for (QObject* child : parent->children()) {
    if (auto* control = qobject_cast<TZULControl*>(child)) {
      out.append(control);
      CollectControls(control, out);
    }
  }
}
}  // namespace

TZULControl::TZULControl(TZULControlKind kind, const QString& name, QObject* parent)
    : QObject(parent), m_kind(kind) {
  setObjectName(name);
}

namespace {
template <typename T>
bool Change(T& member, const T& value) {
  if (member == value) return false;
  member = value;
  return true;
}
}  // namespace

void TZULControl::SetCaption(const QString& caption) {
  if (Change(m_caption, caption)) emit changed();
}
void TZULControl::SetEnabled(bool enabled) {
  if (Change(m_enabled, enabled)) emit changed();
}
void TZULControl::SetVisible(bool visible) {
  if (Change(m_visible, visible)) emit changed();
}
void TZULControl::SetReadOnly(bool readOnly) {
  if (Change(m_readOnly, readOnly)) emit changed();
}
void TZULControl::SetChecked(bool checked) {
  if (Change(m_checked, checked)) emit changed();
}

void TZULControl::SetProcedure(const QString& name, const QVariantList& arguments) {
  m_procedure = name;
  m_arguments = arguments;
}

void TZULControl::SetItems(const QStringList& items) {
  if (Change(m_items, items)) emit changed();
}

void TZULControl::SetItemValues(const QVariantList& values) {
  if (Change(m_itemValues, values)) emit changed();
}

void TZULControl::SetLookup(const QString& sql, const QString& keyField, const QString& displayField) {
  m_lookupSql = sql;
  m_lookupKeyField = keyField;
  m_lookupDisplayField = displayField;
}

TZULControl* TZULControl::FindControl(const QString& name) {
  if (SameName(objectName(), name)) return this;
  for (QObject* child : children()) {
    if (auto* control = qobject_cast<TZULControl*>(child)) {
      if (TZULControl* found = control->FindControl(name)) return found;
    }
  }
  return nullptr;
}

TZULForm::TZULForm(int node, int dataObjectId, const QString& name, QObject* parent)
    : QObject(parent), m_node(node), m_dataObjectId(dataObjectId), m_formObjectId(dataObjectId) {
  setObjectName(name);
}

TZULForm::~TZULForm() = default;

TSQLDataSet* TZULForm::DataSet() const { return m_query ? m_query->DataSet() : nullptr; }

void TZULForm::AddComponent(const QString& name, QObject* component) {
  for (auto& entry : m_components) {
    if (SameName(entry.first, name)) {
      entry.second = component;
      return;
    }
  }
  m_components.append({name, QPointer<QObject>(component)});
}

QObject* TZULForm::Component(const QString& name) const {
  for (const auto& entry : m_components) {
    if (SameName(entry.first, name)) return entry.second.data();
  }
  return nullptr;
}

QStringList TZULForm::ComponentNames() const {
  QStringList names;
  for (const auto& entry : m_components) names.append(entry.first);
  return names;
}

TZULControl* TZULForm::AddControl(TZULControlKind kind, const QString& name, TZULControl* parentControl) {
  return new TZULControl(kind, name, parentControl ? static_cast<QObject*>(parentControl) : this);
}

TZULControl* TZULForm::FindControl(const QString& name) const {
  for (QObject* child : children()) {
    if (auto* control = qobject_cast<TZULControl*>(child)) {
      if (TZULControl* found = control->FindControl(name)) return found;
    }
  }
  return nullptr;
}

QList<TZULControl*> TZULForm::Controls() const {
  QList<TZULControl*> controls;
  CollectControls(this, controls);
  return controls;
}

void TZULForm::RunButton(TZULControl* button) {
  if (!button || !button->Enabled() || button->Procedure().isEmpty()) return;
  TParametres& params = Parametres();
  // A button that works on a detail grid calls with that grid and its dataset.
  TDBGrid* grid = m_grid;
  TSQLDataSet* dataSet = DataSet();
  if (button->DataSet() && button->DataSet() != dataSet) {
    dataSet = button->DataSet();
    grid = nullptr;
    for (TZULControl* control : Controls()) {
      if (control->Kind() == TZULControlKind::Grid && control->DataSet() == dataSet) {
        grid = control->Grid();
        break;
      }
    }
  }
  params.SetObject(PRM::TQuerySQL, m_query);
  params.SetObject(PRM::DBGrid, grid);
  params.SetObject(PRM::DataSet, dataSet);
  params.SetObject(PRM::ZULForm, this);
  const QVariantList args = button->Arguments();
  for (int n = 1; n <= 6; ++n) {
    const QString name = PRM::Argument(n);
    if (n > args.size()) {
      params.DeleteParam(name);
      continue;
    }
    // Object arguments (QObject*) become object references through SetParametreValue.
    params.SetParametreValue(name, args.at(n - 1));
  }
  TProcedureZUL* procedures = m_procedures;
  if (procedures) procedures->ExecuteProcedure(button->Procedure(), button);
}

bool TZULForm::LocateRecord(const QString& fieldName, const QVariant& value) {
  TSQLDataSet* dataSet = DataSet();
  if (!dataSet || !dataSet->Active() || !dataSet->FindField(fieldName)) return false;
  return dataSet->Locate(fieldName, value);
}

QVariantMap TZULForm::PickedValues() const {
  QVariantMap values;
  TSQLDataSet* dataSet = DataSet();
  if (!dataSet || !dataSet->Active() || dataSet->IsEmpty()) return values;
  for (int i = 0; i < dataSet->FieldCount(); ++i) {
    values.insert(dataSet->Fields(i).FieldName(), dataSet->Fields(i).Value());
  }
  return values;
}

void TZULForm::Close() {
  if (m_closed) return;
  m_closed = true;
  if (m_procedures) {
    m_procedures->ExecuteProcedure(QStringLiteral("ProcedureZULFormEvent_DESTROY"), this,
                                   {QVariant::fromValue<QObject*>(this), 0, m_formObjectId});
  }
}
