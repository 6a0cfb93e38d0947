#include "platform/zul/dialect/JetTranslator.h"

#include "platform/zul/dialect/JetEmitter.h"
#include "platform/zul/dialect/JetJoin.h"
#include "platform/zul/dialect/JetTokenizer.h"

#include "platform/core/Exceptions.h"

#include <algorithm>

// Statement rewrites. SQLite lacks three Jet forms that the rules use:
// - UPDATE over a join: SQLite updates one table per statement and takes the new
//   values from an UPDATE ... FROM. The values of every target are computed first
//   (for several targets into a temporary table), so each expression sees the rows as
//   they were before the statement, as in Jet.
// - DELETE t.* FROM <join>: becomes DELETE FROM t WHERE rowid IN (SELECT t.rowid ...).
// - SELECT TOP n / DISTINCTROW / SELECT ... INTO t: LIMIT n / DISTINCT / CREATE TABLE AS.

namespace {

using TableRef = JetJoin::TableRef;

bool SameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

class StatementWriter {
public:
  StatementWriter(QStringView src, const std::vector<JetToken>& tokens, JetTranslation& out)
      : m_src(src), m_tokens(tokens), m_out(out) {
    for (const JetToken& t : tokens) {
      m_literals += t.kind == JetToken::String || t.kind == JetToken::Number || t.kind == JetToken::Date;
    }
  }

  void Write(int b, int e);

private:
  JetEmitter New() {
    SqliteStatement& st = m_out.statements.emplace_back();
    st.sql.reserve(m_src.size() + 16);
    st.params.reserve(m_literals);
    return JetEmitter(m_src, m_tokens, st);
  }
  const JetToken& T(int i) const { return m_tokens[static_cast<size_t>(i)]; }
  QStringView NameOf(int i) const { return JetTokenizer::NameOf(m_src, T(i)); }

  void WriteSelect(int b, int e);
  void WriteInsert(int b, int e);
  void WriteUpdate(int b, int e);
  void WriteDelete(int b, int e);
  bool IsSimpleTable(const JetEmitter& em, int b, int e) const;
  int FindRef(const std::vector<TableRef>& refs, QStringView qualifier) const;
  // Raises when the target sits in a parenthesised join that could not be flattened.
  void CheckReachable(const JetJoin& join, const TableRef& ref) const;
  int RefBySuffix(const std::vector<TableRef>& refs, QStringView field) const;
  // The name to qualify the columns of a reference with: its alias, else its name.
  int QualifierOf(const TableRef& ref) const { return ref.alias >= 0 ? ref.alias : ref.name; }

