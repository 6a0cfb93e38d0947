#pragma once
// A field of a dataset: name, type and the value of the current record.

#include <QString>
#include <QVariant>

#include "platform/core/Currency.h"
#include "platform/core/DayDate.h"
#include "platform/zul/FieldType.h"

class TSQLDataSet;

class TField {
public:
  TField(TSQLDataSet* dataSet, int index, QString name, TFieldType type, int size);

  const QString& FieldName() const { return m_name; }
  TFieldType DataType() const { return m_type; }
  int Size() const { return m_size; }
  int Index() const { return m_index; }
  // The table the column comes from ("" for expressions).
  const QString& Origin() const { return m_origin; }
  void SetOrigin(const QString& table) { m_origin = table; }
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

  // Value of the current record: null variant when null; QDateTime for date fields,
  // Currency for currency fields, bool for booleans, int/qint64, double, QString.
  QVariant Value() const;
  void SetValue(const QVariant& value);  // only while the dataset is being edited
  bool IsNull() const;

  QString AsString() const;
  int AsInteger() const;
  qint64 AsLargeInt() const;
  double AsFloat() const;
  Currency AsCurrency() const;
  TDateTime AsDateTime() const;
  bool AsBoolean() const;

private:
  TSQLDataSet* m_dataSet;
  int m_index;
  QString m_name;
  TFieldType m_type;
  int m_size;
  QString m_origin;
  bool m_readOnly = false;
};

Q_DECLARE_METATYPE(TField*)
