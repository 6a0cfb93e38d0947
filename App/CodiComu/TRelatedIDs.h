#pragma once
// Keys, each with its own ordered list of related references without duplicates;
// invoice generation groups the invoices of related students with it.

#include <QVector>
#include <cstdint>
#include <memory>
#include <vector>

class TRelatedIDs {
public:
  struct Item {
    std::int32_t key;
    QVector<std::intptr_t> related;
  };

  TRelatedIDs() = default;
  ~TRelatedIDs();
  TRelatedIDs(const TRelatedIDs&) = delete;
  TRelatedIDs& operator=(const TRelatedIDs&) = delete;

  // Makes sure an entry with the key exists (appended when new); returns its position.
  int AddKey(std::int32_t key);
  // Makes sure the entry exists, then appends the reference unless its list holds it.
  void AddRelated(std::int32_t key, std::intptr_t ref);
  int Count() const { return static_cast<int>(m_items.size()); }
  const Item& GetItem(int index) const;  // raises EConvertError out of range
  // Position of the entry with the key, searching from the last; -1 when absent.
  int IndexOfKey(std::int32_t key) const;
  // Position of the last entry whose list holds the reference; -1 when none.
  int IndexOfRelated(std::intptr_t ref) const;
  void Clear();

private:
  std::vector<std::unique_ptr<Item>> m_items;
};
