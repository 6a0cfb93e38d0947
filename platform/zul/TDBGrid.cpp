#include "platform/zul/TDBGrid.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULDisplayFormats.h"
#include "platform/zul/TZULForm.h"

namespace {
constexpr int kFetchBatch = 256;

bool SameBookmark(const QVariant& a, const QVariant& b) { return a == b || (a.toString() == b.toString()); }

bool IsBinaryOrMemo(TFieldType type) { return type == TFieldType::ftMemo || type == TFieldType::ftBlob; }

}  // namespace

TDBGrid::TDBGrid(TSQLDataSet* dataSet, QObject* parent) : QAbstractTableModel(parent), m_dataSet(dataSet) {
  if (dataSet) {
    connect(dataSet, &TSQLDataSet::rowsChanged, this, &TDBGrid::Reset);
    connect(dataSet, &TSQLDataSet::dataChanged, this, [this](TField* field) {
      if (!m_dataSet) return;
      const int row = CurrentRow();
      if (field == nullptr) {
        // The set may have grown (a posted record) or the current record moved.
        if (m_dataSet->RecordCountFetched() != m_fetched) Reset();
        emit currentRowChanged(row);
        // The record's values may be other now (posted, cancelled).
        if (row >= 0 && row < m_fetched) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
      } else if (row >= 0) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
      }
    });
  }
  Reset();
}

void TDBGrid::SetColumns(const std::vector<Column>& columns) {
  beginResetModel();
  m_columns = columns;
  endResetModel();
}

void TDBGrid::Reset() {
  beginResetModel();
  m_fetched = m_dataSet && m_dataSet->Active() ? m_dataSet->RecordCountFetched() : 0;
  endResetModel();
}

int TDBGrid::FieldIndex(int column) const {
  if (!m_dataSet || !m_dataSet->Active()) return -1;
  if (m_columns.empty()) return column < m_dataSet->FieldCount() ? column : -1;
  if (column < 0 || column >= static_cast<int>(m_columns.size())) return -1;
  TField* field = m_dataSet->FindField(m_columns[column].fieldName);
  return field ? field->Index() : -1;
}

TField* TDBGrid::ColumnField(int column) const {
  const int field = FieldIndex(column);
  return field >= 0 ? &m_dataSet->Fields(field) : nullptr;
}

int TDBGrid::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_fetched; }

int TDBGrid::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !m_dataSet || !m_dataSet->Active()) return 0;
  return m_columns.empty() ? m_dataSet->FieldCount() : static_cast<int>(m_columns.size());
}

QVariant TDBGrid::data(const QModelIndex& index, int role) const {
  const int field = FieldIndex(index.column());
  if (!index.isValid() || field < 0 || index.row() >= m_fetched) return QVariant();
  const QVariant value = m_dataSet->RowValue(index.row(), field);
  const TFieldType type = m_dataSet->Fields(field).DataType();
  switch (role) {
    case Qt::DisplayRole:
      // Booleans are shown by their check box.
      if (type == TFieldType::ftBoolean) return QString();
      // Nothing may leave the model into the view's painting: a stored value that
      // is not of the column's type (text in a date column) is shown as it is.
      try {
        return TZULDisplayFormats::DisplayText(value, type);
      } catch (const Exception&) {
        return Var::ToString(value);
      }
    case Qt::TextAlignmentRole:
      if (type == TFieldType::ftBoolean) return QVariant(Qt::AlignCenter);
      if (TZULDisplayFormats::IsNumber(type) || TZULDisplayFormats::IsDate(type))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::EditRole:
      return value;
    case Qt::CheckStateRole:
      if (type != TFieldType::ftBoolean) return QVariant();
      return Var::ToBool(value) ? Qt::Checked : Qt::Unchecked;
    default:
      return QVariant();
  }
}

QVariant TDBGrid::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::InitialSortOrderRole && orientation == Qt::Horizontal) return Qt::AscendingOrder;
  if (role != Qt::DisplayRole) return QVariant();
  if (orientation == Qt::Vertical) return section + 1;
  if (!m_columns.empty() && section < static_cast<int>(m_columns.size()) &&
      !m_columns[section].caption.isEmpty()) {
    return m_columns[section].caption;
  }
  const int field = FieldIndex(section);
  return field >= 0 ? QVariant(m_dataSet->Fields(field).FieldName()) : QVariant();
}

