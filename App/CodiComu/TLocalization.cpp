#include "App/CodiComu/TLocalization.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"

namespace {

const QString kLanguageValue = QStringLiteral("language");

}  // namespace

TLocalization::TLocalization(QString appName, QString exeFolder, QString exeBaseName,
                             TRegistryStore* registry, TZULTranslate* exeTranslate,
                             TZULTranslate* bplTranslate)
    : m_appName(std::move(appName)),
      m_exeFolder(std::move(exeFolder)),
      m_exeBaseName(std::move(exeBaseName)),
      m_registry(registry),
      m_exe(exeTranslate ? *exeTranslate : ExeTranslate()),
      m_bpl(bplTranslate ? *bplTranslate : BPLTranslate()) {}

QString TLocalization::LanguageFolder() const { return m_exeFolder + QStringLiteral("/lang"); }

QString TLocalization::TranslationFile(const QString& language) const {
  return LanguageFolder() + QLatin1Char('/') + m_exeBaseName + QLatin1Char('_') + language +
         QStringLiteral(".lang");
}

QString TLocalization::ChangesFile() const {
  return LanguageFolder() + QLatin1Char('/') + m_exeBaseName + QStringLiteral(".lang_changes");
}

TRegistryStore& TLocalization::Registry() const { return m_registry ? *m_registry : TRegistryStore::User(); }

QString TLocalization::AppKey() const { return TRegistryStore::AppKey(m_appName); }

bool TLocalization::MakeLanguageFolder() const { return QDir().mkpath(LanguageFolder()); }

void TLocalization::InitLocalization() {
  try {
    m_bpl.SetMasterTranslate(&m_exe);
    QString language;
    if (!m_exe.SaveMode() && Registry().ValueExists(AppKey(), kLanguageValue)) {
      language = Registry().ReadString(AppKey(), kLanguageValue);
    }
    if (!MakeLanguageFolder()) return;
    // The default language is the Spanish of the tables: it has no file of its own.
    m_exe.Init(language.isEmpty() ? QString() : TranslationFile(language), ChangesFile(), language);
  } catch (Exception& e) {
    e.SetMessage(QStringLiteral("ERROR INITIALIZING LOCALIZATION\nERROR INICIALIZANDO IDIOMA\n\n") +
                 e.Message());
    throw;
  }
}

void TLocalization::SetLanguage(const QString& language) {
  Registry().WriteString(AppKey(), kLanguageValue, language);
  if (!MakeLanguageFolder()) return;
  m_exe.SetSaveMode(false);
  const QString file = TranslationFile(language);
  if (!language.isEmpty() && QFileInfo::exists(file)) {
    m_exe.Init(file, QString(), language);
  } else {
    m_exe.Init(QString(), QString(), language);
  }
}

void TLocalization::GetAvailableLanguages(QStringList& list) const {
  list.clear();
  try {
    const QDir folder(LanguageFolder());
    if (!folder.exists()) return;
    const QString prefix = m_exeBaseName + QLatin1Char('_');
    const QFileInfoList files = folder.entryInfoList(
        {QStringLiteral("*.lang")}, QDir::Files | QDir::CaseSensitive, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
      const QString name = file.completeBaseName();
      if (!name.startsWith(prefix)) continue;
      const QString language = name.mid(prefix.size());
      if (!language.isEmpty()) list.append(language);
    }
  } catch (Exception& e) {
    e.SetMessage(
        QStringLiteral(
            "ERROR INITIALIZING AVAILABLE LOCALIZATION\nERROR INICIALIZANDO IDIOMAS DISPONIBLES\n\n") +
        e.Message());
    throw;
  }
}

QStringList TLocalization::AvailableLanguages() const {
  QStringList list;
  GetAvailableLanguages(list);
  return list;
}

TZULTranslate::Filter TLocalization::DefaultFilter() const {
  const QObject* mainWindow = m_mainWindow;
  return [mainWindow](const QObject* object, const QString& property) {
    return mainWindow && object == mainWindow &&
           (property.compare(QLatin1String("caption"), Qt::CaseInsensitive) == 0 ||
            property.compare(QLatin1String("windowTitle"), Qt::CaseInsensitive) == 0);
  };
}

void TLocalization::TranslateForm(QObject* form, const TZULTranslate::Filter& filter) {
  if (!form) return;
  if (!m_exe.Initialized()) InitLocalization();
  m_exe.Execute(form, QStringLiteral("Application_") + QString::fromLatin1(form->metaObject()->className()),
                filter ? filter : DefaultFilter());
}
