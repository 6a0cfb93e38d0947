#pragma once
// A record set over a Jet query: open, walk, read fields by name, close. It holds
// the rows of the result in memory once opened. Editing (states, post, events)
// grows on top of this class.

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "platform/zul/TField.h"

class TDataBaseZUL;

class TSQLDataSet : public QObject {
  Q_OBJECT
public:
  TSQLDataSet(TDataBaseZUL* database, QString jetSql, QObject* owner = nullptr, int flag = 1);
  ~TSQLDataSet() override;

  TDataBaseZUL* Database() const { return m_database; }
  QObject* Owner() const { return m_owner; }
  int Flag() const { return m_flag; }
  const QString& SQL() const { return m_sql; }
  void SetSQL(const QString& jetSql);  // closes the dataset

  void Open();  // raises EDatabaseError with a Spanish message on failure
  void Close();
  bool Active() const { return m_active; }
  void Refresh();  // re-runs the query, staying on the same record number when possible

  void First();
  void Next();
  void Prior();
  void Last();
  bool Eof() const;
  bool Bof() const;
  bool IsEmpty() const { return m_rows.empty(); }
  int RecordCount() const { return static_cast<int>(m_rows.size()); }
  int RecNo() const;  // 1-based; 0 when empty
  void SetRecNo(int recNo);
  // Moves to the first record whose field equals the value (texts without regard
  // to case); true when found, the position unchanged otherwise.
  bool Locate(const QString& fieldName, const QVariant& value);

  int FieldCount() const { return static_cast<int>(m_fields.size()); }
  TField& Fields(int index);
  TField& FieldByName(const QString& name);  // raises EDatabaseError when absent
  TField* FindField(const QString& name);
  QStringList FieldNames() const;

  // Internal: value access for TField.
  QVariant RawValue(int fieldIndex) const;
  void SetRawValue(int fieldIndex, const QVariant& value);

private:
  void RequireActive() const;

  TDataBaseZUL* m_database;
  QString m_sql;
  QObject* m_owner;
  int m_flag;
  bool m_active = false;
  std::vector<std::unique_ptr<TField>> m_fields;
  std::vector<std::vector<QVariant>> m_rows;
  int m_current = 0;  // index into m_rows
  bool m_eof = true;
  bool m_bof = true;
};
