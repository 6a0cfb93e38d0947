#include "platform/zul/TField.h"

#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TSQLDataSet.h"

TField::TField(TSQLDataSet* dataSet, int index, QString name, TFieldType type, int size)
    : m_dataSet(dataSet), m_index(index), m_name(std::move(name)), m_type(type), m_size(size) {}

QVariant TField::Value() const { return m_dataSet->RawValue(m_index); }

void TField::SetValue(const QVariant& value) { m_dataSet->SetRawValue(m_index, value); }

bool TField::IsNull() const { return Var::IsNullOrEmpty(Value()); }

QString TField::AsString() const { return Var::ToString(Value()); }
int TField::AsInteger() const { return Var::ToInt(Value()); }
qint64 TField::AsLargeInt() const { return Var::ToInt64(Value()); }
double TField::AsFloat() const { return Var::ToDouble(Value()); }
Currency TField::AsCurrency() const { return Var::ToCurrency(Value()); }
TDateTime TField::AsDateTime() const { return Var::ToDateTime(Value()); }
bool TField::AsBoolean() const { return Var::ToBool(Value()); }
