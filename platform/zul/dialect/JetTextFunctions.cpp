#include "platform/zul/dialect/JetTextFunctions.h"

#include "platform/zul/dialect/JetCollation.h"
#include "platform/zul/dialect/JetValues.h"

#include <sqlite3.h>

#include <cmath>
#include <cstring>

using namespace JetValues;

namespace {

bool IsNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

// Characters are counted as code points of the UTF-8 text.
int CountChars(const char* s, int n) {
  int count = 0;
  for (int i = 0; i < n; ++i) count += (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
  return count;
}

// Byte offset after the first k characters (n when the text is shorter).
int OffsetOf(const char* s, int n, long long k) {
  int i = 0;
  while (i < n && k > 0) {
    ++i;
    while (i < n && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    --k;
  }
  return i;
}

void ResultBytes(sqlite3_context* ctx, const char* s, int n) {
  sqlite3_result_text(ctx, s, n, SQLITE_TRANSIENT);
}

// A whole-number argument (lengths, positions), rounded as Jet rounds: halves to even.
// False after setting the result: null for a null argument, an error otherwise.
bool WholeArg(sqlite3_context* ctx, sqlite3_value* v, long long& out, long long minimum) {
  if (IsNull(v)) {
    sqlite3_result_null(ctx);
    return false;
  }
  double d;
  if (!ToNumber(v, d)) {
    ResultError(ctx, kTypeMismatch);
    return false;
  }
  d = RoundHalfEven(d, 0);
  if (d < static_cast<double>(minimum) || d > 2147483647.0) {
    ResultError(ctx, kInvalidCall);
    return false;
  }
  out = static_cast<long long>(d);
  return true;
}

void Left(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  long long k;
  if (!WholeArg(ctx, argv[1], k, 0)) return;
  const Utf8 s(argv[0]);
  ResultBytes(ctx, s.data(), OffsetOf(s.data(), s.size(), k));
}

void Right(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  long long k;
  if (!WholeArg(ctx, argv[1], k, 0)) return;
  const Utf8 s(argv[0]);
  const long long skip = CountChars(s.data(), s.size()) - k;
  const int off = skip > 0 ? OffsetOf(s.data(), s.size(), skip) : 0;
  ResultBytes(ctx, s.data() + off, s.size() - off);
}

void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  long long start, len = -1;
  if (!WholeArg(ctx, argv[1], start, 1)) return;
  if (argc > 2 && !WholeArg(ctx, argv[2], len, 0)) return;
  const Utf8 s(argv[0]);
  const int b = OffsetOf(s.data(), s.size(), start - 1);
  const int e = len < 0 ? s.size() : b + OffsetOf(s.data() + b, s.size() - b, len);
  ResultBytes(ctx, s.data() + b, e - b);
}

void Len(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Utf8 s(argv[0]);
  sqlite3_result_int(ctx, CountChars(s.data(), s.size()));
}

template <bool Upper>
void ChangeCase(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Utf8 s(argv[0]);
  if (s.isAscii()) {
    QByteArray out(s.data(), s.size());
    for (char& c : out) {
      if (Upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      if (!Upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return ResultBytes(ctx, out.constData(), static_cast<int>(out.size()));
  }
  const QString q = QString::fromUtf8(s.data(), s.size());
  ResultText(ctx, Upper ? q.toUpper() : q.toLower());
}

// Jet trims blanks only, not tabs or line breaks.
template <bool Front, bool Back>
void Trim(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Utf8 s(argv[0]);
  int b = 0, e = s.size();
  if (Front) {
    while (b < e && s.data()[b] == ' ') ++b;
  }
  if (Back) {
    while (e > b && s.data()[e - 1] == ' ') --e;
  }
  ResultBytes(ctx, s.data() + b, e - b);
}

void Space(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long long n;
  if (!WholeArg(ctx, argv[0], n, 0)) return;
  if (n > 100000000) return ResultError(ctx, kOverflow);
  const QByteArray out(static_cast<qsizetype>(n), ' ');
  ResultBytes(ctx, out.constData(), static_cast<int>(out.size()));
}

// Windows-1252, the character set of Chr and Asc: 0x80-0x9F differ from Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t FromCp1252(long long code) {
  if (code >= 0x80 && code < 0xA0) return kCp1252High[code - 0x80];
  return static_cast<char32_t>(code);
}

long long ToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int k = 0; k < 32; ++k) {
    if (kCp1252High[k] == c) return 0x80 + k;
  }
  return '?';
}

template <bool Wide>
void Chr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long long code;
  if (!WholeArg(ctx, argv[0], code, Wide ? -32768 : 0)) return;
  if (Wide && code < 0) code += 65536;  // ChrW takes negative 16-bit values
  if ((!Wide && code > 255) || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return ResultError(ctx, kInvalidCall);
  }
  const char32_t c = Wide ? static_cast<char32_t>(code) : FromCp1252(code);
  ResultText(ctx, QString::fromUcs4(&c, 1));
}

template <bool Wide>
void Asc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const QString s = TextOf(argv[0]);
  if (s.isEmpty()) return ResultError(ctx, kInvalidCall);
  const char32_t c = s.at(0).isHighSurrogate() && s.size() > 1 ? QChar::surrogateToUcs4(s.at(0), s.at(1))
                                                               : s.at(0).unicode();
  sqlite3_result_int64(ctx, Wide ? static_cast<long long>(c) : ToCp1252(c));
}

