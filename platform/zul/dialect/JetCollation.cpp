#include "platform/zul/dialect/JetCollation.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>

namespace {

QCollator MakeCollator() {
  QCollator c{QLocale(QLocale::Spanish, QLocale::Spain)};
  c.setCaseSensitivity(Qt::CaseInsensitive);
  c.setIgnorePunctuation(false);
  c.setNumericMode(false);
  (void)c.compare(QStringLiteral("a"), QStringLiteral("b"));  // initialises the collator now
  return c;
}

// QCollator is not safe for concurrent use; each thread keeps its own.
const QCollator& Collator() {
  thread_local const QCollator collator = MakeCollator();
  return collator;
}

// Primary weights of the ASCII characters in the ICU order: 0 for the characters that
// ICU ignores, equal weights for the two cases of a letter.
struct AsciiWeights {
  std::array<unsigned char, 128> weight{};
  AsciiWeights() {
    const QCollator& col = Collator();
    std::array<int, 128> order{};
    int n = 0;
    // QCollator orders an empty text before any other without asking ICU, so a
    // character is probed between two letters.
    const QString plain = QStringLiteral("mm");
    for (int c = 0; c < 128; ++c) {
      const QString s = u'm' + QString(QChar(static_cast<char16_t>(c))) + u'm';
      if (col.compare(s, plain) == 0) {
        weight[static_cast<size_t>(c)] = 0;
      } else {
        order[static_cast<size_t>(n++)] = c;
      }
    }
    auto text = [](int c) { return QString(QChar(static_cast<char16_t>(c))); };
    std::stable_sort(order.begin(), order.begin() + n,
                     [&](int x, int y) { return col.compare(text(x), text(y)) < 0; });
    unsigned char rank = 0;
    for (int k = 0; k < n; ++k) {
      if (k == 0 ||
          col.compare(text(order[static_cast<size_t>(k - 1)]), text(order[static_cast<size_t>(k)])) != 0) {
        ++rank;
      }
      weight[static_cast<size_t>(order[static_cast<size_t>(k)])] = rank;
    }
  }
};

const AsciiWeights& Weights() {
  static const AsciiWeights weights;
  return weights;
}

bool IsAscii(const char* s, int n) {
  for (int i = 0; i < n; ++i) {
    if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
  }
  return true;
}

int CompareAscii(const char* a, int na, const char* b, int nb) {
  // As QCollator: an empty text comes before any other, even one that ICU ignores whole.
  if (na == 0 || nb == 0) return (na == 0 ? 0 : 1) - (nb == 0 ? 0 : 1);
  const auto& w = Weights().weight;
  int i = 0, j = 0;
  for (;;) {
    while (i < na && w[static_cast<unsigned char>(a[i])] == 0) ++i;
    while (j < nb && w[static_cast<unsigned char>(b[j])] == 0) ++j;
    if (i == na || j == nb) return (i == na ? 0 : 1) - (j == nb ? 0 : 1);
    const int d = w[static_cast<unsigned char>(a[i])] - w[static_cast<unsigned char>(b[j])];
    if (d != 0) return d;
    ++i, ++j;
  }
}

char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The usual LIKE matcher over two sequences of comparable characters; on a mismatch
// after '%' it retries one position later (iterative, no recursion).
template <typename Ch>
bool Match(const Ch* p, qsizetype np, const Ch* t, qsizetype nt, Ch escape, bool useEscape) {
  qsizetype pi = 0, ti = 0;
  qsizetype starP = -1, starT = 0;
  while (ti < nt) {
    if (pi < np) {
      Ch pc = p[pi];
      if (pc == Ch('%') && !(useEscape && pc == escape)) {
        while (pi < np && p[pi] == Ch('%')) ++pi;
        starP = pi;
        starT = ti;
        continue;
      }
      bool literal = false;
      if (useEscape && pc == escape && pi + 1 < np) {
        pc = p[pi + 1];
        literal = true;
      }
      if ((!literal && pc == Ch('_')) || pc == t[ti]) {
        pi += literal ? 2 : 1;
        ++ti;
        continue;
      }
    }
    if (starP < 0) return false;
    pi = starP;
    ti = ++starT;
  }
  while (pi < np && p[pi] == Ch('%')) ++pi;
  return pi == np;
}

QString Folded(const char* s, int n) {
  QString q = QString::fromUtf8(s, n);
  if (!IsAscii(s, n)) q = q.normalized(QString::NormalizationForm_C);
  return q.toCaseFolded();
}

}  // namespace

int JetCollation::CompareSlow(const char* a, int lenA, const char* b, int lenB) {
  return Collator().compare(QString::fromUtf8(a, lenA), QString::fromUtf8(b, lenB));
}

int JetCollation::Compare(const char* a, int lenA, const char* b, int lenB) {
  if (IsAscii(a, lenA) && IsAscii(b, lenB)) return CompareAscii(a, lenA, b, lenB);
  return CompareSlow(a, lenA, b, lenB);
}

bool JetCollation::Like(const char* pattern, int lenPattern, const char* text, int lenText, char32_t escape) {
  const bool useEscape = escape != 0;
  if (IsAscii(pattern, lenPattern) && IsAscii(text, lenText) && escape < 0x80) {
    // Lower-case copies on the stack for the usual short texts.
    char pLocal[256], tLocal[256];
    std::string pHeap, tHeap;
    char* p = pLocal;
    char* t = tLocal;
    if (lenPattern > 256) {
      pHeap.resize(static_cast<size_t>(lenPattern));
      p = pHeap.data();
    }
    if (lenText > 256) {
      tHeap.resize(static_cast<size_t>(lenText));
      t = tHeap.data();
    }
    for (int i = 0; i < lenPattern; ++i) p[i] = ToLowerAscii(pattern[i]);
    for (int i = 0; i < lenText; ++i) t[i] = ToLowerAscii(text[i]);
    return Match<char>(p, lenPattern, t, lenText, ToLowerAscii(static_cast<char>(escape)), useEscape);
  }
  const QString p = Folded(pattern, lenPattern);
  const QString t = Folded(text, lenText);
  const char16_t esc = useEscape ? QString::fromUcs4(&escape, 1).toCaseFolded().at(0).unicode() : u'\0';
  return Match<char16_t>(reinterpret_cast<const char16_t*>(p.utf16()), p.size(),
                         reinterpret_cast<const char16_t*>(t.utf16()), t.size(), esc, useEscape);
}
