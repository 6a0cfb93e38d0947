#include "platform/zul/windows/TZULDBGridView.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/zul/TDBGrid.h"
#include "platform/zul/TZULDisplayFormats.h"
#include "platform/zul/windows/GuardedAction.h"

namespace {

const char* const kInitialText = "lumaInitialText";

// A styler's 0xRRGGBB colour.
QColor Opaque(int rgb) { return QColor::fromRgb(0xFF000000u | (static_cast<QRgb>(rgb) & 0xFFFFFFu)); }

bool IsEnter(const QKeyEvent* key) {
  return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
         (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

// Cells are shown by the model in the formats of the record's controls (amounts
// through the currency mask), styled as the rules' styler says. A cell is edited as text in the format the
// record's controls use ("1234,5", "dd/mm/aaaa"); the model reads it back for the field's type.
class TZULDBGridView::CellDelegate : public QStyledItemDelegate {
public:
  explicit CellDelegate(TZULDBGridView* view) : QStyledItemDelegate(view), m_view(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* line = static_cast<QLineEdit*>(editor);
    const TField* field = m_view->m_grid ? m_view->m_grid->ColumnField(index.column()) : nullptr;
    const QString text =
        field ? TZULDisplayFormats::EditText(index.data(Qt::EditRole), field->DataType()) : QString();
    line->setText(text);
    line->setProperty(kInitialText, text);
  }

  // Check boxes in the middle of their cell, as the model aligns them: the cell's
  // panel is painted whole, the item itself in a rect whose check lands centred.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const int shift = CheckShift(option, index);
    if (shift <= 0) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem whole(option);
    initStyleOption(&whole, index);
    const QStyle* style = whole.widget ? whole.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &whole, painter, whole.widget);
    QStyleOptionViewItem moved(option);
    moved.rect.setLeft(moved.rect.left() + shift);
    QStyledItemDelegate::paint(painter, moved, index);
  }

  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
    QStyleOptionViewItem moved(option);
    moved.rect.setLeft(moved.rect.left() + std::max(0, CheckShift(option, index)));
    return QStyledItemDelegate::editorEvent(event, model, moved, index);
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    const auto* line = static_cast<QLineEdit*>(editor);
    // A cell left as it was does not put the record in edit.
    if (line->text() == line->property(kInitialText).toString()) return;
    model->setData(index, line->text(), Qt::EditRole);
  }

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = TZULDBGridView::CellText(index);
    if (m_view->m_grid) ApplyCellStyle(option, index);
  }

  // What the rules' styler set, and only that: on a highlighted cell its colours
  // take the place of the selection's.
  void ApplyCellStyle(QStyleOptionViewItem* option, const QModelIndex& index) const {
    const bool highlighted = (option->state & QStyle::State_Selected) || index == m_view->currentIndex();
    const TCellStyle style = m_view->m_grid->CellStyle(index.row(), index.column(), highlighted);
    const bool selected = option->state & QStyle::State_Selected;
    if (style.background >= 0) {
      const QColor colour = Opaque(style.background);
      option->backgroundBrush = colour;
      if (selected) option->palette.setColor(QPalette::Highlight, colour);
    }
    if (style.foreground >= 0) {
      const QColor colour = Opaque(style.foreground);
      option->palette.setColor(selected ? QPalette::HighlightedText : QPalette::Text, colour);
    }
    if (style.bold || style.italic) {
      if (style.bold) option->font.setBold(true);
      if (style.italic) option->font.setItalic(true);
      option->fontMetrics = QFontMetrics(option->font);
    }
  }

  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor || event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsEnter(key)) {
      const QModelIndex index = m_view->currentIndex();
      m_view->m_editFailed = false;
      emit commitData(editor);
      const bool stored = !m_view->m_editFailed;
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      if (stored) m_view->Advance(index);
      return true;
    }
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
      emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
      m_view->CancelRecord();
      return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