bool TDBGrid::canFetchMore(const QModelIndex& parent) const {
  if (parent.isValid() || !m_dataSet || !m_dataSet->Active()) return false;
  return m_dataSet->RecordCountFetched() > m_fetched || m_dataSet->MoreRows();
}

void TDBGrid::fetchMore(const QModelIndex& parent) {
  if (!canFetchMore(parent)) return;
  m_dataSet->FetchTo(m_fetched + kFetchBatch - 1);
  const int available = m_dataSet->RecordCountFetched();
  if (available <= m_fetched) return;
  beginInsertRows(QModelIndex(), m_fetched, available - 1);
  m_fetched = available;
  endInsertRows();
}

void TDBGrid::SelectRow(int row, bool selected) {
  if (!m_dataSet) return;
  const QVariant bookmark = m_dataSet->RowBookmark(row);
  if (Var::IsNullOrEmpty(bookmark)) return;
  const auto found = std::find_if(m_selected.begin(), m_selected.end(),
                                  [&](const QVariant& b) { return SameBookmark(b, bookmark); });
  if (selected && found == m_selected.end()) {
    if (!m_multiSelect) m_selected.clear();
    m_selected.push_back(bookmark);
  } else if (!selected && found != m_selected.end()) {
    m_selected.erase(found);
  }
}

void TDBGrid::SelectAll() {
  if (!m_dataSet || !m_dataSet->Active()) return;
  m_selected.clear();
  const int count = m_dataSet->RecordCount();
  for (int row = 0; row < count; ++row) m_selected.push_back(m_dataSet->RowBookmark(row));
}

void TDBGrid::ClearSelection() { m_selected.clear(); }

bool TDBGrid::IsSelected(int row) {
  if (!m_dataSet) return false;
  const QVariant bookmark = m_dataSet->RowBookmark(row);
  return std::any_of(m_selected.begin(), m_selected.end(),
                     [&](const QVariant& b) { return SameBookmark(b, bookmark); });
}

QVariantList TDBGrid::SelectedBookmarks() const { return m_selected; }

int TDBGrid::CurrentRow() const { return m_dataSet && m_dataSet->Active() ? m_dataSet->RecNo() - 1 : -1; }

void TDBGrid::SetCurrentRow(int row) {
  if (m_dataSet && m_dataSet->Active()) m_dataSet->SetRecNo(row + 1);
}

bool TDBGrid::Sortable(int column) const {
  const int field = FieldIndex(column);
  return field >= 0 && !IsBinaryOrMemo(m_dataSet->Fields(field).DataType());
}

void TDBGrid::SortBy(int column, Qt::SortOrder order) {
  if (!Sortable(column)) throw EDatabaseError(QStringLiteral("No se puede ordenar por esta columna"));
  ApplySort(m_dataSet->Fields(FieldIndex(column)).FieldName(), order == Qt::DescendingOrder);
}

void TDBGrid::ToggleSort(int column) {
  if (SortColumn() != column) {
    SortBy(column, Qt::AscendingOrder);
  } else if (SortOrder() == Qt::AscendingOrder) {
    SortBy(column, Qt::DescendingOrder);
  } else {
    ClearSort();
  }
}

void TDBGrid::ClearSort() {
  if (m_dataSet) ApplySort(QString(), false);
}

void TDBGrid::ApplySort(const QString& fieldName, bool descending) {
  // Without a key the bookmarks are positions, which the new order changes.
  const bool positions = m_dataSet->Active() && m_dataSet->KeyField().isEmpty();
  const bool reread = !m_dataSet->Modifying();
  // The header follows the order the dataset has, sorted or refused.
  auto settle = [&] {
    if (positions && reread) ClearSelection();
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
    emit sortChanged();
  };
  try {
    m_dataSet->Sort(fieldName, descending, kFetchBatch);
  } catch (...) {
    settle();
    throw;
  }
  settle();
}

int TDBGrid::SortColumn() const {
  if (!m_dataSet || !m_dataSet->Active() || m_dataSet->SortField().isEmpty()) return -1;
  for (int c = 0; c < columnCount(); ++c) {
    const int field = FieldIndex(c);
    if (field >= 0 &&
        m_dataSet->Fields(field).FieldName().compare(m_dataSet->SortField(), Qt::CaseInsensitive) == 0) {
      return c;
    }
  }
  return -1;
}

Qt::SortOrder TDBGrid::SortOrder() const {
  return m_dataSet && m_dataSet->SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder;
}

