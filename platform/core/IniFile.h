#pragma once
// INI file that keeps sections and keys in the order written (the database list
// depends on that order), reads and writes UTF-8 and reports a damaged file with a
// clear error instead of misreading it. Section and key names match without regard
// to case and keep their first spelling; values are trimmed; of a repeated key the
// first one counts. Comment lines (';' or '#') are not kept: Save writes sections
// and keys only. Keys before any section belong to the section named "".

#include <QString>
#include <QStringList>
#include <vector>

class TIniFile {
public:
  TIniFile() = default;
  // Loads the file when it exists; a missing file is an empty INI.
  // Raises EIniFileError (Spanish message with the file and line) on a file that
  // is not UTF-8 text, holds NUL bytes, or has a line that is neither a section,
  // a key=value pair, a comment nor blank.
  explicit TIniFile(const QString& fileName);

  // As the constructor; on an error the object keeps its previous contents and name.
  void Load(const QString& fileName);
  // Writes atomically (temporary file then rename); raises EIniFileError on failure.
  void Save() const;
  void SaveAs(const QString& fileName);
  const QString& FileName() const { return m_fileName; }

  QStringList Sections() const;
  QStringList Keys(const QString& section) const;  // in file order
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

  QString ReadString(const QString& section, const QString& key, const QString& def = QString()) const;
  int ReadInteger(const QString& section, const QString& key, int def = 0) const;
  bool ReadBool(const QString& section, const QString& key, bool def = false) const;
  // Raises EIniFileError for a name or value that would read back differently once
  // saved (a line break or NUL, '=' in a key, ']' in a section name...).
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);

  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& key);
  void Clear();

  // Whole text in INI form (what Save writes).
  QString ToText() const;
  void FromText(const QString& text, const QString& sourceName = QString());

private:
  struct Entry {
    QString key;
    QString value;
  };
  struct Section {
    QString name;
    std::vector<Entry> entries;
  };
  Section* FindSection(const QString& name);
  const Section* FindSection(const QString& name) const;

  QString m_fileName;
  std::vector<Section> m_sections;
};
