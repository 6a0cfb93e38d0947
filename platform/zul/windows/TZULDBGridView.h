#pragma once
// A list grid drawn over a TDBGrid: rows come as the view scrolls (the model reads
// them in batches), the current row and the dataset's current record follow each
// other, the rows the person selects are kept by the model as bookmarks, and typing
// in the grid moves to the first row whose first column begins with the typed text.
// A click on a column header orders the rows by it (again: descending). The cells
// of an editable grid are edited in place: Enter goes to the next cell and, at the
// row's end, saves the record; leaving the row saves it; Escape cancels it.

#include <QElapsedTimer>
#include <QPointer>
#include <QTableView>
#include <functional>

#include "platform/zul/TDBGrid.h"
#include "platform/zul/TSQLDataSet.h"  // TDBGrid.h needs it whole

class TZULDBGridView : public QTableView {
  Q_OBJECT
public:
  explicit TZULDBGridView(TDBGrid* grid, QWidget* parent = nullptr);

  TDBGrid* Grid() const { return m_grid; }
  // Runs before the grid moves the dataset (the form writes what was typed);
  // false keeps the record where it is.
  void SetBeforeMove(std::function<bool()> beforeMove) { m_beforeMove = std::move(beforeMove); }

  void keyboardSearch(const QString& search) override;
  // The text a cell shows (amounts through the currency mask).
  static QString CellText(const QModelIndex& index);

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  class CellDelegate;

  void OnHeaderClicked(int section);
  void SyncSortIndicator();
  void OnEditFailed();
  // After Enter on a cell: the next editable cell of the row, or the record saved.
  void Advance(const QModelIndex& index);
  void CancelRecord();
  void OnCurrentChanged(const QModelIndex& current);
  void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void SyncCurrent();
  void ReapplySelection(int first, int last);  // rows the model holds as selected
  void ApplyColumnWidths();
  bool MoveTo(int row);

  QPointer<TDBGrid> m_grid;
  std::function<bool()> m_beforeMove;
  bool m_syncing = false;
  bool m_editFailed = false;  // the last cell stored was refused
  QString m_search;
  QElapsedTimer m_searchTimer;
};
