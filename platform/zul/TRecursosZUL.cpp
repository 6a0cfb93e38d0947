#include "platform/zul/TRecursosZUL.h"

#include <QDataStream>
#include <QSet>
#include <algorithm>

#include "platform/core/Exceptions.h"

namespace {
constexpr quint32 kMagic = 0x4C524553;  // "LRES"
constexpr quint16 kVersion = 1;
constexpr quint32 kMaxItems = 1u << 22;

[[noreturn]] void Damaged(const QString& why) {
  throw EFileError(QStringLiteral("El archivo de recursos está dañado (%1)").arg(why));
}
}  // namespace

std::vector<TRecursoZUL>::const_iterator TRecursosZUL::LowerBound(int id) const {
  return std::lower_bound(m_items.begin(), m_items.end(), id,
                          [](const TRecursoZUL& r, int value) { return r.id < value; });
}

int TRecursosZUL::GetIdxRecursos(int id) const {
  const auto it = LowerBound(id);
  return it != m_items.end() && it->id == id ? static_cast<int>(it - m_items.begin()) : -1;
}

const TRecursoZUL* TRecursosZUL::FindIDRecursos(int id) const {
  const int index = GetIdxRecursos(id);
  return index < 0 ? nullptr : &m_items[static_cast<size_t>(index)];
}

QByteArray TRecursosZUL::GetStreamRecursos(int id) const {
  const TRecursoZUL* r = FindIDRecursos(id);
  return r ? r->data : QByteArray();
}

void TRecursosZUL::InsertTRecursos(int id, const QString& name, int kind, const QByteArray& data,
                                   int parent) {
  if (id <= 0) throw EFileError(QStringLiteral("Identificador de recurso no válido: %1").arg(id));
  if (parent == id) throw EFileError(QStringLiteral("El recurso %1 no puede ser su propio padre").arg(id));
  TRecursoZUL item{id, kind, parent, name, data};
  const auto at = m_items.begin() + (LowerBound(id) - m_items.cbegin());
  if (at != m_items.end() && at->id == id) {
    *at = std::move(item);
  } else {
    m_items.insert(at, std::move(item));
  }
}

bool TRecursosZUL::DelRecursos(int id) {
  if (GetIdxRecursos(id) < 0) return false;
  // The resource and its whole subtree: a child without its parent would be lost.
  QSet<int> doomed{id};
  for (bool grew = true; grew;) {
    grew = false;
    for (const TRecursoZUL& r : m_items) {
      if (!doomed.contains(r.id) && doomed.contains(r.parent)) {
        doomed.insert(r.id);
        grew = true;
      }
    }
  }
  std::erase_if(m_items, [&](const TRecursoZUL& r) { return doomed.contains(r.id); });
  return true;
}

QList<int> TRecursosZUL::RetornaFills(int parent, int kind) const {
  QList<int> ids;
  for (const TRecursoZUL& r : m_items) {
    if (r.parent == parent && (kind < 0 || r.kind == kind)) ids.append(r.id);
  }
  return ids;
}

void TRecursosZUL::SaveToStream(QIODevice& stream, int first, int last) const {
  const auto begin = LowerBound(first);
  const auto end = std::upper_bound(m_items.begin(), m_items.end(), last,
                                    [](int value, const TRecursoZUL& r) { return value < r.id; });
  const quint32 count = begin < end ? static_cast<quint32>(end - begin) : 0;
  QDataStream out(&stream);
  out.setVersion(QDataStream::Qt_6_0);
  out << kMagic << kVersion << count;
  for (auto it = begin; it < end; ++it) {
    out << qint32(it->id) << qint32(it->kind) << qint32(it->parent) << it->name << it->data;
  }
  if (out.status() != QDataStream::Ok)
    throw EFileError(QStringLiteral("No se pudieron guardar los recursos"));
}

void TRecursosZUL::LoadFromStream(QIODevice& stream) {
  QDataStream in(&stream);
  in.setVersion(QDataStream::Qt_6_0);
  quint32 magic = 0;
  quint16 version = 0;
  quint32 count = 0;
  in >> magic >> version >> count;
  if (in.status() != QDataStream::Ok || magic != kMagic)
    Damaged(QStringLiteral("no es un archivo de recursos"));
  if (version != kVersion) Damaged(QStringLiteral("versión %1 desconocida").arg(version));
  if (count > kMaxItems) Damaged(QStringLiteral("%1 recursos").arg(count));
  std::vector<TRecursoZUL> items;
  for (quint32 i = 0; i < count; ++i) {
    qint32 id = 0, kind = 0, parent = 0;
    TRecursoZUL r;
    in >> id >> kind >> parent >> r.name >> r.data;
    if (in.status() != QDataStream::Ok) Damaged(QStringLiteral("recurso %1 de %2").arg(i + 1).arg(count));
    // Written in identifier order, each once.
    if (id <= 0 || id == parent || (!items.empty() && id <= items.back().id)) {
      Damaged(QStringLiteral("identificador %1 fuera de orden").arg(id));
    }
    r.id = id;
    r.kind = kind;
    r.parent = parent;
    items.push_back(std::move(r));
  }
  m_items = std::move(items);
}
