#include "rules/EventArgs.h"

#include <QMetaType>

#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TField.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"

namespace EventArgs {

namespace {

bool IsIntegerType(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
      return true;
    default:
      return false;
  }
}

}  // namespace

QObject* Object(const QVariant& value) {
  if (!value.isValid()) return nullptr;
  if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
    return *static_cast<QObject* const*>(value.constData());
  }
  if (IsIntegerType(value)) return TParametres::ObjectFromHandle(value.toLongLong());
  return nullptr;
}

int Integer(const QVariant& value) {
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok ? number : 0;
}

TField* Field(const QVariant& value, TSQLDataSet* dataSet) {
  if (!value.isValid()) return nullptr;
  if (value.metaType() == QMetaType::fromType<TField*>()) return value.value<TField*>();
  if (value.typeId() == QMetaType::QString && dataSet != nullptr) {
    const QString name = value.toString();
    return name.isEmpty() ? nullptr : dataSet->FindField(name);
  }
  return nullptr;
}

TSQLDataSet* DataSetOf(QObject* object) {
  if (object == nullptr) return nullptr;
  if (auto* dataSet = qobject_cast<TSQLDataSet*>(object)) return dataSet;
  if (auto* query = qobject_cast<TQuerySQL*>(object)) return query->DataSet();
  if (auto* source = qobject_cast<TDataSource*>(object)) return source->DataSet();
  if (auto* grid = qobject_cast<TDBGrid*>(object)) return grid->DataSet();
  return nullptr;
}

QObject* ParamObject(const QString& name) {
  const QVariant value = Parametres().GetParametreValue(name);
  if (QObject* object = Object(value)) return object;
  if (value.typeId() != QMetaType::QString) return nullptr;
  const QString componentName = value.toString();
  auto* form = Parametres().GetObjectAs<TZULForm>(PRM::ZULForm);
  if (form == nullptr || componentName.isEmpty()) return nullptr;
  if (TZULControl* control = form->FindControl(componentName)) return control;
  return form->Component(componentName);
}

}  // namespace EventArgs
