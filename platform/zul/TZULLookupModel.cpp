#include "platform/zul/TZULLookupModel.h"

#include <sqlite3.h>

#include <QTimer>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TDataSetFetcher.h"
#include "platform/zul/TPreparedStatement.h"
#include "platform/zul/dialect/JetTranslator.h"

namespace {

QString Quoted(const QString& identifier) {
  QString inner = identifier;
  return QLatin1Char('"') + inner.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// "Ana_1%" matches itself only, then anything: the engine's LIKE wildcards escaped.
QString PrefixPattern(const QString& prefix) {
  QString pattern;
  pattern.reserve(prefix.size() + 4);
  for (QChar c : prefix) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
      pattern += QLatin1Char('\\');
    pattern += c;
  }
  return pattern + QLatin1Char('%');
}

int ColumnOf(sqlite3_stmt* stmt, const QString& name) {
  const int count = sqlite3_column_count(stmt);
  for (int i = 0; i < count; ++i) {
    if (QString::fromUtf8(sqlite3_column_name(stmt, i)).compare(name, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

// A column of the current row as it is stored; nothing for a column not there.
QVariant ColumnValue(sqlite3_stmt* stmt, int column) {
  return column < 0 ? QVariant() : TDataSetFetcher::ReadValue(stmt, column, TFieldType::ftUnknown);
}

}  // namespace

TZULLookupModel::TZULLookupModel(QObject* parent) : QAbstractListModel(parent) {}

void TZULLookupModel::SetQuery(TDataBaseZUL* database, const QString& jetSql, const QString& keyField,
                               const QString& displayField) {
  beginResetModel();
  m_database = nullptr;
  m_items.clear();
  m_values.clear();
  m_keyField = keyField;
  m_displayField = displayField;
  m_cachedKey = QVariant();
  m_cachedText.clear();
  try {
    const JetTranslation translation = JetTranslator::Translate(jetSql);
    if (!translation.isQuery || translation.statements.size() != 1)
      throw EDatabaseError(QStringLiteral("La consulta de la lista no devuelve filas: ") + jetSql);
    m_sql = translation.statements.front().sql;
    m_params = translation.statements.front().params;
    m_database = database;
  } catch (const Exception& e) {
    qWarning("Lista de valores %s: %s", qUtf8Printable(jetSql), e.what());
  }
  Reset();
  endResetModel();
}

void TZULLookupModel::SetItems(const QStringList& items, const QVariantList& values) {
  beginResetModel();
  m_database = nullptr;
  m_items = items;
  m_values = values;
  Reset();
  endResetModel();
}

void TZULLookupModel::Reset() {
  m_rows.clear();
  m_atEnd = false;
  if (m_database) return;
  // A fixed list is all there at once, filtered here.
  for (int i = 0; i < m_items.size(); ++i) {
    if (!m_items[i].startsWith(m_filter, Qt::CaseInsensitive)) continue;
    m_rows.push_back(Choice{m_values.isEmpty() ? QVariant(i) : m_values.value(i), m_items[i]});
  }
  m_atEnd = true;
}

void TZULLookupModel::Start() {
  if (m_started) return;
  m_started = true;
  if (m_database && !m_atEnd) ReadPage();
}

void TZULLookupModel::SetFilter(const QString& prefix) {
  // Read again each time: the look-up table may have changed since.
  beginResetModel();
  m_filter = prefix;
  m_started = true;
  m_cachedKey = QVariant();
  m_cachedText.clear();
  Reset();
  endResetModel();
  if (m_database) ReadPage();
}

QString TZULLookupModel::Wrapped(const QString& where, const QString& tail) const {
  return QStringLiteral("SELECT * FROM (") + m_sql + QStringLiteral(") AS lookup_rows") + where + tail;
}

void TZULLookupModel::ReadPage() {
  SqliteStatement statement;
  statement.params = m_params;
  QString where;
  if (!m_filter.isEmpty()) {
    where = QStringLiteral(" WHERE ") + Quoted(m_displayField) + QStringLiteral(" LIKE ? ESCAPE '\\'");
    statement.params << PrefixPattern(m_filter);
  }
  statement.sql = Wrapped(where, QStringLiteral(" LIMIT ? OFFSET ?"));
  statement.params << qint64(kPageSize) << qint64(m_rows.size());
  std::vector<Choice> page;
  try {
    ++m_queries;
    TPreparedStatement query(*m_database, statement);
    const int key = ColumnOf(query.Handle(), m_keyField);
    const int display = ColumnOf(query.Handle(), m_displayField);
    if (key < 0 || display < 0)
      throw EDatabaseError(QStringLiteral("La lista no tiene los campos ") + m_keyField +
                           QStringLiteral(", ") + m_displayField);
    while (query.Step()) {
      page.push_back(
          Choice{ColumnValue(query.Handle(), key), ColumnValue(query.Handle(), display).toString()});
    }
  } catch (const Exception& e) {
    // The combo stays usable (it shows the rows it has); the reason goes to the log.
    qWarning("Lista de valores %s: %s", qUtf8Printable(m_sql), e.what());
    m_atEnd = true;
    return;
  }
  m_atEnd = static_cast<int>(page.size()) < kPageSize;
  // A view asks for more while its scroll bar is still at the end, before its layout
  // has caught up with the rows just added: one page per turn of the event loop.
  m_pageJustRead = true;
  QTimer::singleShot(0, this, [this] { m_pageJustRead = false; });
  if (page.empty()) return;
  const int first = static_cast<int>(m_rows.size()) + 1;
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(page.size()) - 1);
  for (Choice& c : page) m_rows.push_back(std::move(c));
  endInsertRows();
}

QVariant TZULLookupModel::Key(int row) const {
  if (row < 1 || row > static_cast<int>(m_rows.size())) return QVariant();
  return m_rows[static_cast<size_t>(row - 1)].key;
}

QString TZULLookupModel::Text(int row) const {
  if (row < 1 || row > static_cast<int>(m_rows.size())) return QString();
  return m_rows[static_cast<size_t>(row - 1)].text;
}

int TZULLookupModel::RowOfKey(const QVariant& key) const {
  if (Var::IsNullOrEmpty(key)) return 0;
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (Var::SameValue(m_rows[i].key, key)) return static_cast<int>(i) + 1;
  }
  return -1;
}

QString TZULLookupModel::DisplayText(const QVariant& key) {
  if (Var::IsNullOrEmpty(key)) return QString();
  const int row = RowOfKey(key);
  if (row > 0) return Text(row);
  if (!m_database) {
    // A fixed list is searched whole, whatever the filter.
    for (int i = 0; i < m_items.size(); ++i) {
      if (Var::SameValue(m_values.isEmpty() ? QVariant(i) : m_values.value(i), key)) return m_items[i];
    }
    return QString();
  }
  if (!Var::IsNullOrEmpty(m_cachedKey) && Var::SameValue(m_cachedKey, key)) return m_cachedText;
  SqliteStatement statement;
  statement.params = m_params;
  statement.params << key;
  statement.sql = Wrapped(QStringLiteral(" WHERE ") + Quoted(m_keyField) + QStringLiteral(" = ?"),
                          QStringLiteral(" LIMIT 1"));
  QString text;
  try {
    ++m_queries;
    TPreparedStatement query(*m_database, statement);
    if (query.Step()) text = ColumnValue(query.Handle(), ColumnOf(query.Handle(), m_displayField)).toString();
  } catch (const Exception& e) {
    qWarning("Lista de valores %s: %s", qUtf8Printable(m_sql), e.what());
    return QString();
  }
  m_cachedKey = key;
  m_cachedText = text;
  return text;
}

int TZULLookupModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size()) + 1;
}

QVariant TZULLookupModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  if (role == Qt::DisplayRole || role == Qt::EditRole) return Text(index.row());
  if (role == Qt::UserRole) return Key(index.row());
  return QVariant();
}

bool TZULLookupModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && m_started && m_database && !m_atEnd && !m_pageJustRead && (!m_gate || m_gate());
}

void TZULLookupModel::fetchMore(const QModelIndex& parent) {
  if (canFetchMore(parent)) ReadPage();
}