  QStringView m_src;
  const std::vector<JetToken>& m_tokens;
  JetTranslation& m_out;
  int m_literals = 0;
};

bool StatementWriter::IsSimpleTable(const JetEmitter& em, int b, int e) const {
  if (!em.IsName(b)) return false;
  if (e == b + 1) return true;
  if (e == b + 2) return em.IsName(b + 1);
  return e == b + 3 && em.IsKw(b + 1, JetKw::As) && em.IsName(b + 2);
}

int StatementWriter::FindRef(const std::vector<TableRef>& refs, QStringView qualifier) const {
  for (size_t k = 0; k < refs.size(); ++k) {
    if (refs[k].alias >= 0 && SameName(NameOf(refs[k].alias), qualifier)) return static_cast<int>(k);
  }
  for (size_t k = 0; k < refs.size(); ++k) {
    if (refs[k].alias < 0 && SameName(NameOf(refs[k].name), qualifier)) return static_cast<int>(k);
  }
  for (size_t k = 0; k < refs.size(); ++k) {
    if (SameName(NameOf(refs[k].name), qualifier)) return static_cast<int>(k);
  }
  JetTokenizer::SyntaxError(QStringLiteral("la tabla %1 no forma parte de la instrucción").arg(qualifier));
}

void StatementWriter::CheckReachable(const JetJoin& join, const TableRef& ref) const {
  if (!join.IsFlat() && ref.nested) {
    throw EDatabaseError(
        QStringLiteral("No se puede modificar la tabla %1: está dentro de una combinación entre "
                       "paréntesis que no se puede reescribir.")
            .arg(NameOf(ref.name)));
  }
}

// A field ABCT14 belongs to the table of the join whose name starts with "T14".
int StatementWriter::RefBySuffix(const std::vector<TableRef>& refs, QStringView field) const {
  if (field.size() >= 3 && field[field.size() - 1].isDigit() && field[field.size() - 2].isDigit()) {
    const QStringView digits = field.right(2);
    for (size_t k = 0; k < refs.size(); ++k) {
      const QStringView table = NameOf(refs[k].name);
      if (table.size() >= 3 && (table[0] == u'T' || table[0] == u't') && table.mid(1, 2) == digits) {
        return static_cast<int>(k);
      }
    }
  }
  return 0;
}

void StatementWriter::Write(int b, int e) {
  int first = b;
  while (first < e && T(first).kind == JetToken::Op && T(first).op == JetOp::LParen) ++first;
  const JetToken& t = T(first);
  const JetKw kw = t.kind == JetToken::Word ? t.kw : JetKw::None;
  if (first == b) {
    switch (kw) {
      case JetKw::Select:
        return WriteSelect(b, e);
      case JetKw::Insert:
        return WriteInsert(b, e);
      case JetKw::Update:
        return WriteUpdate(b, e);
      case JetKw::Delete:
        return WriteDelete(b, e);
      default:
        break;
    }
  }
  if (kw == JetKw::Select || (t.kind == JetToken::Word && SameName(NameOf(first), u"WITH"))) {
    New().Range(b, e);
    m_out.isQuery = true;
    return;
  }
  New().Raw(b, e);  // CREATE, DROP, PRAGMA, ...
  m_out.isQuery = false;
}

void StatementWriter::WriteSelect(int b, int e) {
  JetEmitter em = New();
  const int from = em.Find(b + 1, e, JetKw::From);
  const int into = em.Find(b + 1, from, JetKw::Into);
  if (into < from) {
    if (!em.IsName(into + 1)) JetTokenizer::SyntaxError(QStringLiteral("falta la tabla de destino de INTO"));
    em.Put(QLatin1StringView("CREATE TABLE "));
    em.NoSpace();
    em.Name(into + 1);
    em.Put(QLatin1StringView(" AS "));
    em.NoSpace();
    em.Select(b, e, into, into + 2);
    m_out.isQuery = false;
    return;
  }
  em.Select(b, e);
  m_out.isQuery = true;
}

void StatementWriter::WriteInsert(int b, int e) {
  JetEmitter em = New();
  m_out.isQuery = false;
  int i = b + 1;
  if (!em.IsKw(i, JetKw::Into)) JetTokenizer::SyntaxError(QStringLiteral("falta INTO en INSERT"));
  ++i;
  if (!em.IsName(i)) JetTokenizer::SyntaxError(QStringLiteral("falta la tabla de INSERT INTO"));
  em.Put(QLatin1StringView("INSERT INTO "));
  em.NoSpace();
  em.Name(i++);
  if (em.IsOp(i, JetOp::LParen) && !em.IsKw(i + 1, JetKw::Select)) {
    const int close = T(i).match;
    em.Put(QLatin1StringView(" ("));
    for (int j = i + 1; j < close; ++j) {
      if (em.IsOp(j, JetOp::Comma)) {
        em.Put(QLatin1StringView(","));
      } else if (em.IsName(j)) {
        em.NoSpace();
        em.Name(j);
      } else {
        JetTokenizer::SyntaxError(QStringLiteral("lista de campos de INSERT INTO no válida"));
      }
    }
    em.Put(QLatin1StringView(")"));
    i = close + 1;
  }
  if (i >= e) JetTokenizer::SyntaxError(QStringLiteral("falta VALUES o SELECT en INSERT INTO"));
  em.Space();
  em.NoSpace();
  if (em.IsKw(i, JetKw::Select)) {
    em.Select(i, e);
  } else {
    em.Range(i, e);
  }
}

void StatementWriter::WriteUpdate(int b, int e) {
  m_out.isQuery = false;
  JetEmitter probe = New();
  const int set = probe.Find(b + 1, e, JetKw::Set);
  if (set >= e || set == b + 1) JetTokenizer::SyntaxError(QStringLiteral("falta SET en UPDATE"));
  const int where = probe.Find(set + 1, e, JetKw::Where);

  struct Assign {
    int field;      // token of the field name
    int qualifier;  // token of its table name or alias, or -1
    int exprB, exprE;
    int target = 0;  // index into the table references
  };
  std::vector<Assign> assigns;
  for (int i = set + 1; i < where;) {
    int end = i;
    while (end < where && !probe.IsOp(end, JetOp::Comma))
      end = probe.IsOp(end, JetOp::LParen) ? T(end).match + 1 : end + 1;
    const int chainEnd = probe.ChainEnd(i, end);
    if (chainEnd == i || !probe.IsOp(chainEnd, JetOp::Eq) || probe.IsOp(chainEnd - 1, JetOp::Star)) {
      JetTokenizer::SyntaxError(QStringLiteral("asignación de SET no válida"));
    }
    if (chainEnd + 1 >= end)
      JetTokenizer::SyntaxError(QStringLiteral("falta el valor de una asignación de SET"));
    Assign a;
    a.field = chainEnd - 1;
    a.qualifier = chainEnd - i >= 3 ? chainEnd - 3 : -1;
    a.exprB = chainEnd + 1;
    a.exprE = end;
    assigns.push_back(a);
    i = end < where ? end + 1 : end;
  }
  if (assigns.empty()) JetTokenizer::SyntaxError(QStringLiteral("falta la lista de SET en UPDATE"));

  auto writeWhere = [&](JetEmitter& em) {
    if (where < e) {
      em.Put(QLatin1StringView(" WHERE "));
      em.NoSpace();
      em.Range(where + 1, e);
    }
  };

  if (IsSimpleTable(probe, b + 1, set)) {
    JetEmitter& em = probe;
    em.Put(QLatin1StringView("UPDATE "));
    em.NoSpace();
    em.Range(b + 1, set);
    em.Put(QLatin1StringView(" SET "));
    for (size_t k = 0; k < assigns.size(); ++k) {
      if (k > 0) em.Put(QLatin1StringView(","));
      em.NoSpace();
      em.Name(assigns[k].field);
      em.Put(QLatin1StringView("="));
      em.NoSpace();
      em.Range(assigns[k].exprB, assigns[k].exprE);
    }
    writeWhere(em);
    return;
  }

  const JetJoin join(probe, b + 1, set);
  const std::vector<TableRef>& refs = join.Tables();
  std::vector<int> targets;  // reference indexes in order of first use
  for (Assign& a : assigns) {
    a.target = a.qualifier >= 0 ? FindRef(refs, NameOf(a.qualifier)) : RefBySuffix(refs, NameOf(a.field));
    if (std::find(targets.begin(), targets.end(), a.target) == targets.end()) {
      targets.push_back(a.target);
      CheckReachable(join, refs[static_cast<size_t>(a.target)]);
    }
  }

  // The SELECT over the original join that computes every new value: the rowid of
  // each target (__r<k>) and each expression (__c<n>).
  auto writeValues = [&](JetEmitter& em) {
    em.Put(QLatin1StringView("SELECT "));
    for (size_t k = 0; k < targets.size(); ++k) {
      em.NoSpace();
      em.Name(QualifierOf(refs[static_cast<size_t>(targets[k])]));
      em.Put(QStringLiteral(".rowid AS __r%1,").arg(k + 1));
    }
    for (size_t n = 0; n < assigns.size(); ++n) {
      if (n > 0) em.Put(QLatin1StringView(","));
      em.NoSpace();
      em.Range(assigns[n].exprB, assigns[n].exprE);
      em.Put(QStringLiteral(" AS __c%1").arg(n + 1));
    }
    em.Put(QLatin1StringView(" FROM "));
    join.Write(em);
    writeWhere(em);
  };
  auto writeUpdate = [&](JetEmitter& em, size_t k, QLatin1StringView source) {
    const TableRef& ref = refs[static_cast<size_t>(targets[k])];
    em.Put(QLatin1StringView("UPDATE "));
    em.NoSpace();
    em.Name(ref.name);
    em.Put(QLatin1StringView(" SET "));
    bool firstSet = true;
    for (size_t n = 0; n < assigns.size(); ++n) {
      if (assigns[n].target != targets[k]) continue;
      if (!firstSet) em.Put(QLatin1StringView(","));
      firstSet = false;
      em.NoSpace();
      em.Name(assigns[n].field);
      em.Put(QStringLiteral("=__u.__c%1").arg(n + 1));
    }
    em.Put(QLatin1StringView(" FROM "));
    em.Put(source);
    em.Put(QLatin1StringView(" AS __u WHERE "));
    em.NoSpace();
    em.Name(ref.name);
    em.Put(QStringLiteral(".rowid=__u.__r%1").arg(k + 1));
  };

  if (targets.size() == 1) {
    // UPDATE A SET f=__u.__c1 FROM (SELECT a.rowid AS __r1, <expr> AS __c1 FROM <join> WHERE ...) AS __u
    // WHERE A.rowid=__u.__r1, written in text order so the parameters come out in order.
    JetEmitter& em = probe;
    const TableRef& ref = refs[static_cast<size_t>(targets[0])];
    em.Put(QLatin1StringView("UPDATE "));
    em.NoSpace();
    em.Name(ref.name);
    em.Put(QLatin1StringView(" SET "));
    for (size_t n = 0; n < assigns.size(); ++n) {
      if (n > 0) em.Put(QLatin1StringView(","));
      em.NoSpace();
      em.Name(assigns[n].field);
      em.Put(QStringLiteral("=__u.__c%1").arg(n + 1));
    }
    em.Put(QLatin1StringView(" FROM ("));
    writeValues(em);
    em.Put(QLatin1StringView(") AS __u WHERE "));
    em.NoSpace();
    em.Name(ref.name);
    em.Put(QLatin1StringView(".rowid=__u.__r1"));
    return;
  }
  probe.Put(QLatin1StringView("DROP TABLE IF EXISTS temp.__jet_upd"));
  m_out.statements.reserve(m_out.statements.size() + targets.size() + 2);  // emitters hold references
  {
    JetEmitter em = New();
    em.Put(QLatin1StringView("CREATE TEMP TABLE __jet_upd AS "));
    writeValues(em);
  }
  for (size_t k = 0; k < targets.size(); ++k) {
    JetEmitter em = New();
    writeUpdate(em, k, QLatin1StringView("temp.__jet_upd"));
  }
  New().Put(QLatin1StringView("DROP TABLE temp.__jet_upd"));
}

void StatementWriter::WriteDelete(int b, int e) {
  JetEmitter em = New();
  m_out.isQuery = false;
  int i = b + 1;
  int target = -1;
  if (em.IsOp(i, JetOp::Star)) {
    ++i;
  } else if (em.IsName(i)) {
    const int c = em.ChainEnd(i, e);
    target = em.IsOp(c - 1, JetOp::Star) ? c - 3 : c - 1;
    if (target < i) JetTokenizer::SyntaxError(QStringLiteral("tabla de DELETE no válida"));
    i = c;
    if (em.IsOp(i, JetOp::Comma)) {
      JetTokenizer::SyntaxError(QStringLiteral("DELETE solo puede borrar registros de una tabla"));
    }
  }
  if (!em.IsKw(i, JetKw::From)) JetTokenizer::SyntaxError(QStringLiteral("falta FROM en DELETE"));
  const int from = i;
  const int where = em.Find(from + 1, e, JetKw::Where);
  auto writeWhere = [&] {
    if (where < e) {
      em.Put(QLatin1StringView(" WHERE "));
      em.NoSpace();
      em.Range(where + 1, e);
    }
  };
  if (IsSimpleTable(em, from + 1, where)) {
    em.Put(QLatin1StringView("DELETE FROM "));
    em.NoSpace();
    em.Range(from + 1, where);
    writeWhere();
    return;
  }
  const JetJoin join(em, from + 1, where);
  const std::vector<TableRef>& refs = join.Tables();
  if (target < 0) {
    throw EDatabaseError(
        QStringLiteral("Especifique la tabla que contiene los registros que desea eliminar."));
  }
  const TableRef& ref = refs[static_cast<size_t>(FindRef(refs, NameOf(target)))];
  CheckReachable(join, ref);
  // The target gets an alias of its own, so that the inner rowid can never resolve to it:
  // a name the join cannot supply is then an error, not a match of every row.
  em.Put(QLatin1StringView("DELETE FROM "));
  em.NoSpace();
  em.Name(ref.name);
  em.Put(QLatin1StringView(" AS __d WHERE __d.rowid IN (SELECT "));
  em.NoSpace();
  em.Name(QualifierOf(ref));
  em.Put(QLatin1StringView(".rowid FROM "));
  join.Write(em);
  writeWhere();
  em.Put(QLatin1StringView(")"));
}

QString SqlLiteral(const QVariant& v) {
  if (v.isNull()) return QStringLiteral("NULL");
  switch (v.typeId()) {
    case QMetaType::QString: {
      QString s = v.toString();
      s.replace(u'\'', QLatin1StringView("''"));
      return u'\'' + s + u'\'';
    }
    case QMetaType::Double:
    case QMetaType::Float: {
      QString s = QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
      if (!s.contains(u'.') && !s.contains(u'e') && !s.contains(u'n') && !s.contains(u'i'))
        s += QLatin1StringView(".0");
      return s;
    }
    case QMetaType::Bool:
      return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
      return v.toString();
  }
}

}  // namespace