void String(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long long n;
  if (!WholeArg(ctx, argv[0], n, 0)) return;
  if (IsNull(argv[1])) return sqlite3_result_null(ctx);
  if (n > 100000000) return ResultError(ctx, kOverflow);
  QString c;
  if (sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
    c = TextOf(argv[1]).left(1);
    if (c.isEmpty()) return ResultError(ctx, kInvalidCall);
  } else {
    double code = 0;
    ToNumber(argv[1], code);
    const long long k = static_cast<long long>(RoundHalfEven(code, 0)) % 256;
    const char32_t u = FromCp1252(k < 0 ? k + 256 : k);
    c = QString::fromUcs4(&u, 1);
  }
  ResultText(ctx, c.repeated(static_cast<qsizetype>(n)));
}

// Str: '.' for decimals whatever the locale, a blank in place of the plus sign, and no
// zero before the point (Str(0.5) is " .5").
void Str(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double d;
  if (!ToNumber(argv[0], d)) return ResultError(ctx, kTypeMismatch);
  QString s;
  if (IsInteger(argv[0])) {
    s = QString::number(sqlite3_value_int64(argv[0]));
  } else if (std::fabs(d) < 1e15 && d == std::trunc(d)) {
    s = QString::number(static_cast<qint64>(d));
  } else {
    s = QString::number(d, 'g', 15).toUpper();
  }
  if (s.startsWith(QLatin1StringView("0."))) s.remove(0, 1);
  if (s.startsWith(QLatin1StringView("-0."))) s.remove(1, 1);
  if (!s.startsWith(u'-')) s.prepend(u' ');
  ResultText(ctx, s);
}

// The compare argument of InStr, Replace, StrComp: 0 binary, anything else by text
// (the default in queries, where text compares without regard to case).
bool TextCompare(sqlite3_value* v) {
  double d = 1;
  return !ToNumber(v, d) || d != 0;
}

void StrComp(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(ctx);
  const Utf8 a(argv[0]), b(argv[1]);
  int r;
  if (argc > 2 && !TextCompare(argv[2])) {
    r = std::memcmp(a.data(), b.data(), static_cast<size_t>(std::min(a.size(), b.size())));
    if (r == 0) r = a.size() - b.size();
  } else {
    r = JetCollation::Compare(a.data(), a.size(), b.data(), b.size());
  }
  sqlite3_result_int(ctx, r < 0 ? -1 : r > 0 ? 1 : 0);
}

// Position in characters (code points) of a UTF-16 index.
int CharsBefore(const QString& s, qsizetype index) {
  int n = 0;
  for (qsizetype k = 0; k < index; ++k) n += !s.at(k).isLowSurrogate();
  return n;
}

qsizetype IndexOfChar(const QString& s, long long chars) {
  qsizetype k = 0;
  while (k < s.size() && chars > 0) {
    k += s.at(k).isHighSurrogate() && k + 1 < s.size() ? 2 : 1;
    --chars;
  }
  return k;
}

