#include "platform/zul/TDBGrid.h"

#include <algorithm>

#include "platform/core/DayDate.h"
#include "platform/core/Variants.h"
#include "platform/zul/TSQLDataSet.h"

namespace {
constexpr int kFetchBatch = 256;

bool SameBookmark(const QVariant& a, const QVariant& b) { return a == b || (a.toString() == b.toString()); }
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
      if (Var::IsNullOrEmpty(value) || type == TFieldType::ftBoolean) return QString();
      if (type == TFieldType::ftCurrency) return Var::ToCurrency(value).ToFixed(2, QLatin1Char(','));
      if (type == TFieldType::ftDate)
        return DayDate::ToDate(Var::ToDateTime(value)).toString(QStringLiteral("dd/MM/yyyy"));
      if (type == TFieldType::ftTime)
        return DayDate::ToTime(Var::ToDateTime(value)).toString(QStringLiteral("hh:mm"));
      return Var::ToString(value);
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
