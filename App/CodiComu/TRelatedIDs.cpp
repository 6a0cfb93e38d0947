#include "App/CodiComu/TRelatedIDs.h"

#include "platform/core/Exceptions.h"

TRelatedIDs::~TRelatedIDs() { Clear(); }

void TRelatedIDs::Clear() {
  // Entries go from the last to the first, each with its list.
  while (!m_items.empty()) m_items.pop_back();
}

int TRelatedIDs::AddKey(std::int32_t key) {
  const int index = IndexOfKey(key);
  if (index >= 0) return index;
  m_items.push_back(std::make_unique<Item>(Item{key, {}}));
  return Count() - 1;
}

void TRelatedIDs::AddRelated(std::int32_t key, std::intptr_t ref) {
  Item& item = *m_items[AddKey(key)];
  if (!item.related.contains(ref)) item.related.append(ref);
}

const TRelatedIDs::Item& TRelatedIDs::GetItem(int index) const {
  if (index < 0 || index >= Count()) {
    throw EConvertError(QStringLiteral("Índice fuera de rango: %1").arg(index));
  }
  return *m_items[index];
}

int TRelatedIDs::IndexOfKey(std::int32_t key) const {
  for (int i = Count() - 1; i >= 0; --i) {
    if (m_items[i]->key == key) return i;
  }
  return -1;
}

int TRelatedIDs::IndexOfRelated(std::intptr_t ref) const {
  for (int i = Count() - 1; i >= 0; --i) {
    if (m_items[i]->related.contains(ref)) return i;
  }
  return -1;
}
