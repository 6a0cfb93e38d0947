#pragma once
// A grid over a dataset as an item model: rows fetched as the view asks for them,
// the current record followed both ways, and a multiple selection kept as
// bookmarks (record keys) so that processes can take the selected keys. Sorting
// by a column re-reads the rows through the dataset's query; the cells of an
// editable grid are edited through the dataset's fields (Edit, the field setter,
// Post when the person leaves the row), so the rules see them as from a control.
// Cells are shown and read back in the formats of the record's controls
// (TZULDisplayFormats); a styler set by the rules may colour them.

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QVariantList>
#include <exception>
#include <functional>
#include <optional>

class TSQLDataSet;
class TField;
class TZULControl;
class TDBGrid;

// How a cell of a list grid is painted, as a styler decides it. Colours are
// 0xRRGGBB; -1 leaves the view's own.
struct TCellStyle {
  int background = -1;
  int foreground = -1;
  bool bold = false;
  bool italic = false;
};
// Sets what it wants of the style of a cell; highlighted: the cell is selected or
// current (the styler decides whether to paint those too).
using TCellStyler =
    std::function<void(const TDBGrid& grid, int row, int column, bool highlighted, TCellStyle& style)>;

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
  // The field a column shows; nullptr when none (closed dataset, unknown name).
  TField* ColumnField(int column) const;

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

  // Sorting by a column's field: ToggleSort orders ascending, descending when the
  // column is already the ascending one, and gives the query's own order back when
  // it is the descending one. Raises EDatabaseError (a record being
  // edited, a field that cannot be ordered). The selection stays (it is by key;
  // without a key it is dropped, since positions change).
  bool Sortable(int column) const;  // not memo or binary fields
  void SortBy(int column, Qt::SortOrder order);
  void ToggleSort(int column);
  void ClearSort();        // back to the query's own order
  int SortColumn() const;  // -1 when unsorted
  Qt::SortOrder SortOrder() const;

  // Editing in place. A grid is read-only unless told otherwise, except the grid of
  // a form's detail grid control, which follows the control's read-only flag.
  void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
  bool ReadOnly() const;
  bool CellEditable(int column) const;  // the grid and the field are writable
  // Sets a cell as the person typed it: moves to the row (posting the record left),
  // puts the record in edit and sets the field. A text is read in the Spanish format
  // of the field's type ("dd/mm/aaaa", "1.234,56"); bad text raises EConvertError
  // with nothing changed. Rule errors propagate with the value kept as typed.
  void SetCell(int row, int column, const QVariant& value);
  // The error of the last failed setData (editFailed tells of it), taken once.
  std::exception_ptr TakeEditError();

  // Cell painting, installed by the rules when the form is made: the view asks
  // CellStyle for every cell it paints. Setting a styler repaints the grid; an
  // empty one restores the default look. A styler that raises leaves the cell
  // in the default look (it runs while the view paints).
  void SetCellStyler(TCellStyler styler);
  TCellStyle CellStyle(int row, int column, bool highlighted) const;
  // For stylers: the value of a field in a row (null when the field or the row
  // does not exist), whether the column is shown or not.
  QVariant RowValue(int row, const QString& fieldName) const;
  bool HasField(const QString& fieldName) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

signals:
  void currentRowChanged(int row);
  void editFailed();  // setData raised: TakeEditError gives the error
  void sortChanged();

private:
  void ApplySort(const QString& fieldName, bool descending);
  int FieldIndex(int column) const;
  void Reset();
  const TZULControl* DetailControl() const;

  QPointer<TSQLDataSet> m_dataSet;
  std::vector<Column> m_columns;
  bool m_multiSelect = true;
  QVariantList m_selected;
  int m_fetched = 0;
  std::optional<bool> m_readOnly;
  mutable QPointer<TZULControl> m_control;  // found once
  std::exception_ptr m_editError;
  TCellStyler m_styler;
};
