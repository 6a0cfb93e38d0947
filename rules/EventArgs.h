#pragma once
// Reading the arguments the framework hands to registered procedures: objects
// arrive as QObject* in the variants (or as the integer handles of the parameter
// list), identifiers as integers, the changed field as a TField* or nothing.

#include <QObject>
#include <QString>
#include <QVariant>

class TField;
class TSQLDataSet;
class TZULForm;

namespace EventArgs {

// The object a variant carries; nullptr for nothing, null or anything else.
QObject* Object(const QVariant& value);
// The integer a variant carries; 0 when it is not a number.
int Integer(const QVariant& value);
// The changed field of a data-change event: a TField*, or a field name looked up in
// the data set; nullptr for a whole-record change.
TField* Field(const QVariant& value, TSQLDataSet* dataSet);

// The dataset an object stands for: a dataset itself, or the dataset of a query,
// data source or grid; nullptr otherwise.
TSQLDataSet* DataSetOf(QObject* object);

// A framework parameter read as an object reference. Arguments configured as a
// name ("PRME01" holding "ZULdbeNombre") are looked up on the calling form, as a
// control first and then as a component.
QObject* ParamObject(const QString& name);

}  // namespace EventArgs
