#pragma once
// A data source joins a dataset to the controls that show it, and raises the
// data-change event ("ProcedureZULDataChangeEvent_DATACHANGE") with the data-object
// identifier, itself and the changed field (or null when the record changed).

#include <QObject>
#include <QPointer>

class TSQLDataSet;
class TField;

class TDataSource : public QObject {
  Q_OBJECT
public:
  explicit TDataSource(TSQLDataSet* dataSet = nullptr, QObject* parent = nullptr);
  void SetDataSet(TSQLDataSet* dataSet);
  TSQLDataSet* DataSet() const { return m_dataSet; }

signals:
  void dataChanged(TField* field);

private:
  void OnDataChanged(TField* field);
  QPointer<TSQLDataSet> m_dataSet;
  QMetaObject::Connection m_connection;
};
