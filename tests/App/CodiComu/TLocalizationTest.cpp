#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QObject>
#include <memory>

#include "App/CodiComu/TLocalization.h"
#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"
#include "platform/translate/TLanguageFile.h"
#include "platform/translate/TZULTranslate.h"
#include "platform/zul/TZULForm.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

// A window of the program, with a caption like the forms model's.
class TFRMPrueba : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
public:
  explicit TFRMPrueba(const QString& caption, QObject* parent = nullptr)
      : QObject(parent), m_caption(caption) {}
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& caption) { m_caption = caption; }

private:
  QString m_caption;
};

namespace {

const QString kApp = QStringLiteral("ZUL-Prueba");

class TLocalizationTest : public ::testing::Test {
protected:
  QString Folder() const { return m_dir.File(QStringLiteral("lang")); }
  void Write(const QString& name, const QByteArray& data) {
    QDir().mkpath(Folder());
    QFile file(Folder() + QLatin1Char('/') + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  void WriteLanguage(const QString& language, const QMap<QString, QString>& texts) {
    QDir().mkpath(Folder());
    TLanguageFile file;
    file.language = language;
    file.texts = texts;
    file.Save(m_loc.TranslationFile(language));
  }
  QString StoredLanguage() const {
    return m_registry.ReadString(TRegistryStore::AppKey(kApp), QStringLiteral("language"));
  }

  TempDir m_dir;
  TRegistryStore m_registry{m_dir.File(QStringLiteral("registry.json"))};
  TZULTranslate m_exe;
  TZULTranslate m_bpl;
  TLocalization m_loc{kApp, m_dir.Path(), QStringLiteral("lumapro"), &m_registry, &m_exe, &m_bpl};
};

TEST_F(TLocalizationTest, FileNamesBelowTheProgramFolder) {
  EXPECT_EQ(m_loc.LanguageFolder(), m_dir.Path() + QStringLiteral("/lang"));
  EXPECT_EQ(m_loc.TranslationFile(QStringLiteral("English")),
            Folder() + QStringLiteral("/lumapro_English.lang"));
  EXPECT_EQ(m_loc.ChangesFile(), Folder() + QStringLiteral("/lumapro.lang_changes"));
}

TEST_F(TLocalizationTest, OnlyTheProgramsLanguageFilesAddALanguage) {
  QStringList list{QStringLiteral("viejo")};
  m_loc.GetAvailableLanguages(list);
  EXPECT_TRUE(list.isEmpty());  // no language folder yet

  for (const char* name :
       {"lumapro_English.lang", "lumapro_Català.lang", "lumapro_.lang", "otro_French.lang", "lumapro.lang",
        "lumapro.lang_changes", "lumapro_German.lang.bak", "LUMAPRO_Dutch.lang", "lumapro_Euskara.LANG"}) {
    Write(QString::fromUtf8(name), "{\"language\": \"\", \"texts\": {}}");
  }
  QDir().mkpath(Folder() + QStringLiteral("/lumapro_Carpeta.lang"));  // not a file
  EXPECT_EQ(m_loc.AvailableLanguages(), (QStringList{QStringLiteral("Català"), QStringLiteral("English")}));
}

TEST_F(TLocalizationTest, SetLanguageStoresItAndSwitchesTheTexts) {
  const QString key = QStringLiteral("ExeStrings.10019");
  WriteLanguage(QStringLiteral("English"), {{key, QStringLiteral("Process cancelled")}});
  m_exe.SetSaveMode(true);
  m_loc.SetLanguage(QStringLiteral("English"));
  EXPECT_EQ(StoredLanguage(), QStringLiteral("English"));
  EXPECT_FALSE(m_exe.SaveMode());
  EXPECT_EQ(m_exe.Language(), QStringLiteral("English"));
  EXPECT_EQ(m_exe.ValueDef(key, QStringLiteral("Proceso cancelado")), QStringLiteral("Process cancelled"));

  m_loc.SetLanguage(QStringLiteral("Klingon"));  // no file: the defaults
  EXPECT_EQ(StoredLanguage(), QStringLiteral("Klingon"));
  EXPECT_EQ(m_exe.Language(), QStringLiteral("Klingon"));
  EXPECT_EQ(m_exe.ValueDef(key, QStringLiteral("Proceso cancelado")), QStringLiteral("Proceso cancelado"));

  m_loc.SetLanguage(QString());
  EXPECT_EQ(StoredLanguage(), QString());
  EXPECT_EQ(m_exe.Language(), QString());
  EXPECT_EQ(m_exe.ChangesFile(), QString());
}

TEST_F(TLocalizationTest, InitLocalizationTakesTheStoredLanguageAndMakesTheProgramsObjectTheMaster) {
  WriteLanguage(QStringLiteral("English"), {{QStringLiteral("CC.Common.yes"), QStringLiteral("Yes")}});
  m_loc.InitLocalization();  // nothing stored: the default language
  EXPECT_TRUE(m_exe.Initialized());
  EXPECT_EQ(m_exe.Language(), QString());
  EXPECT_EQ(m_bpl.MasterTranslate(), &m_exe);

  m_registry.WriteString(TRegistryStore::AppKey(kApp), QStringLiteral("language"), QStringLiteral("English"));
  m_loc.InitLocalization();
  EXPECT_EQ(m_exe.Language(), QStringLiteral("English"));
  EXPECT_EQ(m_bpl.ValueDef(QStringLiteral("CC.Common.yes"), QStringLiteral("Si")), QStringLiteral("Yes"));
  EXPECT_EQ(m_exe.ChangesFile(), m_loc.ChangesFile());

  // Translators work on the Spanish texts: save mode ignores the stored language.
  m_exe.SetSaveMode(true);
  m_loc.InitLocalization();
  EXPECT_EQ(m_exe.Language(), QString());
  m_bpl.ValueDef(QStringLiteral("CC.Common.yes"), QStringLiteral("Si"));
  m_exe.SaveChanges();
  EXPECT_EQ(TLanguageFile::Load(m_loc.ChangesFile()).texts.value(QStringLiteral("CC.Common.yes")),
            QStringLiteral("Si"));
}

TEST_F(TLocalizationTest, ADamagedLanguageFileIsReportedAndTheSpanishTextsStay) {
  Write(QStringLiteral("lumapro_English.lang"), "{\"texts\": ");
  m_registry.WriteString(TRegistryStore::AppKey(kApp), QStringLiteral("language"), QStringLiteral("English"));
  try {
    m_loc.InitLocalization();
    ADD_FAILURE() << "no error";
  } catch (const EFileError& e) {
    EXPECT_TRUE(e.Message().startsWith(
        QStringLiteral("ERROR INITIALIZING LOCALIZATION\nERROR INICIALIZANDO IDIOMA\n\n")))
        << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains(m_loc.TranslationFile(QStringLiteral("English"))));
  }
  EXPECT_TRUE(m_exe.Initialized());
  EXPECT_EQ(m_exe.ValueDef(QStringLiteral("CC.Common.yes"), QStringLiteral("Si")), QStringLiteral("Si"));
}

TEST_F(TLocalizationTest, WithoutALanguageFolderNothingIsInitialised) {
  const QString notAFolder = m_dir.File(QStringLiteral("programa"));
  QFile file(notAFolder);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  TLocalization loc(kApp, notAFolder, QStringLiteral("lumapro"), &m_registry, &m_exe, &m_bpl);
  loc.InitLocalization();
  EXPECT_FALSE(m_exe.Initialized());
  m_exe.SetSaveMode(true);
  loc.SetLanguage(QStringLiteral("English"));
  EXPECT_EQ(StoredLanguage(), QStringLiteral("English"));  // stored before the folder is needed
  EXPECT_TRUE(m_exe.SaveMode());
  EXPECT_FALSE(m_exe.Initialized());
}

TEST_F(TLocalizationTest, TranslateFormLeavesTheMainWindowTitleAlone) {
  WriteLanguage(QStringLiteral("English"),
                {{QStringLiteral("Application_TFRMPrueba.caption"), QStringLiteral("Test")},
                 {QStringLiteral("Application_TFRMPrueba.btnOk.caption"), QStringLiteral("OK")}});
  m_registry.WriteString(TRegistryStore::AppKey(kApp), QStringLiteral("language"), QStringLiteral("English"));
  TFRMPrueba main(QStringLiteral("Lumaresca PRO \"Academia\""));
  auto* ok = new TFRMPrueba(QStringLiteral("Aceptar"), &main);
  ok->setObjectName(QStringLiteral("btnOk"));
  m_loc.SetMainWindow(&main);

  m_loc.TranslateForm(&main);  // initialises the localisation first
  EXPECT_TRUE(m_exe.Initialized());
  EXPECT_EQ(main.Caption(), QStringLiteral("Lumaresca PRO \"Academia\""));
  EXPECT_EQ(ok->Caption(), QStringLiteral("OK"));

  TFRMPrueba other(QStringLiteral("Prueba"));
  m_loc.TranslateForm(&other);
  EXPECT_EQ(other.Caption(), QStringLiteral("Test"));
  TFRMPrueba filtered(QStringLiteral("Prueba"));
  m_loc.TranslateForm(&filtered, [](const QObject*, const QString&) { return true; });
  EXPECT_EQ(filtered.Caption(), QStringLiteral("Prueba"));
}

TEST_F(TLocalizationTest, TranslatesAFormOfTheFormsModelAndBack) {
  WriteLanguage(QStringLiteral("English"),
                {{QStringLiteral("Application_TZULForm.caption"), QStringLiteral("Invoices")},
                 {QStringLiteral("Application_TZULForm.lblSerie.caption"), QStringLiteral("Series")},
                 {QStringLiteral("Application_TZULForm.bbFacturar.caption"), QStringLiteral("&Invoice")}});
  TZULForm form(10723, 198, QStringLiteral("FRMFacturas"));
  form.SetCaption(QStringLiteral("Facturas"));
  TZULControl* panel = form.AddControl(TZULControlKind::Panel, QStringLiteral("pnlDatos"));
  TZULControl* label = form.AddControl(TZULControlKind::Label, QStringLiteral("lblSerie"), panel);
  label->SetCaption(QStringLiteral("Serie"));
  TZULControl* button = form.AddControl(TZULControlKind::Button, QStringLiteral("bbFacturar"));
  button->SetCaption(QStringLiteral("&Facturar"));

  m_loc.SetLanguage(QStringLiteral("English"));
  m_loc.TranslateForm(&form);
  EXPECT_EQ(form.Caption(), QStringLiteral("Invoices"));
  EXPECT_EQ(label->Caption(), QStringLiteral("Series"));
  EXPECT_EQ(button->Caption(), QStringLiteral("&Invoice"));
  EXPECT_EQ(panel->Caption(), QString());

  m_loc.SetLanguage(QString());
  m_loc.TranslateForm(&form);
  EXPECT_EQ(form.Caption(), QStringLiteral("Facturas"));
  EXPECT_EQ(label->Caption(), QStringLiteral("Serie"));
  EXPECT_EQ(button->Caption(), QStringLiteral("&Facturar"));
}

}  // namespace

#include "TLocalizationTest.moc"