// InStr([start,] text, sought [, compare]).
void InStr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long long start = 1;
  int first = 0;
  if (argc >= 3) {
    if (!WholeArg(ctx, argv[0], start, 1)) return;
    first = 1;
  }
  sqlite3_value* textArg = argv[first];
  sqlite3_value* soughtArg = argv[first + 1];
  if (IsNull(textArg) || IsNull(soughtArg)) return sqlite3_result_null(ctx);
  const bool text = argc < 4 || TextCompare(argv[3]);
  const Utf8 t(textArg), s(soughtArg);
  const int length = CountChars(t.data(), t.size());
  if (start > length) return sqlite3_result_int(ctx, 0);
  if (s.size() == 0) return sqlite3_result_int64(ctx, start);
  if (!text || (t.isAscii() && s.isAscii())) {
    const int from = OffsetOf(t.data(), t.size(), start - 1);
    for (int i = from; i + s.size() <= t.size(); ++i) {
      bool same = true;
      for (int k = 0; k < s.size() && same; ++k) {
        char x = t.data()[i + k], y = s.data()[k];
        if (text) {
          if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
          if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        }
        same = x == y;
      }
      if (same) return sqlite3_result_int(ctx, CountChars(t.data(), i) + 1);
    }
    return sqlite3_result_int(ctx, 0);
  }
  const QString tq = QString::fromUtf8(t.data(), t.size());
  const QString sq = QString::fromUtf8(s.data(), s.size());
  const qsizetype at = tq.indexOf(sq, IndexOfChar(tq, start - 1), Qt::CaseInsensitive);
  sqlite3_result_int(ctx, at < 0 ? 0 : CharsBefore(tq, at) + 1);
}

// Replace(text, find, with [, start [, count [, compare]]]): the result starts at `start`.
void Replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (IsNull(argv[0]) || IsNull(argv[1]) || IsNull(argv[2])) return sqlite3_result_null(ctx);
  long long start = 1, count = -1;
  if (argc > 3 && !WholeArg(ctx, argv[3], start, 1)) return;
  if (argc > 4 && !WholeArg(ctx, argv[4], count, -1)) return;
  const Qt::CaseSensitivity cs = argc > 5 && !TextCompare(argv[5]) ? Qt::CaseSensitive : Qt::CaseInsensitive;
  QString s = TextOf(argv[0]);
  s.remove(0, IndexOfChar(s, start - 1));
  const QString find = TextOf(argv[1]);
  const QString with = TextOf(argv[2]);
  if (!find.isEmpty()) {
    qsizetype from = 0;
    while (count != 0) {
      const qsizetype at = s.indexOf(find, from, cs);
      if (at < 0) break;
      s.replace(at, find.size(), with);
      from = at + with.size();
      if (count > 0) --count;
    }
  }
  ResultText(ctx, s);
}

void Nz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (!IsNull(argv[0])) return sqlite3_result_value(ctx, argv[0]);
  if (argc > 1) return sqlite3_result_value(ctx, argv[1]);
  sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

// Val: blanks are skipped anywhere; the longest prefix that reads as a number counts
// ("12abc" is 12, "abc" 0); '.' is the decimal point; &H and &O prefixes read hex and
// octal. Val(Null) is an error in Jet; here it gives null.
void Val(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const int type = sqlite3_value_type(argv[0]);
  if (type == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) return sqlite3_result_value(ctx, argv[0]);
  const Utf8 s(argv[0]);
  const char* p = s.data();
  const int n = s.size();
  int i = 0;
  auto skip = [&] {
    while (i < n && (p[i] == ' ' || p[i] == '\t' || p[i] == '\n' || p[i] == '\r')) ++i;
  };
  skip();
  if (i + 1 < n && p[i] == '&' &&
      (p[i + 1] == 'h' || p[i + 1] == 'H' || p[i + 1] == 'o' || p[i + 1] == 'O')) {
    const int base = p[i + 1] == 'h' || p[i + 1] == 'H' ? 16 : 8;
    i += 2;
    unsigned long long v = 0;
    for (; i < n; ++i) {
      const char c = p[i];
      int d = c >= '0' && c <= '9'   ? c - '0'
              : c >= 'a' && c <= 'f' ? c - 'a' + 10
              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                     : 99;
      if (d >= base) break;
      v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
      if (v > 0xFFFFFFFFull) return ResultError(ctx, kOverflow);
    }
    // Jet reads them as 16- or 32-bit signed values: &HFFFF is -1.
    long long r = static_cast<long long>(v);
    if (v <= 0xFFFF && v >= 0x8000)
      r -= 0x10000;
    else if (v > 0xFFFF && v >= 0x80000000ull)
      r -= 0x100000000ll;
    return sqlite3_result_int64(ctx, r);
  }
  char buf[400];
  int k = 0;
  if (i < n && (p[i] == '-' || p[i] == '+')) {
    buf[k++] = p[i++];
  }
  bool point = false, digits = false;
  for (;; ++i) {
    skip();
    if (i >= n || k >= 340) break;
    if (p[i] >= '0' && p[i] <= '9') {
      buf[k++] = p[i];
      digits = true;
    } else if (p[i] == '.' && !point) {
      buf[k++] = '.';
      point = true;
    } else {
      break;
    }
  }
  if (digits && i < n && (p[i] == 'e' || p[i] == 'E' || p[i] == 'd' || p[i] == 'D')) {
    int j = i + 1;
    char expo[8];
    int m = 0;
    while (j < n && (p[j] == ' ' || p[j] == '\t')) ++j;
    if (j < n && (p[j] == '-' || p[j] == '+')) expo[m++] = p[j++];
    const int expStart = m;
    while (j < n && p[j] >= '0' && p[j] <= '9' && m < 6) expo[m++] = p[j++];
    if (m > expStart) {
      buf[k++] = 'e';
      for (int q = 0; q < m; ++q) buf[k++] = expo[q];
    }
  }
  buf[k] = 0;
  if (!digits) return sqlite3_result_int(ctx, 0);
  const double v = std::strtod(buf, nullptr);
  if (!std::isfinite(v)) return ResultError(ctx, kOverflow);
  ResultNumber(ctx, v);
}

