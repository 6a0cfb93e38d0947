#pragma once
// The program's language: the language files in the "lang" folder beside the
// program, the chosen language kept as the value "language" under the application's
// registry key, and the translation of the program's windows through ExeTranslate().
//
// Files, for a program "lumapro": "lang/lumapro_<language>.lang" holds a language's
// translations, "lang/lumapro.lang_changes" the keys collected in save mode.

#include <QString>
#include <QStringList>

#include "platform/translate/TZULTranslate.h"

class QObject;
class TRegistryStore;

class TLocalization {
public:
  // `exeBaseName` is the program's file name without extension. The registry store
  // and the translation objects default to the user's store and the process-wide
  // ExeTranslate() and BPLTranslate().
  TLocalization(QString appName, QString exeFolder, QString exeBaseName, TRegistryStore* registry = nullptr,
                TZULTranslate* exeTranslate = nullptr, TZULTranslate* bplTranslate = nullptr);

  QString LanguageFolder() const;                          // exeFolder + "/lang"
  QString TranslationFile(const QString& language) const;  // base + "_" + language + ".lang"
  QString ChangesFile() const;                             // base + ".lang_changes"

  // Makes the program's object the master of the framework's and prepares it for
  // the language of the registry (the default one in save mode). Does nothing when
  // the language folder cannot be created. An error gets
  // "ERROR INITIALIZING LOCALIZATION\nERROR INICIALIZANDO IDIOMA\n\n" in front.
  void InitLocalization();
  // Stores the language (empty: the default one) and switches to it, leaving save
  // mode.
  void SetLanguage(const QString& language);
  // The languages that have a translation file, in name order.
  void GetAvailableLanguages(QStringList& list) const;
  QStringList AvailableLanguages() const;

  // The main window, whose title TranslateForm leaves alone (it is set at run time).
  void SetMainWindow(const QObject* mainWindow) { m_mainWindow = mainWindow; }
  // Translates a window of the program under "Application_" + its class name,
  // initialising the localisation first when that has not been done. Without a
  // filter the default one skips the main window's "caption" and "windowTitle".
  void TranslateForm(QObject* form, const TZULTranslate::Filter& filter = {});
  TZULTranslate::Filter DefaultFilter() const;

private:
  TRegistryStore& Registry() const;
  QString AppKey() const;
  bool MakeLanguageFolder() const;

  QString m_appName;
  QString m_exeFolder;
  QString m_exeBaseName;
  TRegistryStore* m_registry;
  TZULTranslate& m_exe;
  TZULTranslate& m_bpl;
  const QObject* m_mainWindow = nullptr;
};
