#include "platform/zul/dialect/JetEmitter.h"

#include "platform/zul/dialect/JetFunctionNames.h"

#include <algorithm>
#include <cstring>

// Jet operators whose meaning differs from SQLite's become calls of the functions that
// JetFunctions registers: '/' always divides as floating point (jet_div), '\' is the
// integer division (jet_idiv), Mod (jet_mod), '^' (jet_pow), '&' concatenates with null
// as "" (jet_cat), '+' concatenates two texts (jet_add; kept native when one side is
// surely a number). They are parsed with Jet's precedence, highest first:
// ^, unary -, * /, \, Mod, + -, &. A run of tokens without such operators is written
// as it is, so most statements keep their shape.

namespace {

bool IsIdentChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '"' ||
         u == '?' || u == '$' || u >= 128;
}

int Precedence(const JetToken& t) {
  if (t.kind == JetToken::Word) return t.kw == JetKw::Mod ? 3 : 0;
  if (t.kind != JetToken::Op) return 0;
  switch (t.op) {
    case JetOp::Caret:
      return 7;
    case JetOp::Star:
    case JetOp::Slash:
      return 5;
    case JetOp::Backslash:
      return 4;
    case JetOp::Plus:
    case JetOp::Minus:
      return 2;
    case JetOp::Amp:
      return 1;
    default:
      return 0;
  }
}

constexpr int kUnaryPrecedence = 6;

// Keywords that are also function names: LEFT JOIN and Left(...), ORDER BY x ASC and Asc(...).
bool IsFunctionKeyword(JetKw kw) { return kw == JetKw::Left || kw == JetKw::Right || kw == JetKw::Asc; }

}  // namespace

struct JetEmitter::Node {
  enum Kind : char { Leaf, Unary, Binary };
  Kind kind = Leaf;
  bool numeric = false;
  int op = -1;  // token of the operator
  int a = 0;    // Leaf: first token; else the (left) child
  int b = 0;    // Leaf: end token; Binary: the right child
};

// Precedence climbing over the items of one run.
class JetEmitter::TreeParser {
public:
  TreeParser(const JetEmitter& em, int b, int e, std::vector<Node>& nodes) : m_em(em), m_nodes(nodes) {
    for (int i = b; i < e; i = em.ItemEnd(i, e)) m_items.push_back(i);
    m_items.push_back(e);
  }

  // The root node, or -1 when an operand is missing.
  int Parse() { return Expr(0); }
  // The first token that the expression did not take.
  int Stop() const { return m_items[m_pos]; }

private:
  size_t Count() const { return m_items.size() - 1; }
  const JetToken& Tok(size_t item) const { return m_em.T(m_items[item]); }
  bool IsOperator(size_t item) const {
    return m_items[item + 1] == m_items[item] + 1 && Precedence(Tok(item)) > 0;
  }

  int Expr(int minPrec) {
    int lhs = Unary();
    if (lhs < 0) return -1;
    while (m_pos < Count() && IsOperator(m_pos)) {
      const int prec = Precedence(Tok(m_pos));
      if (prec < minPrec) break;
      const int op = m_items[m_pos++];
      const int rhs = Expr(prec + 1);
      if (rhs < 0) return -1;
      Node n;
      n.kind = Node::Binary;
      n.op = op;
      n.a = lhs;
      n.b = rhs;
      const JetToken& t = m_em.T(op);
      if (t.kind == JetToken::Op && t.op == JetOp::Plus) {
        n.numeric = m_nodes[static_cast<size_t>(lhs)].numeric || m_nodes[static_cast<size_t>(rhs)].numeric;
      } else {
        n.numeric = !(t.kind == JetToken::Op && t.op == JetOp::Amp);
      }
      m_nodes.push_back(n);
      lhs = static_cast<int>(m_nodes.size()) - 1;
    }
    return lhs;
  }

  int Unary() {
    if (m_pos >= Count()) return -1;
    if (IsOperator(m_pos)) {
      const JetToken& t = Tok(m_pos);
      if (t.kind != JetToken::Op || (t.op != JetOp::Minus && t.op != JetOp::Plus)) return -1;
      const int op = m_items[m_pos++];
      const int child = Expr(kUnaryPrecedence);
      if (child < 0) return -1;
      Node n;
      n.kind = Node::Unary;
      n.op = op;
      n.a = child;
      n.numeric = true;
      m_nodes.push_back(n);
      return static_cast<int>(m_nodes.size()) - 1;
    }
    Node n;
    n.kind = Node::Leaf;
    n.a = m_items[m_pos];
    n.b = m_items[m_pos + 1];
    n.numeric = m_em.IsNumericAtom(n.a, n.b);
    ++m_pos;
    m_nodes.push_back(n);
    return static_cast<int>(m_nodes.size()) - 1;
  }

