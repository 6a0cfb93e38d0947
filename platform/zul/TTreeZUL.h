#pragma once
// The application tree: numbered nodes of a kind with a text, children in order.
// The shell builds its menus from it (kinds 4 and 5 make menu entries) and opens
// the data form of a node by its number.
//
// In the real-tree mode every node is seen, as the file holds it; out of it (the
// mode the program runs in) design-only nodes (kind 0) and everything below them
// are left out of the children lists and of the root list.

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

namespace TreeKind {
constexpr int DesignOnly = 0;   // a note of the designer: never shown to the user
constexpr int Application = 1;  // the root node, named after the application
constexpr int Folder = 2;       // groups nodes; no menu entry of its own
constexpr int Form = 3;         // a data form reachable by number, not listed in menus
constexpr int MenuEntry = 4;    // a menu entry that opens its node
constexpr int Menu = 5;         // a submenu: every child is an entry
constexpr int Report = 6;       // a report of the application file
}  // namespace TreeKind

struct TTreeNodeZUL {
  int number = 0;
  int kind = 0;
  QString text;
  int parent = 0;       // number of the parent node, 0 for a root node
  QList<int> children;  // numbers, in order
};

class TTreeZUL {
public:
  void Clear();
  int Count() const { return static_cast<int>(m_nodes.size()); }

  // Adds a node at the end of its parent's children (parent 0: a root node).
  // Raises EFileError for a number that is not positive or already used, or an
  // unknown parent.
  void AddNode(int number, int kind, const QString& text, int parent = 0);

  // The node by number (in any mode), or nullptr. Pointers stay valid until the
  // tree changes.
  const TTreeNodeZUL* FindNode(int number) const;
  bool Exists(int number) const { return m_index.contains(number); }

  // Numbers of the root nodes and of a node's children, in order, as the mode shows them.
  QList<int> RootNodes() const;
  QList<int> Children(int number) const;
  // True when the mode hides the node (it or a node above it is design-only).
  bool Hidden(int number) const;

  bool RealTree() const { return m_realTree; }
  void SetRealTree(bool realTree) { m_realTree = realTree; }

  bool operator==(const TTreeZUL& other) const;

private:
  QList<int> Visible(const QList<int>& numbers) const;

  std::vector<TTreeNodeZUL> m_nodes;  // in the order added
  QHash<int, qsizetype> m_index;      // number -> position in m_nodes
  QList<int> m_roots;
  bool m_realTree = true;
};

inline bool operator==(const TTreeNodeZUL& a, const TTreeNodeZUL& b) {
  return a.number == b.number && a.kind == b.kind && a.text == b.text && a.parent == b.parent &&
         a.children == b.children;
}
