#include "platform/zul/windows/TZULDBGridView.h"

#include <QApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include "platform/zul/TDBGrid.h"
#include "platform/zul/windows/GuardedAction.h"
#include "platform/zul/windows/TZULDisplayFormats.h"

namespace {

// Amounts in the grid as in the record's controls: through the currency mask.
class CurrencyDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = TZULDBGridView::CellText(index);
  }
};

}  // namespace

TZULDBGridView::TZULDBGridView(TDBGrid* grid, QWidget* parent) : QTableView(parent), m_grid(grid) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAlternatingRowColors(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  if (!grid) return;
  setSelectionMode(grid->MultiSelect() ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
  setModel(grid);
  setItemDelegate(new CurrencyDelegate(this));
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { OnCurrentChanged(current); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TZULDBGridView::OnSelectionChanged);
  connect(grid, &TDBGrid::currentRowChanged, this, [this] { SyncCurrent(); });
  connect(grid, &QAbstractItemModel::modelReset, this, [this] {
    ApplyColumnWidths();
    ReapplySelection(0, model()->rowCount() - 1);
    SyncCurrent();
  });
  // Rows read later may be among the selected ones.
  connect(grid, &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex&, int first, int last) { ReapplySelection(first, last); });
  ApplyColumnWidths();
  SyncCurrent();
}

QString TZULDBGridView::CellText(const QModelIndex& index) {
  const QVariant value = index.data(Qt::EditRole);
  if (value.metaType() == QMetaType::fromType<Currency>()) {
    return TZULDisplayFormats::FormatCurrency(value.value<Currency>());
  }
  return index.data(Qt::DisplayRole).toString();
}

void TZULDBGridView::ApplyColumnWidths() {
  if (!m_grid) return;
  const auto& columns = m_grid->Columns();
  const int charWidth = fontMetrics().averageCharWidth();
  for (int c = 0; c < static_cast<int>(columns.size()) && c < model()->columnCount(); ++c) {
    if (columns[c].width > 0) setColumnWidth(c, columns[c].width * charWidth + 8);
  }
}

void TZULDBGridView::SyncCurrent() {
  if (!m_grid || !selectionModel()) return;
  const QScopedValueRollback<bool> syncing(m_syncing, true);
  const int row = m_grid->CurrentRow();
  if (row < 0 || row >= model()->rowCount()) {
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    return;
  }
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  const QModelIndex index = model()->index(row, column);
  // A multiple selection is the person's: moving the record leaves it alone.
  const auto flags = m_grid->MultiSelect() ? QItemSelectionModel::NoUpdate
                                           : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  selectionModel()->setCurrentIndex(index, flags);
  scrollTo(index);
}

bool TZULDBGridView::MoveTo(int row) {
  if (!m_grid || row == m_grid->CurrentRow()) return true;
  bool moved = (!m_beforeMove || m_beforeMove()) && GuardedAction([&] { m_grid->SetCurrentRow(row); });
  moved = moved && m_grid && m_grid->CurrentRow() == row;
  if (!moved) SyncCurrent();
  return moved;
}

void TZULDBGridView::OnCurrentChanged(const QModelIndex& current) {
  if (m_syncing || !current.isValid()) return;
  MoveTo(current.row());
}

void TZULDBGridView::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  if (m_syncing || !m_grid) return;
  for (const QItemSelectionRange& range : deselected) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      if (!selectionModel()->isRowSelected(row, QModelIndex())) m_grid->SelectRow(row, false);
    }
  }
  for (const QItemSelectionRange& range : selected) {
    for (int row = range.top(); row <= range.bottom(); ++row) m_grid->SelectRow(row, true);
  }
}

void TZULDBGridView::ReapplySelection(int first, int last) {
  if (!m_grid || !selectionModel() || m_grid->SelectedCount() == 0) return;
  const QScopedValueRollback<bool> syncing(m_syncing, true);
  QItemSelection selection;
  for (int row = first; row <= last; ++row) {
    if (m_grid->IsSelected(row)) selection.select(model()->index(row, 0), model()->index(row, 0));
  }
  selectionModel()->select(selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TZULDBGridView::keyboardSearch(const QString& search) {
  if (!m_grid || search.isEmpty()) {
    m_search.clear();
    return;
  }
  const bool goingOn =
      m_searchTimer.isValid() && m_searchTimer.elapsed() < QApplication::keyboardInputInterval();
  m_search = goingOn ? m_search + search : search;
  m_searchTimer.start();
  // The first row, from the top, whose first column begins with the typed text;
  // the rows not read yet are read as the search goes on.
  for (int row = 0;; ++row) {
    if (row >= model()->rowCount()) {
      if (!model()->canFetchMore(QModelIndex())) return;
      model()->fetchMore(QModelIndex());
      if (row >= model()->rowCount()) return;
    }
    const QString text = model()->index(row, 0).data(Qt::DisplayRole).toString();
    if (text.startsWith(m_search, Qt::CaseInsensitive)) {
      if (MoveTo(row) && !m_grid->MultiSelect()) SyncCurrent();
      return;
    }
  }
}
