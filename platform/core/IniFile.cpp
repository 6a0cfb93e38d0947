#include "platform/core/IniFile.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <optional>

#include "platform/core/Exceptions.h"

namespace {

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString DisplayName(const QString& sourceName) {
  return sourceName.isEmpty() ? QStringLiteral("(texto)") : sourceName;
}

[[noreturn]] void Damaged(const QString& sourceName, const QString& what, int line) {
  throw EIniFileError(QStringLiteral("El archivo de configuración «%1» %2 (línea %3)")
                          .arg(DisplayName(sourceName), what)
                          .arg(line));
}

// Length of the valid UTF-8 sequence starting at p, or 0 when it is not valid
// (overlong forms, surrogates and code points above U+10FFFF included).
int Utf8SequenceLength(const unsigned char* p, const unsigned char* end) {
  const unsigned char c = p[0];
  if (c < 0x80) return 1;
  int len = 0;
  std::uint32_t cp = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (end - p < len) return 0;
  for (int i = 1; i < len; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
      (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) {
    return 0;
  }
  return len;
}

// Checks that the bytes are UTF-8 text without NUL bytes; raises naming the line.
void CheckBytes(const QByteArray& bytes, const QString& sourceName) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const auto* end = p + bytes.size();
  int line = 1;
  while (p < end) {
    if (*p == 0) Damaged(sourceName, QStringLiteral("contiene bytes nulos"), line);
    if (*p == '\n') ++line;
    const int len = Utf8SequenceLength(p, end);
    if (len == 0) Damaged(sourceName, QStringLiteral("no es texto UTF-8 válido"), line);
    p += len;
  }
}

// Names and values that would read back differently once saved.
void CheckWritable(const QString& section, const QString& key, const QString& value) {
  auto hasBreak = [](const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')) || s.contains(QChar(0));
  };
  const QString k = key.trimmed();
  if (hasBreak(section) || section.contains(QLatin1Char(']')) || hasBreak(key) ||
      k.contains(QLatin1Char('=')) || k.startsWith(QLatin1Char('[')) || k.startsWith(QLatin1Char(';')) ||
      k.startsWith(QLatin1Char('#')) || hasBreak(value)) {
    throw EIniFileError(
        QStringLiteral("No se puede guardar la clave «%1» de la sección «%2» en un archivo de configuración")
            .arg(key, section));
  }
}

}  // namespace

TIniFile::TIniFile(const QString& fileName) { Load(fileName); }

// A file that fails to load leaves the object as it was, so that a later Save cannot
// overwrite a damaged file with an empty one.
void TIniFile::Load(const QString& fileName) {
  QFile file(fileName);
  if (!file.exists()) {
    m_fileName = fileName;
    m_sections.clear();
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    throw EIniFileError(QStringLiteral("No se puede leer el archivo de configuración «%1»: %2")
                            .arg(fileName, file.errorString()));
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw EIniFileError(QStringLiteral("No se puede leer el archivo de configuración «%1»: %2")
                            .arg(fileName, file.errorString()));
  }
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  CheckBytes(bytes, fileName);
  FromText(QString::fromUtf8(bytes), fileName);
  m_fileName = fileName;
}

void TIniFile::Save() const {
  if (m_fileName.isEmpty()) {
    throw EIniFileError(QStringLiteral("El archivo de configuración no tiene nombre"));
  }
  QSaveFile file(m_fileName);
  const QByteArray bytes = ToText().toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw EIniFileError(QStringLiteral("No se puede escribir el archivo de configuración «%1»: %2")
                            .arg(m_fileName, file.errorString()));
  }
}

void TIniFile::SaveAs(const QString& fileName) {
  m_fileName = fileName;
  Save();
}

QStringList TIniFile::Sections() const {
  QStringList out;
  for (const Section& s : m_sections) out.append(s.name);
  return out;
}

QStringList TIniFile::Keys(const QString& section) const {
  QStringList out;
  if (const Section* s = FindSection(section)) {
    for (const Entry& e : s->entries) out.append(e.key);
  }
  return out;
}

