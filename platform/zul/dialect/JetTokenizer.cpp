#include "platform/zul/dialect/JetTokenizer.h"

#include "platform/core/Exceptions.h"
#include "platform/zul/dialect/JetDates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

struct KeywordEntry {
  const char* name;
  JetKw kw;
};

// Sorted by name for the binary search.
constexpr KeywordEntry kKeywords[] = {
    {"ALL", JetKw::All},
    {"AND", JetKw::And},
    {"ANY", JetKw::Any},
    {"AS", JetKw::As},
    {"ASC", JetKw::Asc},
    {"BETWEEN", JetKw::Between},
    {"BY", JetKw::By},
    {"CASE", JetKw::Case},
    {"CREATE", JetKw::Create},
    {"CROSS", JetKw::Cross},
    {"DELETE", JetKw::Delete},
    {"DESC", JetKw::Desc},
    {"DISTINCT", JetKw::Distinct},
    {"DISTINCTROW", JetKw::Distinctrow},
    {"DROP", JetKw::Drop},
    {"ELSE", JetKw::Else},
    {"END", JetKw::End},
    {"ESCAPE", JetKw::Escape},
    {"EXISTS", JetKw::Exists},
    {"FALSE", JetKw::False},
    {"FROM", JetKw::From},
    {"FULL", JetKw::Full},
    {"GROUP", JetKw::Group},
    {"HAVING", JetKw::Having},
    {"IN", JetKw::In},
    {"INNER", JetKw::Inner},
    {"INSERT", JetKw::Insert},
    {"INTO", JetKw::Into},
    {"IS", JetKw::Is},
    {"JOIN", JetKw::Join},
    {"LEFT", JetKw::Left},
    {"LIKE", JetKw::Like},
    {"LIMIT", JetKw::Limit},
    {"MOD", JetKw::Mod},
    {"NOT", JetKw::Not},
    {"NULL", JetKw::Null},
    {"OFFSET", JetKw::Offset},
    {"ON", JetKw::On},
    {"OR", JetKw::Or},
    {"ORDER", JetKw::Order},
    {"OUTER", JetKw::Outer},
    {"PERCENT", JetKw::Percent},
    {"RIGHT", JetKw::Right},
    {"SELECT", JetKw::Select},
    {"SET", JetKw::Set},
    {"SOME", JetKw::Some},
    {"TABLE", JetKw::Table},
    {"THEN", JetKw::Then},
    {"TOP", JetKw::Top},
    {"TRUE", JetKw::True},
    {"UNION", JetKw::Union},
    {"UPDATE", JetKw::Update},
    {"VALUES", JetKw::Values},
    {"WHEN", JetKw::When},
    {"WHERE", JetKw::Where},
    {"XOR", JetKw::Xor},
};

JetKw LookupKeyword(const QChar* s, qsizetype n) {
  if (n < 2 || n > 11) return JetKw::None;
  char buf[12];
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = s[i].unicode();
    if (c >= u'a' && c <= u'z') {
      buf[i] = static_cast<char>(c - 32);
    } else if (c >= u'A' && c <= u'Z') {
      buf[i] = static_cast<char>(c);
    } else {
      return JetKw::None;
    }
  }
  buf[n] = 0;
  const auto* end = std::end(kKeywords);
  const auto* it =
      std::lower_bound(std::begin(kKeywords), end, buf,
                       [](const KeywordEntry& e, const char* k) { return std::strcmp(e.name, k) < 0; });
  return it != end && std::strcmp(it->name, buf) == 0 ? it->kw : JetKw::None;
}

bool IsNameStart(QChar c) {
  const char16_t u = c.unicode();
  if (u < 128) return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_';
  return c.isLetter();
}

bool IsNamePart(QChar c) {
  const char16_t u = c.unicode();
  if (u < 128) return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
  return c.isLetterOrNumber();
}

bool IsBlank(char16_t u) { return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f' || u == '\v'; }

QString At(qsizetype pos) { return QStringLiteral(" (posición %1)").arg(pos + 1); }

}  // namespace

