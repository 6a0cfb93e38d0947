// The database selection: lines and colours, commands, opening and editing the list.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "App/CodiComu/database/TDataBaseSelection.h"
#include "platform/core/IniFile.h"
#include "tests/App/CodiComu/database/DataBaseTestEnvironment.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using TColour = TDataBaseSelection::TLineColour;

class DataBaseSelectionTest : public ::testing::Test {
protected:
  void SetUp() override {
    selection.SetWizardRunner([this](TEditDataBaseWizard& wizard) {
      seen.push_back(Seen{wizard.Kind(), wizard.Page(), wizard.Fields().importFile});
      return script ? script(wizard) : false;
    });
  }
  // Lists a database whose file carries `version`.
  int AddFile(const QString& name, int version, int stored = -1) {
    const QString file = env.Data(name + QStringLiteral(".MDB"));
    DataBaseTestEnvironment::MakeDataBase(file, version);
    return env.Add(name, file, stored);
  }
  QString StoredVersion(int index) {
    return env.list.GetIniFile().ReadString(env.list.SectionName(index), QStringLiteral("Version"));
  }
  template <typename F>
  static QString ErrorOf(F f) {
    try {
      f();
    } catch (const Exception& e) {
      return e.Message();
    }
    return QString();
  }

  struct Seen {
    TEditKind kind;
    TEditDataBaseWizard::TPage page;
    QString importFile;
  };
  DataBaseTestEnvironment env;
  ScriptedDialogs::Scope dialogs;
  TDataBaseSelection selection{env.list, env.files, env.session};
  std::function<bool(TEditDataBaseWizard&)> script;
  std::vector<Seen> seen;
};

TEST_F(DataBaseSelectionTest, FillingReadsUnknownVersionsOnceAndColoursTheLines) {
  AddFile(QStringLiteral("Antigua"), 3);
  AddFile(QStringLiteral("Actual"), 4);
  AddFile(QStringLiteral("Futura"), 5);
  env.Add(QStringLiteral("Perdida"), env.Data(QStringLiteral("NoExiste.MDB")), -1);
  const QString damaged = env.Data(QStringLiteral("Rota.MDB"));
  QFile f(damaged);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("no es una base de datos");
  f.close();
  env.Add(QStringLiteral("Rota"), damaged, -1);
  env.session.connected = true;
  env.session.current = 1;

  selection.Open();
  ASSERT_EQ(selection.Count(), 5);
  EXPECT_EQ(selection.Selected(), 1);
  const int versions[] = {3, 4, 5, -1, -1};
  const TColour colours[] = {TColour::Older, TColour::Normal, TColour::Newer, TColour::Older, TColour::Older};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(selection.Line(i).Version, versions[i]) << i;
    EXPECT_EQ(StoredVersion(i), QString::number(versions[i])) << i;
    EXPECT_EQ(selection.Colour(i), colours[i]) << i;
  }
  EXPECT_EQ(selection.Line(2).Nombre, QStringLiteral("Futura"));

  // Once read, the stored version is trusted.
  env.list.GetIniFile().WriteInteger(env.list.SectionName(0), QStringLiteral("Version"), 4);
  selection.SetSelected(4);
  env.list.DeleteDataBase(4);
  selection.FillList();
  EXPECT_EQ(selection.Line(0).Version, 4);
  EXPECT_EQ(selection.Selected(), -1);  // the selected line is gone
}

TEST_F(DataBaseSelectionTest, CommandsFollowTheSelectionAndTheOpenDatabase) {
  AddFile(QStringLiteral("Actual"), 4);
  selection.Open();
  TDataBaseSelection::TCommands c = selection.Commands();
  EXPECT_TRUE(c.add && c.information);
  EXPECT_FALSE(c.modify || c.remove || c.duplicate || c.select || c.disconnect);
  selection.SetSelected(0);
  env.session.connected = true;
  c = selection.Commands();
  EXPECT_TRUE(c.modify && c.remove && c.duplicate && c.select && c.disconnect);
  selection.SetSelected(7);
  EXPECT_EQ(selection.Selected(), -1);

  selection.Disconnect();
  EXPECT_EQ(env.session.calls,
            (QStringList{QStringLiteral("Connect(-1)"), QStringLiteral("SetConnected(0)")}));
  EXPECT_FALSE(selection.Commands().disconnect);
}

TEST_F(DataBaseSelectionTest, SelectOpensACurrentDatabase) {
  AddFile(QStringLiteral("Antigua"), 3);
  AddFile(QStringLiteral("Actual"), 4);
  selection.Open();
  EXPECT_EQ(ErrorOf([&] { selection.Select(); }),
            QStringLiteral("No hay ninguna Base de Datos seleccionada"));
  selection.SetSelected(1);
  EXPECT_TRUE(selection.Select());
  EXPECT_EQ(env.session.calls, QStringList{QStringLiteral("Connect(1)")});
  EXPECT_TRUE(seen.empty());
}

