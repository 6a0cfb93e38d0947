#include "platform/zul/dialect/JetFormat.h"

#include "platform/zul/dialect/JetDates.h"
#include "platform/zul/dialect/JetValues.h"

#include <sqlite3.h>

#include <QStringList>
#include <cmath>

using namespace JetValues;

namespace {

const char* const kMonths[12] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                                 "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
const char* const kMonthsShort[12] = {"ene", "feb", "mar", "abr", "may", "jun",
                                      "jul", "ago", "sep", "oct", "nov", "dic"};
const char* const kDays[7] = {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"};
const char* const kDaysShort[7] = {"dom", "lun", "mar", "mié", "jue", "vie", "sáb"};

// Splits a mask at ';' outside quotes and escapes.
QList<QStringView> Sections(QStringView mask) {
  QList<QStringView> out;
  qsizetype start = 0;
  bool quoted = false;
  for (qsizetype i = 0; i < mask.size(); ++i) {
    const QChar c = mask[i];
    if (c == u'"') {
      quoted = !quoted;
    } else if (!quoted && c == u'\\') {
      ++i;
    } else if (!quoted && c == u';') {
      out.append(mask.mid(start, i - start));
      start = i + 1;
    }
  }
  out.append(mask.mid(start));
  return out;
}

struct Element {
  enum Kind { Digit, Point, Percent, Literal } kind;
  QChar placeholder;  // '0' or '#'
  QString text;       // Literal
};

void AddLiteral(QList<Element>& list, const QString& text) {
  if (!list.isEmpty() && list.back().kind == Element::Literal) {
    list.back().text += text;
  } else {
    list.append({Element::Literal, QChar(), text});
  }
}

QString FormatSection(double value, QStringView mask, bool sign) {
  QList<Element> elements;
  bool grouping = false;
  int scale = 0;  // thousands dividers: commas right before the point or at the end
  bool percent = false;
  bool seenPoint = false;
  int pendingCommas = 0;  // commas seen after the last integer placeholder
  for (qsizetype i = 0; i < mask.size(); ++i) {
    const QChar c = mask[i];
    if (c == u'"') {
      const qsizetype end = mask.indexOf(u'"', i + 1);
      const qsizetype stop = end < 0 ? mask.size() : end;
      AddLiteral(elements, mask.mid(i + 1, stop - i - 1).toString());
      i = stop;
    } else if (c == u'\\') {
      if (i + 1 < mask.size()) AddLiteral(elements, QString(mask[++i]));
    } else if (c == u'0' || c == u'#') {
      if (!seenPoint && pendingCommas > 0) grouping = true;
      pendingCommas = 0;
      elements.append({Element::Digit, c, QString()});
    } else if (c == u'.' && !seenPoint) {
      scale += pendingCommas;
      pendingCommas = 0;
      seenPoint = true;
      elements.append({Element::Point, QChar(), QString()});
    } else if (c == u',' && !seenPoint) {
      ++pendingCommas;
    } else if (c == u'%') {
      percent = true;
      elements.append({Element::Percent, QChar(), QString()});
    } else if (c == u'_' || c == u'*') {
      ++i;  // padding codes of spreadsheets: the next character is skipped
    } else if (c != u'!') {
      AddLiteral(elements, QString(c));
    }
  }
  if (!seenPoint) scale += pendingCommas;

  int intPlaces = 0, intZeros = 0, fracPlaces = 0, fracZeros = 0;
  bool afterPoint = false;
  for (const Element& e : elements) {
    if (e.kind == Element::Point) afterPoint = true;
    if (e.kind != Element::Digit) continue;
    if (afterPoint) {
      ++fracPlaces;
      if (e.placeholder == u'0') fracZeros = fracPlaces;
    } else {
      ++intPlaces;
      if (e.placeholder == u'0') ++intZeros;
    }
  }
  if (intPlaces + fracPlaces == 0) {  // literals only
    QString out;
    for (const Element& e : elements) {
      if (e.kind == Element::Literal) out += e.text;
      if (e.kind == Element::Percent) out += u'%';
    }
    return out;
  }

  double v = std::fabs(value);
  if (percent) v *= 100;
  for (int k = 0; k < scale; ++k) v /= 1000;
  Decimal d = Decimal::FromDouble(v);
  d.RoundTo(fracPlaces, false);
  QString digits = d.IsZero() || d.exp <= 0 ? QString() : d.IntegerDigits();
  if (digits.size() < intZeros) digits = QString(intZeros - digits.size(), u'0') + digits;
  QString frac = d.FractionDigits(fracPlaces);
  while (frac.size() > fracZeros && frac.endsWith(u'0')) frac.chop(1);
  if (grouping) {
    for (qsizetype k = digits.size() - 3; k > 0; k -= 3) digits.insert(k, u'.');
  }

  QString out;
  if (sign && value < 0 && !d.IsZero()) out += u'-';
  // Integer digits fill the placeholders from the right; the first placeholder takes
  // whatever is left over. With grouping they are written together at the first one.
  int intSeen = 0;
  int fracSeen = 0;
  afterPoint = false;
  for (const Element& e : elements) {
    switch (e.kind) {
      case Element::Literal:
        out += e.text;
        break;
      case Element::Percent:
        out += u'%';
        break;
      case Element::Point:
        afterPoint = true;
        out += u',';
        break;
      case Element::Digit:
        if (afterPoint) {
          if (fracSeen < frac.size()) out += frac[fracSeen];
          ++fracSeen;
        } else if (grouping) {
          if (intSeen++ == 0) out += digits;
        } else {
          // Placeholder number intSeen (from the left) of intPlaces.
          const qsizetype fromRight = intPlaces - 1 - intSeen;
          if (intSeen == 0) {
            const qsizetype lead = digits.size() - (intPlaces - 1);
            if (lead > 0) out += QStringView(digits).left(lead);
          } else if (fromRight < digits.size()) {
            out += digits[digits.size() - 1 - fromRight];
          }
          ++intSeen;
        }
        break;
    }
  }
  return out;
}

QString Pad2(int v) { return QString::number(v).rightJustified(2, u'0'); }

int WeekdayIndex(double value) {  // 0 = Sunday
  long long days = static_cast<long long>(std::trunc(value));
  return static_cast<int>(((days + 6) % 7 + 7) % 7);
}

bool IsDateCode(QChar c) {
  switch (c.toLower().unicode()) {
    case u'd':
    case u'm':
    case u'y':
    case u'h':
    case u'n':
    case u's':
    case u'w':
    case u'q':
    case u'c':
      return true;
    default:
      return false;
  }
}

// The next date code after i (skipping literals), lower case; 0 at the end.
QChar NextCode(QStringView mask, qsizetype i) {
  for (; i < mask.size(); ++i) {
    const QChar c = mask[i];
    if (c == u'"') {
      const qsizetype end = mask.indexOf(u'"', i + 1);
      if (end < 0) return QChar();
      i = end;
    } else if (c == u'\\') {
      ++i;
    } else if (IsDateCode(c)) {
      return c.toLower();
    }
  }
  return QChar();
}

bool NamedFormat(QStringView name, double value, bool& isDate, QString& mask, QString& direct) {
  struct Named {
    const char* name;
    const char* mask;
    bool date;
  };
  static constexpr Named kNamed[] = {
      {"general number", "", false},
      {"currency", "#,##0.00 \"€\";-#,##0.00 \"€\"", false},
      {"euro", "#,##0.00 \"€\";-#,##0.00 \"€\"", false},
      {"fixed", "0.00", false},
      {"standard", "#,##0.00", false},
      {"percent", "0.00%", false},
      {"long date", "dddd\\, d \\d\\e mmmm \\d\\e yyyy", true},
      {"medium date", "dd-mmm-yy", true},
      {"short date", "dd/mm/yyyy", true},
      {"long time", "hh:nn:ss", true},
      {"medium time", "hh:nn AM/PM", true},
      {"short time", "hh:nn", true},
  };
  for (const Named& n : kNamed) {
    if (name.compare(QLatin1StringView(n.name), Qt::CaseInsensitive) == 0) {
      mask = QString::fromUtf8(n.mask);
      isDate = n.date;
      if (!n.date && mask.isEmpty()) direct = NumberText(value);
      return true;
    }
  }
  struct Words {
    const char* name;
    const char* yes;
    const char* no;
  };
  static constexpr Words kWords[] = {
      {"yes/no", "Sí", "No"}, {"true/false", "Verdadero", "Falso"}, {"on/off", "Activado", "Desactivado"}};
  for (const Words& w : kWords) {
    if (name.compare(QLatin1StringView(w.name), Qt::CaseInsensitive) == 0) {
      direct = QString::fromUtf8(value != 0 ? w.yes : w.no);
      return true;
    }
  }
  if (name.compare(QLatin1StringView("general date"), Qt::CaseInsensitive) == 0) {
    const double whole = std::trunc(value);
    mask = whole == 0 && value != 0 ? QStringLiteral("hh:nn:ss")
           : value == whole         ? QStringLiteral("dd/mm/yyyy")
                                    : QStringLiteral("dd/mm/yyyy hh:nn:ss");
    isDate = true;
    return true;
  }
  return false;
}

void Format(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const int type = sqlite3_value_type(argv[0]);
  if (type == SQLITE_NULL) return sqlite3_result_null(ctx);
  const QString mask = argc > 1 && sqlite3_value_type(argv[1]) != SQLITE_NULL ? TextOf(argv[1]) : QString();
  const bool isText = type == SQLITE_TEXT || type == SQLITE_BLOB;
  if (mask.isEmpty()) {
    if (isText) return sqlite3_result_value(ctx, argv[0]);
    return ResultText(ctx, TextOf(argv[0]));
  }
  double value = 0;
  bool numeric = !isText || ParseNumber(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                                        sqlite3_value_bytes(argv[0]), value);
  if (!isText)
    value = sqlite3_value_type(argv[0]) == SQLITE_INTEGER ? static_cast<double>(sqlite3_value_int64(argv[0]))
                                                          : sqlite3_value_double(argv[0]);
  bool isDate = JetFormat::IsDateMask(mask);
  QString effective = mask, direct;
  if (NamedFormat(mask, value, isDate, effective, direct)) {
    if (!direct.isNull()) return numeric ? ResultText(ctx, direct) : sqlite3_result_value(ctx, argv[0]);
  }
  if (isDate) {
    double day = value;
    if (isText && !JetDates::ParseLocal(JetValues::TextOf(argv[0]), day) && !numeric) {
      return sqlite3_result_value(ctx, argv[0]);
    }
    QString out;
    if (!JetFormat::FormatDate(day, effective, out)) return ResultError(ctx, kOverflow);
    return ResultText(ctx, out);
  }
  bool hasDigits = false;
  for (QChar c : effective) hasDigits = hasDigits || c == u'0' || c == u'#';
  if (!hasDigits && (effective.contains(u'@') || effective.contains(u'&') || effective.contains(u'<') ||
                     effective.contains(u'>'))) {
    return ResultText(ctx, JetFormat::FormatText(TextOf(argv[0]), effective));
  }
  if (!numeric) return sqlite3_result_value(ctx, argv[0]);
  ResultText(ctx, JetFormat::FormatNumber(value, effective));
}

}  // namespace

namespace JetFormat {

bool IsDateMask(QStringView mask) {
  bool date = false;
  for (qsizetype i = 0; i < mask.size(); ++i) {
    const QChar c = mask[i];
    if (c == u'"') {
      const qsizetype end = mask.indexOf(u'"', i + 1);
      if (end < 0) break;
      i = end;
    } else if (c == u'\\') {
      ++i;
    } else if (c == u'0' || c == u'#') {
      return false;
    } else if (IsDateCode(c)) {
      date = true;
    }
  }
  return date;
}

QString FormatNumber(double value, QStringView mask) {
  const QList<QStringView> s = Sections(mask);
  if (s.size() == 1) return FormatSection(value, s[0], true);
  if (value < 0) return s[1].isEmpty() ? FormatSection(value, s[0], true) : FormatSection(value, s[1], false);
  if (value == 0 && s.size() > 2 && !s[2].isEmpty()) return FormatSection(value, s[2], false);
  return FormatSection(value, s[0], false);
}

bool FormatDate(double value, QStringView mask, QString& out) {
  JetDates::Parts p;
  if (!JetDates::Decode(value, p)) return false;
  out.clear();
  const bool twelve = mask.contains(QLatin1StringView("AM/PM"), Qt::CaseInsensitive) ||
                      mask.contains(QLatin1StringView("A/P"), Qt::CaseInsensitive) ||
                      mask.contains(QLatin1StringView("AMPM"), Qt::CaseInsensitive);
  const int weekday = WeekdayIndex(value);
  QChar previous;  // the last date code written
  for (qsizetype i = 0; i < mask.size();) {
    const QChar c = mask[i];
    const QChar lc = c.toLower();
    if (c == u'"') {
      const qsizetype end = mask.indexOf(u'"', i + 1);
      const qsizetype stop = end < 0 ? mask.size() : end;
      out += mask.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (c == u'\\') {
      if (i + 1 < mask.size()) out += mask[i + 1];
      i += 2;
      continue;
    }
    if (lc == u'a') {
      for (const char* marker : {"AM/PM", "A/P", "AMPM"}) {
        const QLatin1StringView m(marker);
        if (mask.mid(i, m.size()).compare(m, Qt::CaseInsensitive) == 0) {
          const bool pm = p.hour >= 12;
          const bool upper = c == u'A';
          QString t = m.size() == 3 ? QString(pm ? u'P' : u'A')
                      : pm          ? QStringLiteral("PM")
                                    : QStringLiteral("AM");
          out += upper ? t : t.toLower();
          i += m.size();
          goto next;
        }
      }
    }
    if (IsDateCode(c)) {
      qsizetype n = 1;
      while (i + n < mask.size() && mask[i + n].toLower() == lc) ++n;
      switch (lc.unicode()) {
        case u'd':
          if (n == 1)
            out += QString::number(p.day);
          else if (n == 2)
            out += Pad2(p.day);
          else if (n == 3)
            out += QString::fromUtf8(kDaysShort[weekday]);
          else if (n == 4)
            out += QString::fromUtf8(kDays[weekday]);
          else {
            QString sub;
            FormatDate(value,
                       n == 5 ? QStringView(u"dd/mm/yyyy") : QStringView(u"dddd, d \\de mmmm \\de yyyy"),
                       sub);
            out += sub;
          }
          break;
        case u'm': {
          const bool minute = n <= 2 && (previous == u'h' || NextCode(mask, i + n) == u's');
          if (minute)
            out += n == 1 ? QString::number(p.minute) : Pad2(p.minute);
          else if (n == 1)
            out += QString::number(p.month);
          else if (n == 2)
            out += Pad2(p.month);
          else if (n == 3)
            out += QString::fromUtf8(kMonthsShort[p.month - 1]);
          else
            out += QString::fromUtf8(kMonths[p.month - 1]);
          break;
        }
        case u'n':
          out += n == 1 ? QString::number(p.minute) : Pad2(p.minute);
          break;
        case u'y':
          if (n == 1) {
            out += QString::number(JetDates::DaysFromCivil(p.year, p.month, p.day) -
                                   JetDates::DaysFromCivil(p.year, 1, 1) + 1);
          } else if (n == 2) {
            out += Pad2(p.year % 100);
          } else {
            out += QString::number(p.year).rightJustified(4, u'0');
          }
          break;
        case u'h': {
          int h = p.hour;
          if (twelve) h = h % 12 == 0 ? 12 : h % 12;
          out += n == 1 ? QString::number(h) : Pad2(h);
          break;
        }
        case u's':
          out += n == 1 ? QString::number(p.second) : Pad2(p.second);
          break;
        case u'w':
          if (n == 1) {
            out += QString::number(weekday + 1);
          } else {
            const long long jan1 = JetDates::DaysFromCivil(p.year, 1, 1);
            const int jan1Weekday = static_cast<int>(((jan1 + 6) % 7 + 7) % 7);
            const long long doy = JetDates::DaysFromCivil(p.year, p.month, p.day) - jan1;
            out += QString::number((doy + jan1Weekday) / 7 + 1);
          }
          break;
        case u'q':
          out += QString::number((p.month - 1) / 3 + 1);
          break;
        case u'c': {
          QString sub;
          FormatDate(
              value,
              value == std::trunc(value) ? QStringView(u"dd/mm/yyyy") : QStringView(u"dd/mm/yyyy hh:nn:ss"),
              sub);
          out += sub;
          break;
        }
        default:
          break;
      }
      previous =
          lc == u'm' && n <= 2 && (previous == u'h' || NextCode(mask, i + n) == u's') ? QChar(u'n') : lc;
      i += n;
      continue;
    }
    out += c;
    ++i;
  next:;
  }
  return true;
}

QString FormatText(const QString& text, QStringView mask) {
  QString t = text;
  int placeholders = 0;
  bool leftToRight = false;
  for (QChar c : mask) {
    if (c == u'>') t = t.toUpper();
    if (c == u'<') t = t.toLower();
    if (c == u'@' || c == u'&') ++placeholders;
    if (c == u'!') leftToRight = true;
  }
  if (placeholders == 0) {
    QString out = t;
    for (QChar c : mask) {
      if (c != u'>' && c != u'<' && c != u'!') out += c;
    }
    return out;
  }
  // Characters fill the placeholders from the right (from the left with '!'); extra
  // characters go with the first (last) placeholder; '@' without one writes a blank.
  const qsizetype extra = t.size() > placeholders ? t.size() - placeholders : 0;
  const qsizetype missing = t.size() < placeholders ? placeholders - t.size() : 0;
  QString out;
  qsizetype taken = 0;
  int seen = 0;
  for (QChar c : mask) {
    if (c == u'>' || c == u'<' || c == u'!') continue;
    if (c != u'@' && c != u'&') {
      out += c;
      continue;
    }
    const bool empty = leftToRight ? seen >= placeholders - missing : seen < missing;
    if (empty) {
      if (c == u'@') out += u' ';
    } else {
      const qsizetype n = (leftToRight ? seen == placeholders - 1 : seen == missing) ? 1 + extra : 1;
      out += t.mid(taken, n);
      taken += n;
    }
    ++seen;
  }
  return out;
}

int Register(sqlite3* db) { return Define(db, "jet_format", 1, 2, Format); }

}  // namespace JetFormat
