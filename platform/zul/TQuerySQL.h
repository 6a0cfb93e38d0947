#pragma once
// A form's query object: its dataset over the form's SQL, its data source, and
// RefrescaSQL, which re-runs the query and comes back to the same record.

#include <QObject>
#include <memory>

class TDataBaseZUL;
class TProcedureZUL;
class TSQLDataSet;
class TDataSource;

class TQuerySQL : public QObject {
  Q_OBJECT
public:
  TQuerySQL(TDataBaseZUL* database, const QString& jetSql, int dataObjectId, TProcedureZUL* procedures,
            QObject* parent = nullptr);
  ~TQuerySQL() override;

  TSQLDataSet* DataSet() const { return m_dataSet; }
  TDataSource* DataSource() const { return m_dataSource; }
  int DataObjectId() const;

  void Open();
  // Re-runs the query; the current record stays current when it still exists.
  void RefrescaSQL();

private:
  TSQLDataSet* m_dataSet;     // owned through the QObject tree
  TDataSource* m_dataSource;  // likewise
};