QString JetTranslation::Display() const {
  QString all;
  for (size_t k = 0; k < statements.size(); ++k) {
    const SqliteStatement& st = statements[k];
    if (k > 0) all += QLatin1StringView(";\n");
    qsizetype param = 0;
    QChar quote;
    for (QChar c : st.sql) {
      if (!quote.isNull()) {
        if (c == quote) quote = QChar();
        all += c;
      } else if (c == u'\'' || c == u'"') {
        quote = c;
        all += c;
      } else if (c == u'?' && param < st.params.size()) {
        all += SqlLiteral(st.params[param++]);
      } else {
        all += c;
      }
    }
  }
  return all;
}

JetTranslation JetTranslator::Translate(const QString& jetSql) {
  thread_local std::vector<JetToken> tokens;
  JetTokenizer::Tokenize(jetSql, tokens);
  JetTranslation out;
  StatementWriter writer(jetSql, tokens, out);
  const int n = static_cast<int>(tokens.size());
  for (int b = 0; b < n;) {
    int e = b;
    while (e < n && !(tokens[static_cast<size_t>(e)].kind == JetToken::Op &&
                      tokens[static_cast<size_t>(e)].op == JetOp::Semicolon)) {
      ++e;
    }
    if (e > b) writer.Write(b, e);
    b = e + 1;
  }
  if (out.statements.empty()) throw EDatabaseError(QStringLiteral("La instrucción SQL está vacía."));
  return out;
}
