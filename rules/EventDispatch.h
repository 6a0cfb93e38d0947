#pragma once
// The bodies of the registered event procedures: they read the arguments in the
// framework's conventions and call the row of EventRules for the identifier.
//   dataset events: two ignored values, identifier, dataset;
//   data change:    two ignored values, identifier, data source, field or nothing;
//   form events:    form, an integer, identifier.
// Whatever a rule raises goes through to the framework, which cancels the operation.

#include <QVariantList>

#include "rules/EventRules.h"

namespace EventDispatch {

void DataSetEvent(TDataSetEvent event, const QVariantList& args);
void DataChange(const QVariantList& args);
void FormEvent(TFormEvent event, const QVariantList& args);

}  // namespace EventDispatch
