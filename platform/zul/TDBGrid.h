#pragma once
// A grid over a dataset as an item model: rows fetched as the view asks for them,
// the current record followed both ways, and a multiple selection kept as
// bookmarks (record keys) so that processes can take the selected keys.

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QVariantList>

class TSQLDataSet;

class TDBGrid : public QAbstractTableModel {
  Q_OBJECT
public:
  struct Column {
    QString fieldName;
    QString caption;
    int width = 0;  // characters; 0 = automatic
  };

  explicit TDBGrid(TSQLDataSet* dataSet, QObject* parent = nullptr);

  TSQLDataSet* DataSet() const { return m_dataSet; }
  void SetColumns(const std::vector<Column>& columns);  // empty: every field
  const std::vector<Column>& Columns() const { return m_columns; }

  // Multiple selection, by bookmark.
  void SetMultiSelect(bool on) { m_multiSelect = on; }
  bool MultiSelect() const { return m_multiSelect; }
  void SelectRow(int row, bool selected = true);
  void SelectAll();
  void ClearSelection();
  bool IsSelected(int row);
  QVariantList SelectedBookmarks() const;  // in selection order
  int SelectedCount() const { return static_cast<int>(m_selected.size()); }

  // The current record as a row (0-based), and moving it.
  int CurrentRow() const;
  void SetCurrentRow(int row);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

signals:
  void currentRowChanged(int row);

private:
  int FieldIndex(int column) const;
  void Reset();

  QPointer<TSQLDataSet> m_dataSet;
  std::vector<Column> m_columns;
  bool m_multiSelect = true;
  QVariantList m_selected;
  int m_fetched = 0;
};
