#pragma once
// The table expression of a Jet UPDATE or DELETE (names, aliases, INNER/LEFT/RIGHT
// joins, parentheses, commas), read into a join tree.
//
// SQLite cannot name the rowid of a table inside a parenthesised join, which the
// UPDATE and DELETE rewrites need. Write() therefore flattens the tree where that
// keeps its meaning: "A RIGHT JOIN (B ...) ON c" is "(B ...) LEFT JOIN A ON c", so
// Jet's right-nested RIGHT JOIN chains become left-deep LEFT JOIN chains; a group of
// inner joins joins in place with its ON conditions moved to its last table.

#include "platform/zul/dialect/JetEmitter.h"

#include <vector>

class JetJoin {
public:
  struct TableRef {
    int name = -1;        // token of the table name
    int alias = -1;       // token of its alias, or -1
    bool nested = false;  // inside parentheses in the original text
  };

  // Reads tokens [b, e); raises EDatabaseError when they are not a table expression.
  JetJoin(const JetEmitter& em, int b, int e);

  const std::vector<TableRef>& Tables() const { return m_tables; }
  // True when Write() leaves no parenthesised join, so every table can be named.
  bool IsFlat() const { return m_flat; }
  void Write(JetEmitter& em) const;

private:
  enum class Type { Comma, Inner, Left, Right, Other };
  struct Node {
    bool isTable = true;
    int b = 0, e = 0;  // table: "name [AS alias]" or a derived table; join: the join words
    int left = -1, right = -1;
    Type type = Type::Comma;
    int condB = -1, condE = -1;  // the ON condition, if any
  };
  struct Step {
    Type type;
    int node;
    std::vector<int> conds;  // join nodes whose ON conditions apply here
  };

  int Expr(int i, int e, int depth, int& next);
  int Item(int i, int e, int depth, int& next);
  bool IsJoinWord(int i) const;
  bool Flatten(int n, std::vector<Step>& out) const;
  bool AllInner(int n) const;
  [[noreturn]] static void Fail();

  const JetEmitter& m_em;
  int m_b, m_e;
  std::vector<Node> m_nodes;
  std::vector<TableRef> m_tables;
  std::vector<Step> m_steps;
  int m_root = -1;
  bool m_flat = false;
};