private:
  // How far right a centred check box's cell is drawn (0: not one).
  int CheckShift(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!index.data(Qt::CheckStateRole).isValid() ||
        !(index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter)) {
      return 0;
    }
    QStyleOptionViewItem probe(option);
    initStyleOption(&probe, index);
    const QStyle* style = probe.widget ? probe.widget->style() : QApplication::style();
    const QRect check = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &probe, probe.widget);
    return option.rect.left() + (option.rect.width() - check.width()) / 2 - check.left();
  }

  TZULDBGridView* m_view;
};

TZULDBGridView::TZULDBGridView(TDBGrid* grid, QWidget* parent) : QTableView(parent), m_grid(grid) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  // The model's flags say which cells are editable (none in a read-only grid).
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setAlternatingRowColors(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSortIndicatorShown(true);
  horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  if (!grid) return;
  setSelectionMode(grid->MultiSelect() ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
  setModel(grid);
  setItemDelegate(new CellDelegate(this));
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TZULDBGridView::OnHeaderClicked);
  connect(grid, &TDBGrid::sortChanged, this, &TZULDBGridView::SyncSortIndicator);
  connect(grid, &TDBGrid::editFailed, this, &TZULDBGridView::OnEditFailed);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { OnCurrentChanged(current); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TZULDBGridView::OnSelectionChanged);
  connect(grid, &TDBGrid::currentRowChanged, this, [this] { SyncCurrent(); });
  connect(grid, &QAbstractItemModel::modelReset, this, [this] {
    ApplyColumnWidths();
    ReapplySelection(0, model()->rowCount() - 1);
    SyncCurrent();
    SyncSortIndicator();
  });
  // Rows read later may be among the selected ones.
  connect(grid, &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex&, int first, int last) { ReapplySelection(first, last); });
  ApplyColumnWidths();
  SyncCurrent();
}

QString TZULDBGridView::CellText(const QModelIndex& index) { return index.data(Qt::DisplayRole).toString(); }

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

void TZULDBGridView::OnHeaderClicked(int section) {
  // Memo and binary columns have no order: the click does nothing.
  if (m_grid && m_grid->Sortable(section)) {
    if (!m_beforeMove || m_beforeMove()) GuardedAction([&] { m_grid->ToggleSort(section); });
  }
  SyncSortIndicator();
}

void TZULDBGridView::SyncSortIndicator() {
  if (!m_grid) return;
  horizontalHeader()->setSortIndicator(m_grid->SortColumn(), m_grid->SortOrder());
}

void TZULDBGridView::OnEditFailed() {
  m_editFailed = true;
  // Shown once the editor is gone: a dialog over an open editor would make it
  // commit again as it loses the focus.
  const std::exception_ptr error = m_grid ? m_grid->TakeEditError() : nullptr;
  if (!error) return;
  QMetaObject::invokeMethod(
      this, [error] { GuardedAction([error] { std::rethrow_exception(error); }); }, Qt::QueuedConnection);
}

void TZULDBGridView::Advance(const QModelIndex& index) {
  if (!m_grid || !index.isValid()) return;
  for (int column = index.column() + 1; column < model()->columnCount(); ++column) {
    if (isColumnHidden(column) || !m_grid->CellEditable(column)) continue;
    const QModelIndex next = model()->index(index.row(), column);
    setCurrentIndex(next);
    if (model()->flags(next) & Qt::ItemIsEditable) edit(next);
    return;
  }
  TSQLDataSet* dataSet = m_grid->DataSet();
  if (dataSet && dataSet->State() == TDataSetState::dsEdit) GuardedAction([dataSet] { dataSet->Post(); });
}

void TZULDBGridView::CancelRecord() {
  TSQLDataSet* dataSet = m_grid ? m_grid->DataSet() : nullptr;
  if (dataSet && dataSet->Modifying()) GuardedAction([dataSet] { dataSet->Cancel(); });
}

void TZULDBGridView::keyPressEvent(QKeyEvent* event) {
  TSQLDataSet* dataSet = m_grid ? m_grid->DataSet() : nullptr;
  if (dataSet && dataSet->Active() && state() != EditingState) {
    if (IsEnter(event) && dataSet->State() == TDataSetState::dsEdit && currentIndex().isValid()) {
      Advance(currentIndex());
      return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && dataSet->Modifying()) {
      CancelRecord();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}
