#include "platform/zul/TTreeZUL.h"

#include "platform/core/Exceptions.h"

void TTreeZUL::Clear() {
  m_nodes.clear();
  m_index.clear();
  m_roots.clear();
}

void TTreeZUL::AddNode(int number, int kind, const QString& text, int parent) {
  if (number <= 0) throw EFileError(QStringLiteral("Número de nodo no válido: %1").arg(number));
  if (m_index.contains(number)) throw EFileError(QStringLiteral("El nodo %1 está repetido").arg(number));
  if (parent != 0 && !m_index.contains(parent)) {
    throw EFileError(
        QStringLiteral("El nodo %1 cuelga de un nodo que no existe: %2").arg(number).arg(parent));
  }
  m_index.insert(number, static_cast<qsizetype>(m_nodes.size()));
  m_nodes.push_back(TTreeNodeZUL{number, kind, text, parent, {}});
  if (parent == 0) {
    m_roots.append(number);
  } else {
    m_nodes[static_cast<size_t>(m_index.value(parent))].children.append(number);
  }
}

const TTreeNodeZUL* TTreeZUL::FindNode(int number) const {
  const auto it = m_index.constFind(number);
  return it == m_index.constEnd() ? nullptr : &m_nodes[static_cast<size_t>(*it)];
}

QList<int> TTreeZUL::Visible(const QList<int>& numbers) const {
  if (m_realTree) return numbers;
  QList<int> shown;
  for (int n : numbers) {
    const TTreeNodeZUL* node = FindNode(n);
    if (node && node->kind != TreeKind::DesignOnly) shown.append(n);
  }
  return shown;
}

QList<int> TTreeZUL::RootNodes() const { return Visible(m_roots); }

bool TTreeZUL::Hidden(int number) const {
  if (m_realTree) return false;
  for (const TTreeNodeZUL* node = FindNode(number); node; node = FindNode(node->parent)) {
    if (node->kind == TreeKind::DesignOnly) return true;
  }
  return false;
}

QList<int> TTreeZUL::Children(int number) const {
  const TTreeNodeZUL* node = FindNode(number);
  return node && !Hidden(number) ? Visible(node->children) : QList<int>();
}

bool TTreeZUL::operator==(const TTreeZUL& other) const {
  return m_nodes == other.m_nodes && m_roots == other.m_roots;
}
