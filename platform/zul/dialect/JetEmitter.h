#pragma once
// Writes the SQLite text of Jet expressions and clauses from tokens: literals become
// parameters, Jet functions their jet_ counterparts, Jet operators keep their meaning
// (see JetEmitter.cpp), and text comparisons of computed values get the collation.

#include "platform/zul/dialect/JetTokenizer.h"
#include "platform/zul/dialect/JetTranslator.h"

#include <QStringView>
#include <vector>

class JetEmitter {
public:
  JetEmitter(QStringView source, const std::vector<JetToken>& tokens, SqliteStatement& out);

  // A clause or expression list: tokens [b, e).
  void Range(int b, int e);
  // A SELECT (b at the keyword) up to e, with TOP/DISTINCTROW handled; the tokens
  // [skipB, skipE) are left out (the INTO part of SELECT ... INTO).
  void Select(int b, int e, int skipB = -1, int skipE = -1);
  // A name token as an SQLite identifier ([a b] becomes "a b").
  void Name(int i);
  // A dotted name (a.b, [a].[b], t.*) spanning [b, e).
  void Chain(int b, int e);

  void Put(QLatin1StringView text);
  void Put(QStringView text);
  void Space();                         // a blank unless the text already ends with one or with '('
  void NoSpace() { m_noSpace = true; }  // the next token gets no leading blank
  // Tokens [b, e) as they are, but names and texts in SQLite's quoting (statements
  // such as CREATE TABLE, where parameters are not allowed).
  void Raw(int b, int e);

  // Token helpers shared with the statement rewrites.
  const JetToken& T(int i) const { return m_tokens[static_cast<size_t>(i)]; }
  bool IsKw(int i, JetKw kw) const;
  bool IsOp(int i, JetOp op) const;
  bool IsName(int i) const;  // a Word that is not a keyword, or a [quoted] name
  // End of the dotted name starting at i (i itself when there is none).
  int ChainEnd(int i, int e) const;
  // The next token at depth 0 in [b, e) that is the keyword, or e.
  int Find(int b, int e, JetKw kw) const;
  // End of the atom or operator at i (a parenthesised group, a call or CASE...END counts as one).
  int ItemEnd(int i, int e) const;
  // True when [b, e) is a column reference, possibly in parentheses.
  bool IsBareColumn(int b, int e) const;
  QStringView Source() const { return m_src; }

private:
  struct Node;
  class TreeParser;

  bool IsSeparator(int i) const;
  bool IsCall(int i) const;  // a function name followed by '('
  int RunEnd(int i, int e) const;
  void Run(int b, int e);
  void Flow(int b, int e);
  void Tree(int b, int e);
  void Atom(int b, int e);
  void Call(int i);
  void Tok(int i);  // the token's own text
  void Literal(int i);
  bool NeedsCollate(int lb, int le, int rb, int re) const;
  bool IsNumericRun(int b, int e) const;
  bool IsNumericAtom(int b, int e) const;
  QStringView NameOf(int i) const;
  void EmitNode(const std::vector<Node>& nodes, int n);
  void LeadSpace(int i);

  QStringView m_src;
  const std::vector<JetToken>& m_tokens;
  SqliteStatement& m_out;
  bool m_noSpace = false;  // the next token gets no leading blank
};
