// The database wizard's pages, checks, way back and the record it builds.
#include <gtest/gtest.h>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/TEditDataBaseWizard.h"
#include "tests/App/CodiComu/database/DataBaseTestEnvironment.h"

namespace {

using TPage = TEditDataBaseWizard::TPage;
using TChoice = TEditDataBaseWizard::TChoice;
using TDeleteChoice = TEditDataBaseWizard::TDeleteChoice;

class EditDataBaseWizardTest : public ::testing::Test {
protected:
  TZULDataBase Escuela() const {
    return TZULDataBase{QStringLiteral("Escuela"), 4, env.Data(QStringLiteral("Escuela.MDB")),
                        env.Data(QStringLiteral("Escuela.mdw"))};
  }
  // Runs Next and returns the message it raised (empty when it went on).
  static QString NextError(TEditDataBaseWizard& wizard) {
    try {
      wizard.Next();
    } catch (const Exception& e) {
      return e.Message();
    }
    return QString();
  }

  DataBaseTestEnvironment env;
};

TEST_F(EditDataBaseWizardTest, EachKindStartsOnItsPageWithItsValues) {
  struct Case {
    TEditKind kind;
    TPage page;
    TEditAction action;
    int status;  // 0: none
    bool next;
  };
  const Case cases[] = {
      {TEditKind::Modify, TPage::Modify, TEditAction::Modify, 1935, true},
      {TEditKind::Add, TPage::Name, TEditAction::None, 1936, true},
      {TEditKind::Delete, TPage::Delete, TEditAction::None, 1937, true},
      {TEditKind::Duplicate, TPage::Modify, TEditAction::Duplicate, 1938, true},
      {TEditKind::Import, TPage::Import, TEditAction::Import, 1939, true},
      {TEditKind::Information, TPage::Info, TEditAction::Information, 0, false},
  };
  for (const Case& c : cases) {
    const int kind = static_cast<int>(c.kind);
    TEditDataBaseWizard w(env.files, Escuela(), c.kind);
    EXPECT_EQ(w.Page(), c.page) << kind;
    EXPECT_EQ(w.Action(), c.action) << kind;
    EXPECT_EQ(w.StatusText(), c.status ? ccTranslate(c.status) : QString()) << kind;
    EXPECT_FALSE(w.PreviousVisible()) << kind;
    EXPECT_EQ(w.NextVisible(), c.next) << kind;
    EXPECT_FALSE(w.FinishVisible()) << kind;
    EXPECT_FALSE(w.Escape()) << kind;  // nothing to go back to: the window is cancelled
  }
  const TEditDataBaseWizard::TFields modify =
      TEditDataBaseWizard(env.files, Escuela(), TEditKind::Modify).Fields();
  EXPECT_EQ(modify.modifyName, QStringLiteral("Escuela"));
  EXPECT_EQ(modify.modifyFile, Escuela().Archivo);
  EXPECT_EQ(modify.modifySystemDataBase, Escuela().SystemDataBase);
  EXPECT_EQ(TEditDataBaseWizard(env.files, Escuela(), TEditKind::Add).Fields().name,
            QStringLiteral("Escuela"));
  const TEditDataBaseWizard::TFields copy =
      TEditDataBaseWizard(env.files, Escuela(), TEditKind::Duplicate).Fields();
  EXPECT_EQ(copy.modifyName, QStringLiteral("Copia de: Escuela"));
  EXPECT_EQ(copy.modifyFile, env.Data(QStringLiteral("ZULLumarescaExtV4E1.MDB")));
  EXPECT_TRUE(copy.modifySystemDataBase.isEmpty());
  const TEditDataBaseWizard::TFields import =
      TEditDataBaseWizard(env.files, Escuela(), TEditKind::Import).Fields();
  EXPECT_EQ(import.importFile, Escuela().Archivo);
  EXPECT_EQ(import.destination, env.Data(QStringLiteral("ZULLumarescaExtV4E1.MDB")));
}

TEST_F(EditDataBaseWizardTest, AddingANewDatabaseAndTheWayBack) {
  TEditDataBaseWizard w(env.files, TZULDataBase{}, TEditKind::Add);
  EXPECT_EQ(w.PageTitle(), QStringLiteral("Nombre Empresa"));
  EXPECT_EQ(w.HelpText(), ccTranslate(1921));
  w.Fields().name = QStringLiteral("  Academia Norte ");
  w.Next();
  EXPECT_EQ(w.Page(), TPage::Action);
  EXPECT_TRUE(w.PreviousVisible());
  EXPECT_TRUE(w.HelpText().isEmpty());  // the help follows the chosen option
  w.Fields().choice = TChoice::NewEmpty;
  EXPECT_EQ(w.HelpText(), ccTranslate(1922));
  w.Enter();
  EXPECT_EQ(w.Page(), TPage::Confirm);
  EXPECT_EQ(w.Action(), TEditAction::NewEmpty);
  EXPECT_TRUE(w.FinishVisible());
  EXPECT_FALSE(w.NextVisible());
  EXPECT_TRUE(w.HelpText().isEmpty());
  const QString file = env.Data(QStringLiteral("ZULLumarescaExtV4E1.MDB"));
  EXPECT_EQ(w.NewDataBase(), (TZULDataBase{QStringLiteral("Academia Norte"), 0, file, QString()}));
  EXPECT_EQ(w.ConfirmationText(),
            QString::fromUtf8("Se procederá a crear una nueva base de datos en blanco (sin "
                              "datos).\n\nEl archivo se creará en: \n") +
                file + QStringLiteral("\n\nLa base de datos se llamará: \nAcademia Norte"));

  // Back exactly the way it came, buttons as they were.
  EXPECT_TRUE(w.Escape());
  EXPECT_EQ(w.Page(), TPage::Action);
  EXPECT_TRUE(w.PreviousVisible());
  EXPECT_TRUE(w.NextVisible());
  EXPECT_FALSE(w.FinishVisible());
  w.Fields().choice = TChoice::Existing;
  w.Next();
  EXPECT_EQ(w.Page(), TPage::Where);
  EXPECT_EQ(w.Action(), TEditAction::Link);
  EXPECT_TRUE(w.Fields().destination.isEmpty());
  w.Fields().destination = env.Data(QStringLiteral("Norte.MDB"));
  w.Next();
  EXPECT_EQ(w.NewDataBase().Archivo, env.Data(QStringLiteral("Norte.MDB")));
  w.Previous();
  EXPECT_EQ(w.Page(), TPage::Where);
  w.Previous();
  EXPECT_EQ(w.Page(), TPage::Action);
  w.Previous();
  EXPECT_EQ(w.Page(), TPage::Name);
  EXPECT_FALSE(w.PreviousVisible());
  EXPECT_TRUE(w.NextVisible());
  w.Previous();  // nothing before the first page
  EXPECT_EQ(w.Page(), TPage::Name);
}

TEST_F(EditDataBaseWizardTest, RefusedChecksKeepThePage) {
  struct Case {
    TEditKind kind;
    TChoice choice;  // Acción, reached from the name
    const char* file;
    const char* name;
    QString expected;
    TPage page;
  };
  const QString temp = env.Bin() + QStringLiteral("/Temp");
  const Case cases[] = {
      {TEditKind::Add, TChoice::None, nullptr, "   ", ccTranslate(1930), TPage::Name},
      {TEditKind::Add, TChoice::None, nullptr, "Norte", ccTranslate(1931), TPage::Action},
      {TEditKind::Add, TChoice::Existing, "  ", "Norte", ccTranslate(1900), TPage::Where},
      {TEditKind::Add, TChoice::Existing, "bin/Temp/Norte.MDB", "Norte", ccTranslateFmt(1901, {temp}),
       TPage::Where},
      {TEditKind::Add, TChoice::Existing, "bin/MastersMDB/X.MDB", "Norte",
       ccTranslateFmt(1901, {env.files.MastersFolder}), TPage::Where},
      {TEditKind::Add, TChoice::Existing, "bin/temp/Norte.MDB", "Norte", QString(),
       TPage::Confirm},  // names match exactly
      {TEditKind::Import, TChoice::None, "bin/Temp/ZULLumaExtV3.MDB", nullptr, ccTranslateFmt(1901, {temp}),
       TPage::Import},
      {TEditKind::Modify, TChoice::None, "datos/Escuela.MDB", " ", ccTranslate(1932), TPage::Modify},
      {TEditKind::Modify, TChoice::None, "", "Escuela", ccTranslate(1900), TPage::Modify},
      {TEditKind::Modify, TChoice::None, "datos/ESCUELA.mdb", "Escuela", QString(), TPage::Confirm},
      // The copy of a database needs another file; letter case does not make one.
      {TEditKind::Duplicate, TChoice::None, "datos/ESCUELA.mdb", "Copia", ccTranslate(1933), TPage::Modify},
      {TEditKind::Duplicate, TChoice::None, "datos/./Escuela.MDB", "Copia", ccTranslate(1933), TPage::Modify},
      {TEditKind::Delete, TChoice::None, nullptr, nullptr, ccTranslate(1931), TPage::Delete},
  };
  for (const Case& c : cases) {
    TEditDataBaseWizard w(env.files, Escuela(), c.kind);
    const QString file = c.file ? env.dir.File(QString::fromUtf8(c.file)) : QString();
    if (c.kind == TEditKind::Add) {
      w.Fields().name = QString::fromUtf8(c.name);
      if (c.page != TPage::Name) w.Next();
      w.Fields().choice = c.choice;
      if (c.page != TPage::Name && c.page != TPage::Action) {
        w.Next();
        w.Fields().destination =
            QString::fromUtf8(c.file).trimmed().isEmpty() ? QString::fromUtf8(c.file) : file;
      }
    } else if (c.kind == TEditKind::Import) {
      w.Fields().importFile = file;
    } else if (c.kind != TEditKind::Delete) {
      w.Fields().modifyName = QString::fromUtf8(c.name);
      w.Fields().modifyFile = QString::fromUtf8(c.file).isEmpty() ? QString() : file;
    }
    const TPage before = w.Page();
    EXPECT_EQ(NextError(w), c.expected) << c.file << " " << c.name;
    EXPECT_EQ(w.Page(), c.expected.isEmpty() ? TPage::Confirm : before) << c.file << " " << c.name;
  }
}

TEST_F(EditDataBaseWizardTest, ConfirmationTextsAndRecordsOfTheOtherActions) {
  const TZULDataBase escuela = Escuela();
  const QString older = env.Data(QStringLiteral("Antigua.MDB"));
  const QString copy = env.Data(QStringLiteral("Copia.MDB"));
  {
    TEditDataBaseWizard w(env.files, escuela, TEditKind::Import);
    w.Fields().importFile = older;
    w.Next();
    EXPECT_EQ(w.Original().Archivo, older);
    EXPECT_EQ(w.NewDataBase(),
              (TZULDataBase{QStringLiteral("Escuela"), 0, w.Fields().destination, QString()}));
    EXPECT_EQ(w.ConfirmationText(),
              ccTranslateFmt(1916, {older, w.Fields().destination, QStringLiteral("Escuela")}));
  }
  {
    TEditDataBaseWizard w(env.files, escuela, TEditKind::Duplicate);
    w.Fields().modifyFile = copy + QStringLiteral(" ");
    w.Next();
    EXPECT_EQ(w.NewDataBase(), (TZULDataBase{QStringLiteral("Copia de: Escuela"), 0, copy, QString()}));
    EXPECT_EQ(w.ConfirmationText(), ccTranslateFmt(1913, {copy, QStringLiteral("Copia de: Escuela")}) +
                                        QStringLiteral("\nNo se usará ninguna base de datos de permisos"));
  }
  {
    TEditDataBaseWizard w(env.files, escuela, TEditKind::Modify);
    w.Fields().modifyName = QStringLiteral("Escuela Sur");
    w.Next();
    EXPECT_EQ(w.NewDataBase(),
              (TZULDataBase{QStringLiteral("Escuela Sur"), 4, escuela.Archivo, escuela.SystemDataBase}));
    EXPECT_EQ(w.ConfirmationText(),
              ccTranslateFmt(1920, {QStringLiteral("Escuela Sur"), escuela.Archivo}) +
                  QString::fromUtf8("\nSe usará la base de datos de permisos siguiente:\n") +
                  escuela.SystemDataBase);
  }
  {
    TEditDataBaseWizard w(env.files, escuela, TEditKind::Delete);
    w.Fields().deleteChoice = TDeleteChoice::RemoveLink;
    EXPECT_EQ(w.HelpText(), ccTranslate(1928));
    w.Next();
    EXPECT_EQ(w.Action(), TEditAction::Remove);
    EXPECT_EQ(
        w.ConfirmationText(),
        QString::fromUtf8("Se borrará la base de datos \"Escuela\"\n\nEl archivo con todos los datos no se "
                          "borrará y se encuentra en: ") +
            escuela.Archivo +
            QString::fromUtf8("\n\nEn cualquier momento se puede volver a utilizar dichos datos mediante la "
                              "opción \"Seleccionar una Base de datos ya existente (trabajo en red o "
                              "recuperación)\"."));
    w.Previous();
    w.Fields().deleteChoice = TDeleteChoice::DeleteFile;
    w.Next();
    EXPECT_EQ(w.Action(), TEditAction::DeleteFile);
    EXPECT_EQ(w.NewDataBase(), escuela);
    EXPECT_EQ(w.ConfirmationText(), ccTranslateFmt(1919, {QStringLiteral("Escuela"), escuela.Archivo}));
  }
}

TEST_F(EditDataBaseWizardTest, TheImportChoiceNeedsAProgramVersionAboveOne) {
  for (const int version : {1, 4}) {
    env.files.DataBaseVersion = version;
    TEditDataBaseWizard w(env.files, TZULDataBase{}, TEditKind::Add);
    w.Fields().name = QStringLiteral("Norte");
    w.Next();
    w.Fields().choice = TChoice::Import;
    EXPECT_EQ(w.ImportChoiceEnabled(), version > 1);
    EXPECT_EQ(NextError(w), version > 1 ? QString() : ccTranslate(1931));
    EXPECT_EQ(w.Page(), version > 1 ? TPage::Import : TPage::Action);
  }
}

}  // namespace
