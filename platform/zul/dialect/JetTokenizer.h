#pragma once
// Splits Jet SQL text into tokens: names, [bracketed] names, 'single' and "double"
// quoted texts, numbers, #date# literals and operators. Keywords are recognised
// case-insensitively. Parentheses are matched while tokenizing.

#include <QString>
#include <QStringView>
#include <vector>

// Keywords that change how a statement is read; any other word is a plain name.
enum class JetKw : unsigned char {
  None,
  All,
  And,
  Any,
  As,
  Asc,
  Between,
  By,
  Case,
  Create,
  Cross,
  Delete,
  Desc,
  Distinct,
  Distinctrow,
  Drop,
  Else,
  End,
  Escape,
  Exists,
  False,
  From,
  Full,
  Group,
  Having,
  In,
  Inner,
  Insert,
  Into,
  Is,
  Join,
  Left,
  Like,
  Limit,
  Mod,
  Not,
  Null,
  Offset,
  On,
  Or,
  Order,
  Outer,
  Percent,
  Right,
  Select,
  Set,
  Some,
  Table,
  Then,
  Top,
  True,
  Union,
  Update,
  Values,
  When,
  Where,
  Xor,
};

enum class JetOp : unsigned char {
  None,
  Eq,
  Ne,
  Lt,
  Gt,
  Le,
  Ge,
  Plus,
  Minus,
  Star,
  Slash,
  Backslash,
  Amp,
  Caret,
  LParen,
  RParen,
  Comma,
  Dot,
  Semicolon,
  Bang,
};

struct JetToken {
  enum Kind : unsigned char { Word, Quoted, String, Number, Date, Op };
  Kind kind = Op;
  JetKw kw = JetKw::None;    // Word: the keyword it spells, if any
  JetOp op = JetOp::None;    // Op
  bool spaceBefore = false;  // blanks separate it from the previous token
  bool escaped = false;      // String: holds doubled quotes
  bool isInt = false;        // Number: an integer literal that fits in 64 bits
  int pos = 0;               // span in the source text, quotes and brackets included
  int len = 0;
  int match = -1;        // LParen/RParen: index of the matching parenthesis
  qint64 intValue = 0;   // Number with isInt
  double realValue = 0;  // Number without isInt; Date: its day number
};

class JetTokenizer {
public:
  // Fills tokens (cleared first); raises EDatabaseError on an unterminated text,
  // name or date literal, an invalid date, a stray character or unbalanced parentheses.
  static void Tokenize(QStringView text, std::vector<JetToken>& tokens);

  // The text of a String token, quotes removed and doubled quotes undone.
  static QString StringValue(QStringView text, const JetToken& token);
  // The name inside a Word or Quoted token (brackets removed).
  static QStringView NameOf(QStringView text, const JetToken& token);

  // The keyword in upper case ("" for JetKw::None).
  static const char* KeywordName(JetKw kw);

  // "Error de sintaxis en la instrucción SQL: " + detail.
  [[noreturn]] static void SyntaxError(const QString& detail);
};
