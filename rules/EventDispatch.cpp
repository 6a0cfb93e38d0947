#include "rules/EventDispatch.h"

#include "platform/zul/TDataSource.h"
#include "platform/zul/TZULForm.h"
#include "rules/EventArgs.h"

namespace EventDispatch {

// Rules are copied before they run: a rule may add or remove rows while it runs.

void DataSetEvent(TDataSetEvent event, const QVariantList& args) {
  const int id = EventArgs::Integer(args.value(2));
  TSQLDataSet* dataSet = EventArgs::DataSetOf(EventArgs::Object(args.value(3)));

  if (event == TDataSetEvent::BeforePost) {
    EventRules::SetLastBeforePostState(dataSet != nullptr ? dataSet->State() : TDataSetState::dsInactive);
  }
  if (event == TDataSetEvent::BeforeInsert) {
    if (const TNewRecordCheck check = EventRules::NewRecordCheck()) check(dataSet, id);
  }
  if (dataSet == nullptr) return;
  if (const TDataSetRule* row = EventRules::Find(event, id)) {
    const TDataSetRule rule = *row;
    rule(*dataSet, id);
  }
}

void DataChange(const QVariantList& args) {
  const int id = EventArgs::Integer(args.value(2));
  auto* source = qobject_cast<TDataSource*>(EventArgs::Object(args.value(3)));
  if (source == nullptr) return;
  TField* field = EventArgs::Field(args.value(4), source->DataSet());
  if (const TDataChangeRule* row = EventRules::FindDataChange(id)) {
    const TDataChangeRule rule = *row;
    rule(*source, field, id);
  }
}

void FormEvent(TFormEvent event, const QVariantList& args) {
  auto* form = qobject_cast<TZULForm*>(EventArgs::Object(args.value(0)));
  const int value = EventArgs::Integer(args.value(1));
  const int id = EventArgs::Integer(args.value(2));
  if (form == nullptr) return;
  if (event == TFormEvent::Create && value > 0 && id > 0) {
    if (const TFormRule setup = EventRules::GridSetup()) setup(*form, value, id);
  }
  if (const TFormRule* row = EventRules::Find(event, id)) {
    const TFormRule rule = *row;
    rule(*form, value, id);
  }
}

}  // namespace EventDispatch