  const JetEmitter& m_em;
  std::vector<Node>& m_nodes;
  std::vector<int> m_items;  // first token of each item, then the end
  size_t m_pos = 0;
};

JetEmitter::JetEmitter(QStringView source, const std::vector<JetToken>& tokens, SqliteStatement& out)
    : m_src(source), m_tokens(tokens), m_out(out) {}

// ---- token helpers ----

bool JetEmitter::IsKw(int i, JetKw kw) const {
  return i >= 0 && static_cast<size_t>(i) < m_tokens.size() && T(i).kind == JetToken::Word && T(i).kw == kw;
}

bool JetEmitter::IsOp(int i, JetOp op) const {
  return i >= 0 && static_cast<size_t>(i) < m_tokens.size() && T(i).kind == JetToken::Op && T(i).op == op;
}

bool JetEmitter::IsName(int i) const {
  if (i < 0 || static_cast<size_t>(i) >= m_tokens.size()) return false;
  const JetToken& t = T(i);
  return t.kind == JetToken::Quoted || (t.kind == JetToken::Word && t.kw == JetKw::None);
}

bool JetEmitter::IsCall(int i) const {
  const JetToken& t = T(i);
  if (t.kind != JetToken::Word) return false;
  if (t.kw != JetKw::None && !IsFunctionKeyword(t.kw)) return false;
  return IsOp(i + 1, JetOp::LParen);
}

int JetEmitter::ChainEnd(int i, int e) const {
  if (!IsName(i)) return i;
  int j = i + 1;
  while (j + 1 < e && IsOp(j, JetOp::Dot)) {
    const JetToken& n = T(j + 1);
    if (n.kind == JetToken::Word || n.kind == JetToken::Quoted) {
      j += 2;
    } else if (n.kind == JetToken::Op && n.op == JetOp::Star) {
      j += 2;
      break;
    } else {
      break;
    }
  }
  return j;
}

int JetEmitter::Find(int b, int e, JetKw kw) const {
  for (int j = b; j < e; ++j) {
    if (IsOp(j, JetOp::LParen)) {
      j = T(j).match;
    } else if (IsKw(j, kw)) {
      return j;
    }
  }
  return e;
}

int JetEmitter::ItemEnd(int i, int e) const {
  const JetToken& t = T(i);
  if (t.kind == JetToken::Op) return t.op == JetOp::LParen ? t.match + 1 : i + 1;
  if (t.kind == JetToken::Word) {
    if (IsCall(i)) return T(i + 1).match + 1;
    if (t.kw == JetKw::Case) {
      int depth = 1;
      for (int j = i + 1; j < e; ++j) {
        if (IsOp(j, JetOp::LParen)) {
          j = T(j).match;
        } else if (IsKw(j, JetKw::Case)) {
          ++depth;
        } else if (IsKw(j, JetKw::End) && --depth == 0) {
          return j + 1;
        }
      }
      JetTokenizer::SyntaxError(QStringLiteral("falta el END de un CASE"));
    }
  }
  if (IsName(i)) return ChainEnd(i, e);
  return i + 1;
}

bool JetEmitter::IsSeparator(int i) const {
  const JetToken& t = T(i);
  if (t.kind == JetToken::Op) {
    switch (t.op) {
      case JetOp::Comma:
      case JetOp::Eq:
      case JetOp::Ne:
      case JetOp::Lt:
      case JetOp::Gt:
      case JetOp::Le:
      case JetOp::Ge:
      case JetOp::Semicolon:
        return true;
      default:
        return false;
    }
  }
  if (t.kind != JetToken::Word) return false;
  switch (t.kw) {
    case JetKw::None:
    case JetKw::Mod:
    case JetKw::True:
    case JetKw::False:
    case JetKw::Null:
    case JetKw::Case:
      return false;
    case JetKw::Left:
    case JetKw::Right:
    case JetKw::Asc:
      return !IsOp(i + 1, JetOp::LParen);
    default:
      return true;
  }
}

int JetEmitter::RunEnd(int i, int e) const {
  int j = i;
  while (j < e && !IsSeparator(j)) j = ItemEnd(j, e);
  return j;
}