const char* JetTokenizer::KeywordName(JetKw kw) {
  static const auto names = [] {
    std::array<const char*, 256> n{};
    n.fill("");
    for (const KeywordEntry& e : kKeywords) n[static_cast<size_t>(e.kw)] = e.name;
    return n;
  }();
  return names[static_cast<size_t>(kw)];
}

void JetTokenizer::SyntaxError(const QString& detail) {
  throw EDatabaseError(QStringLiteral("Error de sintaxis en la instrucción SQL: ") + detail);
}

void JetTokenizer::Tokenize(QStringView text, std::vector<JetToken>& tokens) {
  tokens.clear();
  const QChar* s = text.data();
  const qsizetype n = text.size();
  // Open parentheses waiting for their match, kept on the stack for the usual depths.
  int stackLocal[64];
  std::vector<int> stackHeap;
  int depth = 0;
  bool space = false;
  qsizetype i = 0;
  while (i < n) {
    const char16_t c = s[i].unicode();
    if (IsBlank(c)) {
      space = true;
      ++i;
      continue;
    }
    JetToken t;
    t.pos = static_cast<int>(i);
    t.spaceBefore = space;
    space = false;
    if (IsNameStart(s[i])) {
      qsizetype j = i + 1;
      while (j < n && IsNamePart(s[j])) ++j;
      if (j < n && s[j] == u'$') ++j;  // Left$, Mid$, ...
      t.kind = JetToken::Word;
      t.kw = LookupKeyword(s + i, j - i);
      i = j;
    } else if (c == '[' || c == '`') {
      const char16_t close = c == '[' ? ']' : '`';
      qsizetype j = i + 1;
      while (j < n && s[j].unicode() != close) ++j;
      if (j >= n) SyntaxError(QStringLiteral("falta el corchete de cierre de un nombre") + At(i));
      if (j == i + 1) SyntaxError(QStringLiteral("nombre vacío entre corchetes") + At(i));
      t.kind = JetToken::Quoted;
      i = j + 1;
    } else if (c == '\'' || c == '"') {
      qsizetype j = i + 1;
      for (;;) {
        while (j < n && s[j].unicode() != c) ++j;
        if (j >= n) SyntaxError(QStringLiteral("falta la comilla de cierre de un texto") + At(i));
        if (j + 1 < n && s[j + 1].unicode() == c) {
          t.escaped = true;
          j += 2;
          continue;
        }
        break;
      }
      t.kind = JetToken::String;
      i = j + 1;
    } else if ((c >= '0' && c <= '9') || (c == '.' && i + 1 < n && s[i + 1].isDigit())) {
      qsizetype j = i;
      bool real = false;
      while (j < n && s[j].isDigit()) ++j;
      if (j < n && s[j] == u'.') {
        real = true;
        ++j;
        while (j < n && s[j].isDigit()) ++j;
      }
      if (j < n && (s[j] == u'e' || s[j] == u'E')) {
        qsizetype k = j + 1;
        if (k < n && (s[k] == u'+' || s[k] == u'-')) ++k;
        if (k < n && s[k].isDigit()) {
          real = true;
          j = k;
          while (j < n && s[j].isDigit()) ++j;
        }
      }
      t.kind = JetToken::Number;
      if (!real) {
        qint64 v = 0;
        bool fits = true;
        for (qsizetype k = i; k < j; ++k) {
          const int d = s[k].unicode() - '0';
          if (v > (std::numeric_limits<qint64>::max() - d) / 10) {
            fits = false;
            break;
          }
          v = v * 10 + d;
        }
        if (fits) {
          t.isInt = true;
          t.intValue = v;
        } else {
          real = true;
        }
      }
      if (real) {
        // Only ASCII digits, '.', 'e' and signs here, so the latin-1 conversion is exact.
        char buf[64];
        const qsizetype len = j - i;
        if (len < static_cast<qsizetype>(sizeof buf)) {
          for (qsizetype k = 0; k < len; ++k) buf[k] = static_cast<char>(s[i + k].unicode());
          buf[len] = 0;
          t.realValue = std::strtod(buf, nullptr);
        } else {
          t.realValue = text.mid(i, len).toDouble();
        }
      }
      i = j;
    } else if (c == '#') {
      qsizetype j = i + 1;
      while (j < n && s[j] != u'#' && s[j] != u'\n') ++j;
      if (j >= n || s[j] != u'#') SyntaxError(QStringLiteral("falta la # de cierre de una fecha") + At(i));
      double v = 0;
      if (!JetDates::ParseLiteral(text.mid(i + 1, j - i - 1), v)) {
        SyntaxError(QStringLiteral("fecha no válida: ") + text.mid(i, j - i + 1).toString());
      }
      t.kind = JetToken::Date;
      t.realValue = v;
      i = j + 1;
    } else {
      t.kind = JetToken::Op;
      const char16_t d = i + 1 < n ? s[i + 1].unicode() : 0;
      qsizetype len = 1;
      switch (c) {
        case '=':
          t.op = JetOp::Eq;
          break;
        case '<':
          if (d == '>') {
            t.op = JetOp::Ne, len = 2;
          } else if (d == '=') {
            t.op = JetOp::Le, len = 2;
          } else {
            t.op = JetOp::Lt;
          }
          break;
        case '>':
          if (d == '=') {
            t.op = JetOp::Ge, len = 2;
          } else {
            t.op = JetOp::Gt;
          }
          break;
        case '!':
          if (d == '=') {
            t.op = JetOp::Ne, len = 2;
          } else {
            t.op = JetOp::Bang;
          }
          break;
        case '+':
          t.op = JetOp::Plus;
          break;
        case '-':
          t.op = JetOp::Minus;
          break;
        case '*':
          t.op = JetOp::Star;
          break;
        case '/':
          t.op = JetOp::Slash;
          break;
        case '\\':
          t.op = JetOp::Backslash;
          break;
        case '&':
          t.op = JetOp::Amp;
          break;
        case '^':
          t.op = JetOp::Caret;
          break;
        case '(':
          t.op = JetOp::LParen;
          break;
        case ')':
          t.op = JetOp::RParen;
          break;
        case ',':
          t.op = JetOp::Comma;
          break;
        case '.':
          t.op = JetOp::Dot;
          break;
        case ';':
          t.op = JetOp::Semicolon;
          break;
        default:
          SyntaxError(QStringLiteral("carácter no válido '%1'").arg(QString(s[i])) + At(i));
      }
      i += len;
    }
    t.len = static_cast<int>(i - t.pos);
    const int index = static_cast<int>(tokens.size());
    if (t.kind == JetToken::Op && t.op == JetOp::LParen) {
      if (depth < 64) {
        stackLocal[depth] = index;
      } else {
        stackHeap.push_back(index);
      }
      ++depth;
    } else if (t.kind == JetToken::Op && t.op == JetOp::RParen) {
      if (depth == 0) SyntaxError(QStringLiteral("paréntesis de cierre sin abrir") + At(t.pos));
      --depth;
      int open;
      if (depth < 64) {
        open = stackLocal[depth];
      } else {
        open = stackHeap.back();
        stackHeap.pop_back();
      }
      t.match = open;
      tokens[static_cast<size_t>(open)].match = index;
    } else if (t.kind == JetToken::Op && t.op == JetOp::Semicolon && depth != 0) {
      SyntaxError(QStringLiteral("falta un paréntesis de cierre") + At(t.pos));
    }
    tokens.push_back(t);
  }
  if (depth != 0) SyntaxError(QStringLiteral("falta un paréntesis de cierre"));
}

QString JetTokenizer::StringValue(QStringView text, const JetToken& token) {
  QStringView inner = text.mid(token.pos + 1, token.len - 2);
  if (!token.escaped) return inner.toString();
  const QChar quote = text[token.pos];
  QString out;
  out.reserve(inner.size());
  for (qsizetype k = 0; k < inner.size(); ++k) {
    out += inner[k];
    if (inner[k] == quote) ++k;  // the second of a doubled pair
  }
  return out;
}

QStringView JetTokenizer::NameOf(QStringView text, const JetToken& token) {
  if (token.kind == JetToken::Quoted) return text.mid(token.pos + 1, token.len - 2);
  return text.mid(token.pos, token.len);
}
