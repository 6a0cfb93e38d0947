#pragma once
// A language file: UTF-8 JSON {"language": "...", "texts": {"key": "text", ...}}.
// The same format holds a language's translations (".lang") and the keys with their
// Spanish defaults collected for translators (".lang_changes"); see
// docs/LANGUAGE_FILES.md.

#include <QMap>
#include <QString>

class TLanguageFile {
public:
  QString language;
  QMap<QString, QString> texts;  // key -> text, kept sorted so that saved files diff well

  // Raises EFileError with a Spanish message naming the file when it cannot be read
  // or is not a language file.
  static TLanguageFile Load(const QString& fileName);
  // Replaces the file in one step (never half written); raises EFileError on failure.
  void Save(const QString& fileName) const;
};