// '+': two texts concatenate; otherwise numbers add (a numeric text counts as a number,
// any other text is a type mismatch); null gives null.
void Add(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const int ta = sqlite3_value_type(argv[0]), tb = sqlite3_value_type(argv[1]);
  if (ta == SQLITE_NULL || tb == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (ta == SQLITE_TEXT && tb == SQLITE_TEXT) {
    const int na = sqlite3_value_bytes(argv[0]);
    const char* a = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    QByteArray out(a, na);
    out.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])), sqlite3_value_bytes(argv[1]));
    return ResultBytes(ctx, out.constData(), static_cast<int>(out.size()));
  }
  if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER) {
    sqlite3_int64 r;
    if (!__builtin_add_overflow(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]), &r)) {
      return sqlite3_result_int64(ctx, r);
    }
  }
  double a, b;
  if (!ToNumber(argv[0], a) || !ToNumber(argv[1], b)) return ResultError(ctx, kTypeMismatch);
  sqlite3_result_double(ctx, a + b);
}

// '&': texts of the operands, null as ""; null only when every operand is null.
void Cat(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  QByteArray out;
  bool any = false;
  for (int k = 0; k < argc; ++k) {
    if (IsNull(argv[k])) continue;
    any = true;
    const Utf8 s(argv[k]);
    out.append(s.data(), s.size());
  }
  if (!any) return sqlite3_result_null(ctx);
  ResultBytes(ctx, out.constData(), static_cast<int>(out.size()));
}

void CStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) return sqlite3_result_value(ctx, argv[0]);
  ResultText(ctx, TextOf(argv[0]));
}

}  // namespace

int JetTextFunctions::Register(sqlite3* db) {
  struct Entry {
    const char* name;
    int minArgs, maxArgs;
    SqlFunction fn;
  };
  static constexpr Entry kEntries[] = {
      {"jet_left", 2, 2, Left},
      {"jet_right", 2, 2, Right},
      {"jet_mid", 2, 3, Mid},
      {"jet_len", 1, 1, Len},
      {"jet_ucase", 1, 1, ChangeCase<true>},
      {"jet_lcase", 1, 1, ChangeCase<false>},
      {"jet_trim", 1, 1, Trim<true, true>},
      {"jet_ltrim", 1, 1, Trim<true, false>},
      {"jet_rtrim", 1, 1, Trim<false, true>},
      {"jet_space", 1, 1, Space},
      {"jet_string", 2, 2, String},
      {"jet_chr", 1, 1, Chr<false>},
      {"jet_chrw", 1, 1, Chr<true>},
      {"jet_asc", 1, 1, Asc<false>},
      {"jet_ascw", 1, 1, Asc<true>},
      {"jet_str", 1, 1, Str},
      {"jet_strcomp", 2, 3, StrComp},
      {"jet_instr", 2, 4, InStr},
      {"jet_replace", 3, 6, Replace},
      {"jet_nz", 1, 2, Nz},
      {"jet_val", 1, 1, Val},
      {"jet_add", 2, 2, Add},
      {"jet_cat", -1, -1, Cat},  // any number of operands
      {"jet_cstr", 1, 1, CStr},
  };
  for (const Entry& e : kEntries) {
    const int rc = Define(db, e.name, e.minArgs, e.maxArgs, e.fn);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}