TEST_F(DataBaseSelectionTest, SelectingAnOlderDatabaseOffersItsImport) {
  AddFile(QStringLiteral("Antigua"), 3);
  selection.Open();
  selection.SetSelected(0);
  dialogs->Answer(dbNo);
  EXPECT_FALSE(selection.Select());
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text, ccTranslate(1721));
  EXPECT_EQ(dialogs->questions[0].icon, TDialogIcon::Warning);
  EXPECT_EQ(dialogs->questions[0].defaultButton, dbNo);
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(env.session.calls.isEmpty());

  dialogs->Answer(dbYes);
  EXPECT_FALSE(selection.Select());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].kind, TEditKind::Import);
  EXPECT_EQ(seen[0].page, TEditDataBaseWizard::TPage::Import);
  EXPECT_EQ(seen[0].importFile, env.Data(QStringLiteral("Antigua.MDB")));
  EXPECT_EQ(env.session.calls, QStringList{QStringLiteral("SetConnected(0)")});
  EXPECT_TRUE(env.session.checks.isEmpty());  // importing needs no administrator
}

TEST_F(DataBaseSelectionTest, AFailedVersionCheckForgetsTheStoredVersion) {
  AddFile(QStringLiteral("Futura"), 5);
  selection.Open();
  selection.SetSelected(0);
  EXPECT_EQ(StoredVersion(0), QStringLiteral("5"));
  EXPECT_TRUE(ErrorOf([&] { selection.Select(); }).startsWith(QStringLiteral("El archivo ")));
  EXPECT_EQ(StoredVersion(0), QStringLiteral("-1"));
  EXPECT_TRUE(env.session.calls.isEmpty());
}

TEST_F(DataBaseSelectionTest, EditingChecksTheAdministratorBeforeTheWizard) {
  const QString file = env.Data(QStringLiteral("Actual.MDB"));
  AddFile(QStringLiteral("Actual"), 4);
  env.session.notAdministrator.insert(file);
  selection.Open();
  selection.SetSelected(0);
  const QString refused =
      QStringLiteral("Modificar la base de datos\n") +
      QString::fromUtf8("Sólo el administrador de \"Actual\" puede realizar esta operación");
  for (const TEditKind kind :
       {TEditKind::Modify, TEditKind::Delete, TEditKind::Duplicate, TEditKind::Information}) {
    env.session.calls.clear();
    EXPECT_EQ(ErrorOf([&] { selection.EditDataBase(kind); }), refused) << static_cast<int>(kind);
    EXPECT_EQ(env.session.calls, QStringList{QStringLiteral("SetConnected(0)")});
  }
  EXPECT_TRUE(seen.empty());
  for (const TEditKind kind : {TEditKind::Add, TEditKind::Import}) {
    EXPECT_FALSE(selection.EditDataBase(kind));  // the wizard was cancelled
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(env.session.checks.size(), 4);
  EXPECT_EQ(env.list.DataBaseCount(), 1);
}

TEST_F(DataBaseSelectionTest, AddingADatabaseThroughTheWizardListsItWithItsVersion) {
  script = [](TEditDataBaseWizard& w) {
    w.Fields().name = QStringLiteral("Academia Norte");
    w.Next();
    w.Fields().choice = TEditDataBaseWizard::TChoice::NewEmpty;
    w.Next();
    return true;
  };
  selection.Open();
  EXPECT_TRUE(selection.EditDataBase(TEditKind::Add));
  ASSERT_EQ(selection.Count(), 1);
  const QString file = env.Data(QStringLiteral("ZULLumarescaExtV4E1.MDB"));
  EXPECT_EQ(selection.Line(0), (TZULDataBase{QStringLiteral("Academia Norte"), 4, file, QString()}));
  EXPECT_EQ(StoredVersion(0), QStringLiteral("4"));  // read by the refill
  EXPECT_TRUE(QFileInfo::exists(file));
  selection.SetSelected(0);
  EXPECT_TRUE(selection.Select());
}

TEST_F(DataBaseSelectionTest, ModifyDuplicateAndRemoveThroughTheWizard) {
  AddFile(QStringLiteral("Actual"), 4);
  selection.Open();
  selection.SetSelected(0);
  script = [](TEditDataBaseWizard& w) {
    w.Fields().modifyName = QStringLiteral("Actual renombrada");
    w.Next();
    return true;
  };
  EXPECT_TRUE(selection.EditDataBase(TEditKind::Modify));
  EXPECT_EQ(selection.Line(0).Nombre, QStringLiteral("Actual renombrada"));
  EXPECT_EQ(selection.Line(0).Version, 4);

  script = [](TEditDataBaseWizard& w) {
    w.Next();
    return true;
  };
  EXPECT_TRUE(selection.EditDataBase(TEditKind::Duplicate));
  ASSERT_EQ(selection.Count(), 2);
  EXPECT_EQ(selection.Line(1).Nombre, QStringLiteral("Copia de: Actual renombrada"));
  EXPECT_TRUE(QFileInfo::exists(selection.Line(1).Archivo));

  script = [](TEditDataBaseWizard& w) {
    w.Fields().deleteChoice = TEditDataBaseWizard::TDeleteChoice::RemoveLink;
    w.Next();
    return true;
  };
  EXPECT_TRUE(selection.EditDataBase(TEditKind::Delete));
  ASSERT_EQ(selection.Count(), 1);
  EXPECT_EQ(selection.Selected(), 0);
  EXPECT_EQ(selection.Line(0).Nombre, QStringLiteral("Copia de: Actual renombrada"));
  EXPECT_TRUE(QFileInfo::exists(env.Data(QStringLiteral("Actual.MDB"))));
}

}  // namespace