bool JetEmitter::IsBareColumn(int b, int e) const {
  while (e - b >= 3 && IsOp(b, JetOp::LParen) && T(b).match == e - 1) ++b, --e;
  if (b >= e || !IsName(b) || IsCall(b)) return false;
  const int c = ChainEnd(b, e);
  return c == e && !IsOp(c - 1, JetOp::Star);
}

bool JetEmitter::IsNumericAtom(int b, int e) const {
  const JetToken& t = T(b);
  switch (t.kind) {
    case JetToken::Number:
    case JetToken::Date:
      return true;
    case JetToken::Word:
      if (t.kw == JetKw::True || t.kw == JetKw::False || t.kw == JetKw::Null) return e == b + 1;
      if (IsCall(b)) {
        const JetFunctionNames::Entry* f = JetFunctionNames::Lookup(NameOf(b));
        return f && f->numeric;
      }
      return false;
    case JetToken::Op:
      if (t.op == JetOp::LParen && e == t.match + 1 && !IsKw(b + 1, JetKw::Select) && b + 1 < t.match &&
          RunEnd(b + 1, t.match) == t.match) {
        return IsNumericRun(b + 1, t.match);
      }
      return false;
    default:
      return false;
  }
}

bool JetEmitter::IsNumericRun(int b, int e) const {
  if (b >= e) return false;
  if (ItemEnd(b, e) == e) return IsNumericAtom(b, e);
  std::vector<Node> nodes;
  TreeParser p(*this, b, e, nodes);
  const int root = p.Parse();
  return root >= 0 && p.Stop() == e && nodes[static_cast<size_t>(root)].numeric;
}

QStringView JetEmitter::NameOf(int i) const { return JetTokenizer::NameOf(m_src, T(i)); }

// ---- output ----

void JetEmitter::Put(QLatin1StringView text) {
  QString& s = m_out.sql;
  if (!s.isEmpty() && !text.isEmpty()) {
    const QChar last = s.back();
    const QChar first = QChar(text.front());
    if ((last == u'-' && first == u'-') || (IsIdentChar(last) && IsIdentChar(first))) s += u' ';
  }
  s += text;
}

void JetEmitter::Put(QStringView text) {
  QString& s = m_out.sql;
  if (!s.isEmpty() && !text.isEmpty()) {
    const QChar last = s.back();
    const QChar first = text.front();
    if ((last == u'-' && first == u'-') || (IsIdentChar(last) && IsIdentChar(first))) s += u' ';
  }
  s += text;
}

void JetEmitter::Space() {
  const QString& s = m_out.sql;
  if (!s.isEmpty() && s.back() != u' ' && s.back() != u'(') m_out.sql += u' ';
}

void JetEmitter::LeadSpace(int i) {
  if (m_noSpace) {
    m_noSpace = false;
    return;
  }
  if (T(i).spaceBefore) Space();
}

void JetEmitter::Tok(int i) {
  const JetToken& t = T(i);
  if (t.kind == JetToken::Op && t.op == JetOp::Bang) {
    JetTokenizer::SyntaxError(QStringLiteral("el operador ! no está admitido"));
  }
  if (t.kind == JetToken::Quoted) return Name(i);
  if (t.kind == JetToken::String || t.kind == JetToken::Number || t.kind == JetToken::Date) return Literal(i);
  LeadSpace(i);
  if (t.kind == JetToken::Word && t.kw != JetKw::None) {
    Put(QLatin1StringView(JetTokenizer::KeywordName(t.kw)));  // one spelling, one cached statement
  } else {
    Put(m_src.mid(t.pos, t.len));
  }
}

void JetEmitter::Name(int i) {
  LeadSpace(i);
  const JetToken& t = T(i);
  if (t.kind != JetToken::Quoted) {
    Put(m_src.mid(t.pos, t.len));
    return;
  }
  const QStringView inner = m_src.mid(t.pos + 1, t.len - 2);
  Put(QLatin1StringView("\""));
  QString& s = m_out.sql;
  if (!inner.contains(u'"')) {
    s += inner;
  } else {
    for (QChar c : inner) {
      s += c;
      if (c == u'"') s += c;
    }
  }
  s += u'"';
}

void JetEmitter::Chain(int b, int e) {
  for (int j = b; j < e; ++j) {
    const JetToken& t = T(j);
    if (j > b) m_noSpace = true;
    if (t.kind == JetToken::Op) {
      m_noSpace = false;
      m_out.sql += t.op == JetOp::Dot ? u'.' : u'*';
    } else {
      Name(j);
    }
  }
}

