#pragma once
// The resource store: numbered streams, each of a kind, with a name and a parent
// resource (0 for none). The user's reports, views and filters and the saved
// framework parameters live here; the resource file is this store saved as a
// stream. Resources are kept in the order of their identifiers.

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <climits>
#include <vector>

struct TRecursoZUL {
  int id = 0;
  int kind = 0;
  int parent = 0;  // identifier of the parent resource, 0 for none
  QString name;
  QByteArray data;
};

class TRecursosZUL {
public:
  int Count() const { return static_cast<int>(m_items.size()); }
  const TRecursoZUL& Item(int index) const { return m_items.at(static_cast<size_t>(index)); }
  void Clear() { m_items.clear(); }

  // Position of a resource by identifier, -1 when absent.
  int GetIdxRecursos(int id) const;
  // The resource, or nullptr when absent.
  const TRecursoZUL* FindIDRecursos(int id) const;
  // A copy of the resource's stream; empty when absent.
  QByteArray GetStreamRecursos(int id) const;

  // Inserts a resource, replacing the one with the same identifier (its children
  // stay). Identifiers are positive; a resource cannot be its own parent.
  void InsertTRecursos(int id, const QString& name, int kind, const QByteArray& data, int parent = 0);
  // Deletes a resource and every resource below it; false when it was absent.
  bool DelRecursos(int id);
  // Identifiers of the direct children of a resource (0: the top-level ones), in
  // identifier order; only those of the given kind when kind >= 0.
  QList<int> RetornaFills(int parent, int kind = -1) const;

  // The stream format is ours (versioned). Loading replaces the whole store and
  // raises EFileError on a damaged stream, leaving the store as it was. Saving
  // writes the resources whose identifiers are within [first, last].
  void LoadFromStream(QIODevice& stream);
  void SaveToStream(QIODevice& stream, int first = 0, int last = INT_MAX) const;

private:
  std::vector<TRecursoZUL>::const_iterator LowerBound(int id) const;
  std::vector<TRecursoZUL> m_items;  // sorted by id
};
