#pragma once
// A translation object: maps keys to the texts of the current language, falling back
// to the default text that the caller supplies (the Spanish one). It translates
// object trees (forms of the forms model, and later Qt widgets) through Qt's
// meta-object system by object names.
//
// Save mode is for translators: every key met, with its default, is collected and
// written to the changes file, so that they can see what there is to translate.
//
// An object can follow a master: it then also finds the master's translations, is in
// save mode while the master is, and hands the keys it collects to the master, so
// that one language file and one changes file serve both.

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QObject;

class TZULTranslate {
public:
  // Returns true for an (object, property) that Execute must leave alone.
  using Filter = std::function<bool(const QObject* object, const QString& property)>;

  TZULTranslate() = default;
  // Writes the collected keys that were not written yet; errors are swallowed here.
  ~TZULTranslate();
  TZULTranslate(const TZULTranslate&) = delete;
  TZULTranslate& operator=(const TZULTranslate&) = delete;

  // Prepares the object for a language: the translations of `translationFile` (none
  // when empty or missing) and `changesFile` for the keys collected in save mode
  // (keys already in it are kept). Collected keys not yet written go to the previous
  // changes file first. A damaged file raises EFileError naming it, after the object
  // has been prepared without it: a damaged translation file leaves the default
  // language (no translations, empty language); a damaged changes file is never
  // overwritten.
  void Init(const QString& translationFile, const QString& changesFile, const QString& language);
  bool Initialized() const { return m_initialized; }
  // The current language, empty for the default one; an object that was never
  // initialised reports its master's.
  QString Language() const;
  QString TranslationFile() const { return m_translationFile; }
  QString ChangesFile() const { return m_changesFile; }

  // Declares a key with its default text (collected in save mode; nothing else).
  void SetValue(const QString& key, const QString& defaultText);
  // The translation of the key, or `defaultText` when there is none (an empty
  // translation counts as none).
  QString ValueDef(const QString& key, const QString& defaultText);
  bool HasTranslation(const QString& key) const;

  void SetSaveMode(bool on) { m_saveMode = on; }
  bool SaveMode() const;
  // The keys collected by this object (and its followers), with their defaults.
  QMap<QString, QString> Collected() const { return m_collected; }
  // Writes the collected keys to the changes file (nothing without one); raises
  // EFileError when the file cannot be written.
  void SaveChanges();

  // Makes `master` (nullptr: none) the object this one follows. A master that
  // follows this object, directly or not, is refused with an Exception.
  void SetMasterTranslate(TZULTranslate* master);
  TZULTranslate* MasterTranslate() const { return m_master; }

  // Translates `root` and every object below it. Keys: the root's properties are
  // prefix + "." + property; an object below it with a non-empty objectName is
  // prefix + "." + objectName + "." + property (objects without a name are not
  // translated, but the objects below them are). Only the string properties of
  // TranslatableProperties() that the object has are touched, and only when the
  // filter does not skip them. A property with a translation shows it; one without
  // shows the text it had before it was first translated, so that going back to the
  // default language restores the original texts. In save mode every key with a
  // non-empty text is collected, with the untranslated text as default.
  void Execute(QObject* root, const QString& prefix, const Filter& filter = {});

  // "caption", "text", "title", "windowTitle", "toolTip", "placeholderText".
  static const QStringList& TranslatableProperties();

private:
  std::optional<QString> Lookup(const QString& key) const;
  void Collect(const QString& key, const QString& defaultText);
  void TranslateObject(QObject* object, const QString& keyBase, const Filter& filter);
  void TranslateTree(QObject* parent, const QString& prefix, const Filter& filter);

  bool m_initialized = false;
  bool m_saveMode = false;
  bool m_dirty = false;  // collected keys not yet written
  QString m_language;
  QString m_translationFile;
  QString m_changesFile;
  QMap<QString, QString> m_texts;      // the translations
  QMap<QString, QString> m_collected;  // key -> default, in save mode
  TZULTranslate* m_master = nullptr;
  std::vector<TZULTranslate*> m_followers;
};

// The program's translation object ("ExeStrings." keys, the program's windows).
TZULTranslate& ExeTranslate();
// The framework's translation object ("CC." keys, the shell's dialogs).
TZULTranslate& BPLTranslate();