void JetEmitter::Literal(int i) {
  LeadSpace(i);
  Put(QLatin1StringView("?"));
  const JetToken& t = T(i);
  switch (t.kind) {
    case JetToken::String:
      m_out.params.append(JetTokenizer::StringValue(m_src, t));
      break;
    case JetToken::Number:
      if (t.isInt) {
        m_out.params.append(QVariant::fromValue<qint64>(t.intValue));
      } else {
        m_out.params.append(t.realValue);
      }
      break;
    default:
      m_out.params.append(t.realValue);
      break;
  }
}

void JetEmitter::Raw(int b, int e) {
  for (int i = b; i < e; ++i) {
    const JetToken& t = T(i);
    switch (t.kind) {
      case JetToken::Quoted:
        Name(i);
        break;
      case JetToken::String: {
        LeadSpace(i);
        const QString value = JetTokenizer::StringValue(m_src, t);
        Put(QLatin1StringView("'"));
        for (QChar c : value) {
          m_out.sql += c;
          if (c == u'\'') m_out.sql += c;
        }
        m_out.sql += u'\'';
        break;
      }
      case JetToken::Date:
        LeadSpace(i);
        Put(QString::number(t.realValue, 'g', 17));
        break;
      default:
        LeadSpace(i);
        Put(m_src.mid(t.pos, t.len));
        break;
    }
  }
}

// ---- clauses and expressions ----

void JetEmitter::Range(int b, int e) {
  enum class Mode { Normal, Ordinal } mode = Mode::Normal;
  JetKw lastKw = JetKw::None;
  int i = b;
  while (i < e) {
    if (IsSeparator(i)) {
      const JetToken& t = T(i);
      if (t.kind == JetToken::Word) {
        switch (t.kw) {
          case JetKw::Select: {
            const int end = Find(i + 1, e, JetKw::Union);
            Select(i, end);
            i = end;
            mode = Mode::Normal;
            lastKw = JetKw::Select;
            continue;
          }
          case JetKw::Distinctrow:
            LeadSpace(i);
            Put(QLatin1StringView("DISTINCT"));
            break;
          case JetKw::Top:
            JetTokenizer::SyntaxError(QStringLiteral("TOP solo puede seguir a SELECT"));
          case JetKw::By:
            mode = lastKw == JetKw::Order || lastKw == JetKw::Group ? Mode::Ordinal : Mode::Normal;
            Tok(i);
            break;
          case JetKw::Limit:
          case JetKw::Offset:
            mode = Mode::Ordinal;
            Tok(i);
            break;
          case JetKw::Asc:
          case JetKw::Desc:
            Tok(i);
            break;
          default:
            mode = Mode::Normal;
            Tok(i);
            break;
        }
        lastKw = t.kw;
      } else {
        Tok(i);
      }
      ++i;
      continue;
    }
    const int j = RunEnd(i, e);
    bool collate = false;
    if (j < e && T(j).kind == JetToken::Op && T(j).op != JetOp::Comma && T(j).op != JetOp::Semicolon) {
      const int k = j + 1;
      const int re = k < e && !IsSeparator(k) ? RunEnd(k, e) : k;
      collate = NeedsCollate(i, j, k, re);
    } else if (j < e && (IsKw(j, JetKw::Between) || IsKw(j, JetKw::In) ||
                         (IsKw(j, JetKw::Not) && (IsKw(j + 1, JetKw::Between) || IsKw(j + 1, JetKw::In))))) {
      // x BETWEEN a AND b, x IN (...): the left side decides the collation.
      collate = j > i && !IsBareColumn(i, j) && !IsNumericRun(i, j);
    }
    if (collate) {
      LeadSpace(i);
      Put(QLatin1StringView("("));
      m_noSpace = true;
      Run(i, j);
      Put(QLatin1StringView(") COLLATE JETNOCASE"));
      i = j;
      continue;
    }
    if (mode == Mode::Ordinal && j == i + 1 && T(i).kind == JetToken::Number) {
      LeadSpace(i);
      Put(m_src.mid(T(i).pos, T(i).len));
    } else {
      Run(i, j);
    }
    i = j;
  }
}

