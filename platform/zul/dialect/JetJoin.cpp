#include "platform/zul/dialect/JetJoin.h"

JetJoin::JetJoin(const JetEmitter& em, int b, int e) : m_em(em), m_b(b), m_e(e) {
  if (b >= e) Fail();
  int next = b;
  m_root = Expr(b, e, 0, next);
  if (next != e) Fail();
  m_flat = Flatten(m_root, m_steps);
}

void JetJoin::Fail() { JetTokenizer::SyntaxError(QStringLiteral("no se reconoce la combinación de tablas")); }

bool JetJoin::IsJoinWord(int i) const {
  return m_em.IsKw(i, JetKw::Inner) || m_em.IsKw(i, JetKw::Full) || m_em.IsKw(i, JetKw::Outer) ||
         m_em.IsKw(i, JetKw::Cross) || m_em.IsKw(i, JetKw::Join) ||
         ((m_em.IsKw(i, JetKw::Left) || m_em.IsKw(i, JetKw::Right)) && !m_em.IsOp(i + 1, JetOp::LParen));
}

int JetJoin::Expr(int i, int e, int depth, int& next) {
  int left = Item(i, e, depth, i);
  while (i < e) {
    Node join;
    join.isTable = false;
    join.left = left;
    join.b = i;
    if (m_em.IsOp(i, JetOp::Comma)) {
      join.type = Type::Comma;
      ++i;
    } else {
      bool leftWord = false, rightWord = false, other = false;
      while (i < e && IsJoinWord(i) && !m_em.IsKw(i, JetKw::Join)) {
        leftWord = leftWord || m_em.IsKw(i, JetKw::Left);
        rightWord = rightWord || m_em.IsKw(i, JetKw::Right);
        other = other || m_em.IsKw(i, JetKw::Full) || m_em.IsKw(i, JetKw::Cross);
        ++i;
      }
      if (!m_em.IsKw(i, JetKw::Join)) Fail();
      ++i;
      join.type = other ? Type::Other : leftWord ? Type::Left : rightWord ? Type::Right : Type::Inner;
    }
    join.e = i;
    join.right = Item(i, e, depth, i);
    if (m_em.IsKw(i, JetKw::On)) {
      join.condB = ++i;
      while (i < e && !m_em.IsOp(i, JetOp::Comma) && !IsJoinWord(i)) {
        i = m_em.IsOp(i, JetOp::LParen) ? m_em.T(i).match + 1 : i + 1;
      }
      join.condE = i;
      if (join.condB == join.condE) Fail();
    }
    m_nodes.push_back(join);
    left = static_cast<int>(m_nodes.size()) - 1;
  }
  next = i;
  return left;
}

int JetJoin::Item(int i, int e, int depth, int& next) {
  if (i >= e) Fail();
  Node n;
  if (m_em.IsOp(i, JetOp::LParen)) {
    const int close = m_em.T(i).match;
    if (!m_em.IsKw(i + 1, JetKw::Select)) {
      int inner = i + 1;
      const int node = Expr(i + 1, close, depth + 1, inner);
      if (inner != close) Fail();
      next = close + 1;
      return node;
    }
    n.b = i;  // a derived table: never a target
    i = close + 1;
    if (m_em.IsKw(i, JetKw::As)) ++i;
    if (m_em.IsName(i)) ++i;
  } else {
    if (!m_em.IsName(i)) Fail();
    TableRef ref;
    ref.name = i;
    ref.nested = depth > 0;
    n.b = i++;
    if (m_em.IsKw(i, JetKw::As) && m_em.IsName(i + 1)) {
      ref.alias = i + 1;
      i += 2;
    } else if (m_em.IsName(i)) {
      ref.alias = i++;
    }
    m_tables.push_back(ref);
  }
  n.e = i;
  next = i;
  m_nodes.push_back(n);
  return static_cast<int>(m_nodes.size()) - 1;
}

bool JetJoin::AllInner(int n) const {
  const Node& x = m_nodes[static_cast<size_t>(n)];
  if (x.isTable) return true;
  return (x.type == Type::Inner || x.type == Type::Comma) && AllInner(x.left) && AllInner(x.right);
}

bool JetJoin::Flatten(int n, std::vector<Step>& out) const {
  const Node& x = m_nodes[static_cast<size_t>(n)];
  if (x.isTable) {
    out.push_back({Type::Comma, n, {}});
    return true;
  }
  const bool rightIsTable = m_nodes[static_cast<size_t>(x.right)].isTable;
  if (rightIsTable) {
    if (!Flatten(x.left, out)) return false;
    out.push_back({x.type, x.right, {}});
    if (x.condB >= 0) out.back().conds.push_back(n);
    return true;
  }
  if (x.type == Type::Right && m_nodes[static_cast<size_t>(x.left)].isTable) {
    if (!Flatten(x.right, out)) return false;
    out.push_back({Type::Left, x.left, {}});
    if (x.condB >= 0) out.back().conds.push_back(n);
    return true;
  }
  if ((x.type == Type::Inner || x.type == Type::Comma) && AllInner(x.right)) {
    if (!Flatten(x.left, out)) return false;
    const size_t first = out.size();
    if (!Flatten(x.right, out)) return false;
    out[first].type = Type::Inner;
    if (x.condB >= 0) out.back().conds.push_back(n);
    return true;
  }
  return false;
}

void JetJoin::Write(JetEmitter& em) const {
  if (!m_flat) {
    em.NoSpace();
    em.Range(m_b, m_e);
    return;
  }
  for (size_t k = 0; k < m_steps.size(); ++k) {
    const Step& s = m_steps[k];
    const Node& table = m_nodes[static_cast<size_t>(s.node)];
    if (k > 0) {
      switch (s.type) {
        case Type::Comma:
          em.Put(QLatin1StringView(s.conds.empty() ? "," : " INNER JOIN"));
          break;
        case Type::Inner:
          em.Put(QLatin1StringView(" INNER JOIN"));
          break;
        case Type::Left:
          em.Put(QLatin1StringView(" LEFT JOIN"));
          break;
        case Type::Right:
          em.Put(QLatin1StringView(" RIGHT JOIN"));
          break;
        case Type::Other: {
          // FULL / CROSS as written; the join node is the one whose right side this is.
          for (const Node& j : m_nodes) {
            if (!j.isTable && j.right == s.node) {
              em.Space();
              em.NoSpace();
              em.Range(j.b, j.e);
            }
          }
          break;
        }
      }
    }
    em.Space();
    em.NoSpace();
    em.Range(table.b, table.e);
    for (size_t c = 0; c < s.conds.size(); ++c) {
      const Node& j = m_nodes[static_cast<size_t>(s.conds[c])];
      const bool wrap = s.conds.size() > 1;
      em.Put(QLatin1StringView(c == 0 ? " ON " : " AND "));
      if (wrap) em.Put(QLatin1StringView("("));
      em.NoSpace();
      em.Range(j.condB, j.condE);
      if (wrap) em.Put(QLatin1StringView(")"));
    }
  }
}
