#include "platform/zul/TStatementCache.h"

#include <sqlite3.h>

TStatementCache::TStatementCache(int capacity) : m_capacity(capacity) {}

TStatementCache::~TStatementCache() { Clear(); }

sqlite3_stmt* TStatementCache::Take(const QByteArray& sql) {
  auto found = m_index.find(sql);
  if (found == m_index.end()) return nullptr;
  auto it = found.value();
  m_index.erase(found);
  sqlite3_stmt* stmt = it->stmt;
  m_items.erase(it);
  return stmt;
}

void TStatementCache::Give(const QByteArray& sql, sqlite3_stmt* stmt) {
  if (!stmt) return;
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  m_items.push_front(Item{sql, stmt});
  m_index.insert(sql, m_items.begin());
  while (static_cast<int>(m_items.size()) > m_capacity) {
    auto last = std::prev(m_items.end());
    m_index.remove(last->sql, last);
    sqlite3_finalize(last->stmt);
    m_items.erase(last);
  }
}

void TStatementCache::Clear() {
  for (auto& item : m_items) sqlite3_finalize(item.stmt);
  m_items.clear();
  m_index.clear();
}