void JetEmitter::Select(int b, int e, int skipB, int skipE) {
  // DISTINCT / DISTINCTROW / ALL and TOP n, in any order, before the select list.
  int i = b + 1;
  int top = -1;
  bool distinct = false, all = false;
  for (; i < e; ++i) {
    if (IsKw(i, JetKw::Distinct) || IsKw(i, JetKw::Distinctrow)) {
      distinct = true;
    } else if (IsKw(i, JetKw::All)) {
      all = true;
    } else if (IsKw(i, JetKw::Top)) {
      if (i + 1 >= e || T(i + 1).kind != JetToken::Number || !T(i + 1).isInt) {
        JetTokenizer::SyntaxError(QStringLiteral("TOP debe ir seguido de un número entero"));
      }
      if (IsKw(i + 2, JetKw::Percent)) {
        JetTokenizer::SyntaxError(QStringLiteral("TOP ... PERCENT no está admitido"));
      }
      top = ++i;
    } else {
      break;
    }
  }
  const int coreEnd = Find(i, e, JetKw::Union);
  // SQLite takes LIMIT only at the end of a compound: a TOP before UNION keeps its
  // rows in a subquery of its own.
  const bool wrap = top >= 0 && coreEnd < e;
  LeadSpace(b);
  Put(QLatin1StringView(wrap ? "SELECT * FROM (SELECT" : "SELECT"));
  if (distinct) Put(QLatin1StringView(" DISTINCT"));
  if (all) Put(QLatin1StringView(" ALL"));
  if (skipB >= 0 && skipB < coreEnd) {
    Range(i, skipB);
    Range(skipE, coreEnd);
  } else {
    Range(i, coreEnd);
  }
  if (top >= 0) {
    Put(QLatin1StringView(" LIMIT "));
    Put(m_src.mid(T(top).pos, T(top).len));
  }
  if (wrap) Put(QLatin1StringView(")"));
  if (coreEnd < e) Range(coreEnd, e);
}

bool JetEmitter::NeedsCollate(int lb, int le, int rb, int re) const {
  if (lb >= le || rb >= re) return false;
  const JetToken& op = T(le);
  if (op.op != JetOp::Eq && op.op != JetOp::Ne && op.op != JetOp::Lt && op.op != JetOp::Gt &&
      op.op != JetOp::Le && op.op != JetOp::Ge) {
    return false;
  }
  if (IsBareColumn(lb, le) || IsBareColumn(rb, re)) return false;
  return !IsNumericRun(lb, le) && !IsNumericRun(rb, re);
}

void JetEmitter::Run(int b, int e) {
  for (int j = b; j < e; j = ItemEnd(j, e)) {
    const JetToken& t = T(j);
    if (t.kind == JetToken::Op) {
      switch (t.op) {
        case JetOp::Plus:
        case JetOp::Slash:
        case JetOp::Backslash:
        case JetOp::Caret:
        case JetOp::Amp:
          return Tree(b, e);
        default:
          break;
      }
    } else if (t.kind == JetToken::Word && t.kw == JetKw::Mod) {
      return Tree(b, e);
    }
  }
  Flow(b, e);
}

void JetEmitter::Flow(int b, int e) {
  for (int j = b; j < e;) {
    const int k = ItemEnd(j, e);
    if (k == j + 1 && T(j).kind == JetToken::Op) {
      Tok(j);
    } else {
      Atom(j, k);
    }
    j = k;
  }
}

void JetEmitter::Tree(int b, int e) {
  std::vector<Node> nodes;
  nodes.reserve(static_cast<size_t>(e - b));
  TreeParser p(*this, b, e, nodes);
  const int root = p.Parse();
  if (root < 0) JetTokenizer::SyntaxError(QStringLiteral("falta un operando en una expresión"));
  LeadSpace(b);
  m_noSpace = true;
  EmitNode(nodes, root);
  m_noSpace = false;
  if (p.Stop() < e) Flow(p.Stop(), e);
}