const TZULControl* TDBGrid::DetailControl() const {
  if (m_control) return m_control;
  const auto* form = qobject_cast<const TZULForm*>(parent());
  if (!form || form->ListGrid() == this) return nullptr;
  for (TZULControl* control : form->Controls()) {
    if (control->Kind() == TZULControlKind::Grid && control->Grid() == this) {
      m_control = control;
      return control;
    }
  }
  return nullptr;
}

bool TDBGrid::ReadOnly() const {
  if (m_readOnly) return *m_readOnly;
  const TZULControl* control = DetailControl();
  return !control || control->ReadOnly();
}

bool TDBGrid::CellEditable(int column) const {
  const int index = FieldIndex(column);
  if (index < 0 || ReadOnly() || m_dataSet->Flag() == 1) return false;
  const TField& field = m_dataSet->Fields(index);
  const QString table = m_dataSet->UpdateTable();
  // Only the fields of the table the dataset writes are stored by a post.
  // Memos keep their line breaks in the record's own editor, not in a cell.
  return !table.isEmpty() && !field.ReadOnly() && !IsBinaryOrMemo(field.DataType()) &&
         field.Origin().compare(table, Qt::CaseInsensitive) == 0 && !m_dataSet->KeyField().isEmpty();
}

Qt::ItemFlags TDBGrid::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!index.isValid() || !CellEditable(index.column())) return flags;
  const TFieldType type = m_dataSet->Fields(FieldIndex(index.column())).DataType();
  return flags | (type == TFieldType::ftBoolean ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

void TDBGrid::SetCell(int row, int column, const QVariant& value) {
  if (!m_dataSet || !m_dataSet->Active())
    throw EDatabaseError(QStringLiteral("El conjunto de datos está cerrado"));
  if (!CellEditable(column)) throw EDatabaseError(QStringLiteral("Esta celda no se puede modificar"));
  if (row < 0 || row >= m_fetched) throw EDatabaseError(QStringLiteral("La fila %1 no existe").arg(row + 1));
  TField& field = m_dataSet->Fields(FieldIndex(column));
  // A typed text is read for the field's type (bad text: nothing has moved);
  // other values go to the field as they are.
  const QVariant typed = value.metaType().id() == QMetaType::QString
                             ? TZULDisplayFormats::ParseText(value.toString(), field.DataType())
                             : value;
  // A record being inserted is not a row of the grid: it is saved first.
  if (m_dataSet->State() == TDataSetState::dsInsert) m_dataSet->Post();
  if (m_dataSet->State() == TDataSetState::dsSetKey) m_dataSet->Cancel();
  if (row != CurrentRow()) m_dataSet->SetRecNo(row + 1);  // posts the record left
  if (CurrentRow() != row) throw EDatabaseError(QStringLiteral("La fila %1 no existe").arg(row + 1));
  if (m_dataSet->State() != TDataSetState::dsEdit) m_dataSet->Edit();
  field.SetValue(typed);
}

bool TDBGrid::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || (role != Qt::EditRole && role != Qt::CheckStateRole)) return false;
  try {
    const QVariant v = role == Qt::CheckStateRole ? QVariant(value.toInt() == Qt::Checked) : value;
    SetCell(index.row(), index.column(), v);
    return true;
  } catch (...) {
    // Nothing may leave the model into the view; the view shows it.
    m_editError = std::current_exception();
    emit editFailed();
    return false;
  }
}

std::exception_ptr TDBGrid::TakeEditError() {
  std::exception_ptr error = m_editError;
  m_editError = nullptr;
  return error;
}

void TDBGrid::SetCellStyler(TCellStyler styler) {
  m_styler = std::move(styler);
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

TCellStyle TDBGrid::CellStyle(int row, int column, bool highlighted) const {
  TCellStyle style;
  if (!m_styler || row < 0 || row >= m_fetched || column < 0 || column >= columnCount()) return style;
  // Called while the view paints, where nothing may raise: a failing styler
  // leaves the cell as the view draws it.
  try {
    m_styler(*this, row, column, highlighted, style);
  } catch (...) {
    return TCellStyle();
  }
  return style;
}

bool TDBGrid::HasField(const QString& fieldName) const {
  return m_dataSet && m_dataSet->Active() && m_dataSet->FindField(fieldName) != nullptr;
}

QVariant TDBGrid::RowValue(int row, const QString& fieldName) const {
  if (!HasField(fieldName) || row < 0 || row >= m_fetched) return QVariant();
  return m_dataSet->RowValue(row, m_dataSet->FindField(fieldName)->Index());
}
