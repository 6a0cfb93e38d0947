#pragma once
// A record set over a Jet query: open, walk, read fields by name, close; edit,
// append, post, cancel and delete through generated SQL; the dataset events raised
// through the registered procedures with the data-object identifier.

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "platform/zul/FieldType.h"
#include "platform/zul/TField.h"

class TDataBaseZUL;
class TProcedureZUL;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey };

// The dataset events, raised as "ProcedureZULDataEvent_" + name.
enum class TDataSetEvent {
  BeforeOpen,
  AfterOpen,
  BeforeEdit,
  AfterEdit,
  BeforePost,
  AfterPost,
  BeforeDelete,
  AfterDelete,
  BeforeInsert,
  AfterInsert,
  StateChange,
};
QString DataSetEventProcedure(TDataSetEvent event);

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

  // Events go to these procedures under the data-object identifier (none when null).
  void SetProcedures(TProcedureZUL* procedures) { m_procedures = procedures; }
  TProcedureZUL* Procedures() const { return m_procedures; }
  void SetDataObjectId(int id) { m_dataObjectId = id; }
  int DataObjectId() const { return m_dataObjectId; }

  // The table that posting writes and its key; found from the query when not set.
  void SetUpdateTable(const QString& table, const QString& keyField = QString());
  QString UpdateTable() const;
  QString KeyField() const;

  void Open();  // raises EDatabaseError with a Spanish message on failure
  void Close();
  bool Active() const { return m_state != TDataSetState::dsInactive; }
  void Refresh();  // re-runs the query, staying on the same record (by key, else number)

  // The order a person chose for the rows: the query's own ORDER BY gives way to
  // this field (named as a quoted identifier, never pasted as text); an empty name
  // goes back to the query's order. Re-reads the rows lazily when open; refused
  // while a record is being edited. The current record stays current when it is
  // among the first `keepWithin` rows of the new order, else the first one is.
  // The order outlives SetSQL (a detail re-read for another master) as long as the
  // new query has the field; otherwise it is dropped.
  void Sort(const QString& fieldName, bool descending, int keepWithin = 256);
  const QString& SortField() const { return m_sortField; }
  bool SortDescending() const { return m_sortDescending; }

  TDataSetState State() const { return m_state; }
  // Edit, insert or set-key.
  bool Modifying() const;

  // Editing. A rule raising in a BEFORE event cancels the operation: the dataset
  // stays as it was (for a post: still in edit or insert, nothing written).
  void Edit();
  void Append();
  void Insert();  // like Append (the new record goes at the end of the set)
  void Post();
  void Cancel();
  void Delete();
  void SetKey();  // enters the set-key state (search values); Cancel leaves it

  // While disabled, data-change and scroll notifications are held back.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return m_disableCount > 0; }

  void First();
  void Next();
  void Prior();
  void Last();
  bool Eof() const;
  bool Bof() const;
  bool IsEmpty() const;
  int RecordCount();  // all rows (fetches the rest of the result)
  int RecNo() const;  // 1-based; 0 when empty
  void SetRecNo(int recNo);
  // Moves to the first record whose field equals the value (texts without regard
  // to case); true when found, the position unchanged otherwise.
  bool Locate(const QString& fieldName, const QVariant& value);
  // The key value of the current record, usable to come back to it.
  QVariant Bookmark() const;
  bool GotoBookmark(const QVariant& bookmark);
  // The bookmark of a row of the result (0-based); null past the end.
  QVariant RowBookmark(int row);
  // Rows read so far, and whether the result has more.
  int RecordCountFetched() const;
  bool MoreRows() const;
  bool FetchTo(int row);  // makes rows [0, row] available; false when the result is shorter

  int FieldCount() const { return static_cast<int>(m_fields.size()); }
  TField& Fields(int index);
  TField& FieldByName(const QString& name);  // raises EDatabaseError when absent
  TField* FindField(const QString& name);
  QStringList FieldNames() const;

  // Internal: value access for TField and grids.
  QVariant RawValue(int fieldIndex) const;
  void SetRawValue(int fieldIndex, const QVariant& value);
  QVariant RowValue(int row, int fieldIndex);  // 0-based row of the result

signals:
  void stateChanged();
  // A field's value changed (field set) or the current record changed (nullptr).
  void dataChanged(TField* field);
  void rowsChanged();  // rows added, removed or re-read

private:
  // Runs the query again with the notifications held; gives the count to put back
  // before the caller's one NotifyRecord.
  int ReopenQuietly();
  void RequireActive() const;
  void Raise(TDataSetEvent event);
  void SetState(TDataSetState state);
  void NotifyRecord();
  void FetchAll();
  void WriteRecord();
  void UndoStoredRow();
  void RollbackQuietly(int token);
  void LeaveModifying();
  void RequireWritable() const;
  std::vector<QVariant> NewRecord();
  std::unique_ptr<class TPreparedStatement> PrepareQuery();

  TDataBaseZUL* m_database;
  QString m_sql;
  QObject* m_owner;
  int m_flag;
  TProcedureZUL* m_procedures = nullptr;
  int m_dataObjectId = 0;
  QString m_updateTable;
  QString m_keyField;
  TDataSetState m_state = TDataSetState::dsInactive;
  std::vector<std::unique_ptr<TField>> m_fields;
  std::vector<std::vector<QVariant>> m_rows;
  std::vector<TFieldType> m_types;
  std::vector<QVariant> m_buffer;  // the record being edited or inserted
  std::vector<bool> m_modified;
  // The row a post changed, to undo it when the post fails after writing.
  int m_pendingRow = -1;
  bool m_pendingInsert = false;
  std::vector<QVariant> m_pendingOld;
  std::unique_ptr<class TDataSetFetcher> m_fetcher;  // the rows not read yet
  int m_current = 0;                                 // index into m_rows
  bool m_eof = true;
  bool m_bof = true;
  int m_disableCount = 0;
  QString m_sortField;
  bool m_sortDescending = false;
};