void JetEmitter::EmitNode(const std::vector<Node>& nodes, int n) {
  const Node& nd = nodes[static_cast<size_t>(n)];
  if (nd.kind == Node::Leaf) {
    m_noSpace = true;
    Atom(nd.a, nd.b);
    return;
  }
  const JetToken& op = T(nd.op);
  if (nd.kind == Node::Unary) {
    if (op.op == JetOp::Minus) Put(QLatin1StringView("-"));
    EmitNode(nodes, nd.a);
    return;
  }
  auto call = [&](const char* name) {
    Put(QLatin1StringView(name));
    EmitNode(nodes, nd.a);
    Put(QLatin1StringView(","));
    EmitNode(nodes, nd.b);
    Put(QLatin1StringView(")"));
  };
  auto infix = [&](const char* sign) {
    EmitNode(nodes, nd.a);
    Put(QLatin1StringView(sign));
    EmitNode(nodes, nd.b);
  };
  if (op.kind == JetToken::Word) return call("jet_mod(");  // Mod
  switch (op.op) {
    case JetOp::Caret:
      return call("jet_pow(");
    case JetOp::Slash:
      return call("jet_div(");
    case JetOp::Backslash:
      return call("jet_idiv(");
    case JetOp::Plus:
      if (nodes[static_cast<size_t>(nd.a)].numeric || nodes[static_cast<size_t>(nd.b)].numeric)
        return infix("+");
      return call("jet_add(");
    case JetOp::Amp: {
      // a & b & c is one call: the left-nested chain is flattened.
      int operands[64];
      int count = 0;
      int cur = n;
      while (count < 63 && nodes[static_cast<size_t>(cur)].kind == Node::Binary &&
             T(nodes[static_cast<size_t>(cur)].op).kind == JetToken::Op &&
             T(nodes[static_cast<size_t>(cur)].op).op == JetOp::Amp) {
        operands[count++] = nodes[static_cast<size_t>(cur)].b;
        cur = nodes[static_cast<size_t>(cur)].a;
      }
      operands[count++] = cur;
      Put(QLatin1StringView("jet_cat("));
      for (int k = count - 1; k >= 0; --k) {
        EmitNode(nodes, operands[k]);
        if (k > 0) Put(QLatin1StringView(","));
      }
      Put(QLatin1StringView(")"));
      return;
    }
    case JetOp::Minus:
      return infix("-");
    default:
      return infix("*");
  }
}

void JetEmitter::Atom(int b, int e) {
  const JetToken& t = T(b);
  switch (t.kind) {
    case JetToken::Number:
    case JetToken::String:
    case JetToken::Date:
      return Literal(b);
    case JetToken::Quoted:
      return Chain(b, e);
    case JetToken::Word:
      switch (t.kw) {
        case JetKw::True:
          LeadSpace(b);
          return Put(QLatin1StringView("1"));
        case JetKw::False:
          LeadSpace(b);
          return Put(QLatin1StringView("0"));
        case JetKw::Null:
          return Tok(b);
        case JetKw::Case:
          LeadSpace(b);
          Put(QLatin1StringView("CASE"));
          Range(b + 1, e - 1);
          Space();
          return Put(QLatin1StringView("END"));
        default:
          break;
      }
      if (IsCall(b)) return Call(b);
      return Chain(b, e);
    case JetToken::Op:
      if (t.op == JetOp::LParen) {
        LeadSpace(b);
        Put(QLatin1StringView("("));
        m_noSpace = true;
        if (IsKw(b + 1, JetKw::Select)) {
          Select(b + 1, e - 1);
        } else {
          Range(b + 1, e - 1);
        }
        m_noSpace = false;
        Put(QLatin1StringView(")"));
        return;
      }
      return Tok(b);
  }
}

void JetEmitter::Call(int i) {
  const QStringView name = NameOf(i);
  const JetFunctionNames::Entry* f = JetFunctionNames::Lookup(name);
  const int open = i + 1;
  const int close = T(open).match;
  LeadSpace(i);
  if (f && f->kind == JetFunctionNames::Kind::IsNull) {
    for (int j = open + 1; j < close; ++j) {
      if (IsOp(j, JetOp::LParen)) {
        j = T(j).match;
      } else if (IsOp(j, JetOp::Comma)) {
        JetTokenizer::SyntaxError(QStringLiteral("IsNull admite un solo argumento"));
      }
    }
    if (open + 1 == close) JetTokenizer::SyntaxError(QStringLiteral("IsNull necesita un argumento"));
    Put(QLatin1StringView("(("));
    m_noSpace = true;
    Range(open + 1, close);
    m_noSpace = false;
    Put(QLatin1StringView(") IS NULL)"));
    return;
  }
  if (f && f->kind == JetFunctionNames::Kind::Rename) {
    Put(QLatin1StringView(f->sql));
  } else {
    Put(name);
  }
  Put(QLatin1StringView("("));
  m_noSpace = true;
  Range(open + 1, close);
  m_noSpace = false;
  Put(QLatin1StringView(")"));
}