bool TIniFile::SectionExists(const QString& section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
  const Section* s = FindSection(section);
  if (!s) return false;
  for (const Entry& e : s->entries) {
    if (SameName(e.key, key.trimmed())) return true;
  }
  return false;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const Section* s = FindSection(section);
  if (!s) return def;
  for (const Entry& e : s->entries) {
    if (SameName(e.key, key.trimmed())) return e.value;
  }
  return def;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
  const QString text = ReadString(section, key).trimmed();
  bool ok = false;
  int value = 0;
  if (text.startsWith(QLatin1Char('$'))) {
    value = text.mid(1).toInt(&ok, 16);
  } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    value = text.mid(2).toInt(&ok, 16);
  } else {
    value = text.toInt(&ok, 10);
  }
  return ok ? value : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  const QString text = ReadString(section, key).trimmed();
  if (text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
    return true;
  if (text == QLatin1String("0") || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
    return false;
  return def;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  CheckWritable(section, key, value);
  const QString sectionName = section.trimmed();
  const QString keyName = key.trimmed();
  Section* s = FindSection(sectionName);
  if (!s) {
    m_sections.push_back(Section{sectionName, {}});
    s = &m_sections.back();
  }
  for (Entry& e : s->entries) {
    if (SameName(e.key, keyName)) {
      e.value = value.trimmed();
      return;
    }
  }
  s->entries.push_back(Entry{keyName, value.trimmed()});
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString& section) {
  for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
    if (SameName(it->name, section.trimmed())) {
      m_sections.erase(it);
      return;
    }
  }
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  Section* s = FindSection(section);
  if (!s) return;
  for (auto it = s->entries.begin(); it != s->entries.end(); ++it) {
    if (SameName(it->key, key.trimmed())) {
      s->entries.erase(it);
      return;
    }
  }
}

void TIniFile::Clear() { m_sections.clear(); }

QString TIniFile::ToText() const {
  QString out;
  bool first = true;
  auto writeEntries = [&out](const Section& s) {
    for (const Entry& e : s.entries) out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
  };
  // Keys outside any section can only be written before the first header.
  if (const Section* top = FindSection(QString()); top && !top->entries.empty()) {
    writeEntries(*top);
    first = false;
  }
  for (const Section& s : m_sections) {
    if (s.name.isEmpty()) continue;
    if (!first) out += QLatin1Char('\n');
    first = false;
    out += QLatin1Char('[') + s.name + QLatin1String("]\n");
    writeEntries(s);
  }
  return out;
}

void TIniFile::FromText(const QString& text, const QString& sourceName) {
  std::vector<Section> sections;
  // Index of the section named `name`, added at the end when it is new.
  auto sectionIndex = [&sections](const QString& name) -> std::size_t {
    for (std::size_t i = 0; i < sections.size(); ++i) {
      if (SameName(sections[i].name, name)) return i;
    }
    sections.push_back(Section{name, {}});
    return sections.size() - 1;
  };
  std::optional<std::size_t> current;
  int lineNo = 0;
  for (QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
    ++lineNo;
    const QStringView line = raw.trimmed();
    if (line.isEmpty() || line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#')) continue;
    if (line.contains(QChar(0))) Damaged(sourceName, QStringLiteral("contiene bytes nulos"), lineNo);
    if (line.front() == QLatin1Char('[')) {
      const qsizetype close = line.indexOf(QLatin1Char(']'));
      if (close < 0) {
        Damaged(sourceName, QStringLiteral("tiene una sección sin cerrar «%1»").arg(line.toString()), lineNo);
      }
      const QStringView rest = line.mid(close + 1).trimmed();
      if (!rest.isEmpty() && rest.front() != QLatin1Char(';') && rest.front() != QLatin1Char('#')) {
        Damaged(sourceName, QStringLiteral("tiene una línea no válida «%1»").arg(line.toString()), lineNo);
      }
      const QString name = line.mid(1, close - 1).trimmed().toString();
      current = sectionIndex(name);
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
      Damaged(sourceName, QStringLiteral("tiene una línea no válida «%1»").arg(line.toString()), lineNo);
    const QString key = line.left(eq).trimmed().toString();
    const QString value = line.mid(eq + 1).trimmed().toString();
    if (!current) current = sectionIndex(QString());
    std::vector<Entry>& entries = sections[*current].entries;
    bool duplicate = false;
    for (const Entry& e : entries) {
      if (SameName(e.key, key)) {
        duplicate = true;  // the first occurrence wins, as the system's own reader does
        break;
      }
    }
    if (!duplicate) entries.push_back(Entry{key, value});
  }
  m_sections = std::move(sections);
}

TIniFile::Section* TIniFile::FindSection(const QString& name) {
  for (Section& s : m_sections) {
    if (SameName(s.name, name.trimmed())) return &s;
  }
  return nullptr;
}

const TIniFile::Section* TIniFile::FindSection(const QString& name) const {
  for (const Section& s : m_sections) {
    if (SameName(s.name, name.trimmed())) return &s;
  }
  return nullptr;
}
