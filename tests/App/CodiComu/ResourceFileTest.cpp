// The resource file: saving with its backup, reading back, and what damaged files
// and a damaged parameter list lead to.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "App/CodiComu/ResourceFile.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TRecursosZUL.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

const QString kCorrupt = QString::fromUtf8("El archivo de recursos está estropeado\n\n");
const QString kNoBackup = QString::fromUtf8("Imposible recuperar los recursos de la copia de seguridad\n\n");
const QString kSaving = QString::fromUtf8("Error guardando recursos de la aplicación:\n\n");

class ResourceFileTest : public ::testing::Test {
protected:
  QString Zur() const { return ResourceFileName(appFile); }
  QString Seg() const { return ResourceBackupFileName(appFile); }

  // A store holding one report whose stream says which save it belongs to.
  static void Mark(TRecursosZUL& store, const QByteArray& mark) {
    store.InsertTRecursos(90001, QStringLiteral("Informe"), 1, mark);
  }
  static QByteArray MarkIn(const QString& path) {
    TRecursosZUL store;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "sin archivo";
    store.LoadFromStream(file);
    return store.GetStreamRecursos(90001);
  }
  void SaveMarked(const QByteArray& mark) {
    TRecursosZUL store;
    Mark(store, mark);
    SaveResources(appFile, nullptr, store);
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  TempDir dir;
  QString appFile = dir.File(QStringLiteral("Luma.ZUL"));
  ScriptedDialogs::Scope dialogs;
};

TEST_F(ResourceFileTest, FileNamesFollowTheApplicationFile) {
  const struct {
    const char* app;
    const char* zur;
    const char* seg;
  } cases[] = {
      {"/datos/Luma", "/datos/Luma.ZUR", "/datos/Luma_Seg.ZUR"},
      {"/datos/Luma.ZUL", "/datos/Luma.ZUR", "/datos/Luma_Seg.ZUR"},
      {"/datos/Luma.zul", "/datos/Luma.ZUR", "/datos/Luma_Seg.ZUR"},
      {"/datos/v2.1/Luma.Pro", "/datos/v2.1/Luma.Pro.ZUR", "/datos/v2.1/Luma.Pro_Seg.ZUR"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResourceFileName(QString::fromLatin1(c.app)), QString::fromLatin1(c.zur));
    EXPECT_EQ(ResourceBackupFileName(QString::fromLatin1(c.app)), QString::fromLatin1(c.seg));
  }
}

TEST_F(ResourceFileTest, SavedResourcesAndWritableParametersComeBack) {
  TRecursosZUL store;
  store.InsertTRecursos(50, QStringLiteral("Propio"), 1, "no se guarda");
  store.InsertTRecursos(90001, QStringLiteral("Informe"), 1, "informe");
  store.InsertTRecursos(95000, QStringLiteral("Vista"), 3, "vista", 90001);
  TParametres params;
  params.AddParam(QStringLiteral("MENU_STYLE"), 2, true);
  params.AddParam(QStringLiteral("TEMPORAL"), 5, false);
  SaveResources(appFile, &params, store);
  ASSERT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('|')).toStdString();
  EXPECT_FALSE(QFile::exists(Seg())) << "no earlier file to keep";

  TRecursosZUL loaded;
  TParametres back;
  LoadResources(appFile, &back, loaded);
  EXPECT_TRUE(dialogs->errors.isEmpty());
  EXPECT_EQ(loaded.FindIDRecursos(50), nullptr) << "only 90001 onward is saved";
  ASSERT_NE(loaded.FindIDRecursos(95000), nullptr);
  EXPECT_EQ(loaded.FindIDRecursos(95000)->parent, 90001);
  const TRecursoZUL* saved = loaded.FindIDRecursos(ResourceFile::kParametersId);
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->name, QStringLiteral("ZULAPPLICATION"));
  EXPECT_EQ(saved->kind, 9);
  EXPECT_EQ(back.AsInteger(QStringLiteral("MENU_STYLE")), 2);
  EXPECT_FALSE(back.ParamExists(QStringLiteral("TEMPORAL")));

  // Saving again replaces resource 100001 with the current list.
  params.SetParametreValue(QStringLiteral("MENU_STYLE"), 3);
  SaveResources(appFile, &params, loaded);
  TParametres again;
  TRecursosZUL reread;
  LoadResources(appFile, &again, reread);
  EXPECT_EQ(again.AsInteger(QStringLiteral("MENU_STYLE")), 3);
  EXPECT_EQ(reread.Count(), 3);
}

TEST_F(ResourceFileTest, EachSaveKeepsThePreviousFileAsTheBackup) {
  SaveMarked("primero");
  SaveMarked("segundo");
  EXPECT_EQ(MarkIn(Zur()), "segundo");
  EXPECT_EQ(MarkIn(Seg()), "primero");
  SaveMarked("tercero");
  EXPECT_EQ(MarkIn(Zur()), "tercero");
  EXPECT_EQ(MarkIn(Seg()), "segundo");
  EXPECT_TRUE(dialogs->errors.isEmpty());
  const QStringList left = QDir(dir.Path()).entryList(QDir::Files);
  EXPECT_EQ(left, QStringList({QStringLiteral("Luma.ZUR"), QStringLiteral("Luma_Seg.ZUR")}))
      << "no temporary files";
}

TEST_F(ResourceFileTest, DamagedFileIsReportedAndTheBackupRead) {
  SaveMarked("bueno");
  SaveMarked("perdido");
  Write(Zur(), "esto no es un archivo de recursos");

  TRecursosZUL store;
  LoadResources(appFile, nullptr, store);
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_TRUE(dialogs->errors[0].startsWith(kCorrupt)) << dialogs->errors[0].toStdString();
  EXPECT_GT(dialogs->errors[0].size(), kCorrupt.size()) << "the reason follows";
  EXPECT_EQ(store.GetStreamRecursos(90001), "bueno");

  // The damaged file is not worth keeping: the good backup stays.
  Mark(store, "nuevo");
  SaveResources(appFile, nullptr, store);
  EXPECT_EQ(MarkIn(Zur()), "nuevo");
  EXPECT_EQ(MarkIn(Seg()), "bueno");
}

TEST_F(ResourceFileTest, DamagedFileAndBackupLeaveTheStoreAsItWas) {
  Write(Zur(), QByteArray("LRES", 4));
  TRecursosZUL store;
  Mark(store, "en memoria");
  LoadResources(appFile, nullptr, store);
  ASSERT_EQ(dialogs->errors.size(), 1) << "no backup: nothing more to try";

  Write(Seg(), QByteArray());
  LoadResources(appFile, nullptr, store);
  ASSERT_EQ(dialogs->errors.size(), 3);
  EXPECT_TRUE(dialogs->errors[1].startsWith(kCorrupt));
  EXPECT_TRUE(dialogs->errors[2].startsWith(kNoBackup)) << dialogs->errors[2].toStdString();
  EXPECT_EQ(store.GetStreamRecursos(90001), "en memoria");
}

TEST_F(ResourceFileTest, DamagedParameterListAsksAndAnythingButYesAbortsSilently) {
  TRecursosZUL store;
  store.InsertTRecursos(ResourceFile::kParametersId, QStringLiteral("ZULAPPLICATION"), 9, "LPRM roto");
  Mark(store, "informe");
  {
    QFile file(Zur());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    store.SaveToStream(file);
  }
  TParametres params;
  for (TDialogButton refusal : {dbNo, dbCancel}) {
    dialogs->Answer(refusal);
    TRecursosZUL loaded;
    EXPECT_THROW(LoadResources(appFile, &params, loaded), EAbort);
    EXPECT_EQ(loaded.GetStreamRecursos(90001), "informe") << "the resources themselves were read";
  }
  ASSERT_EQ(dialogs->questions.size(), 2u);
  const auto& q = dialogs->questions[0];
  EXPECT_TRUE(q.text.startsWith(kSaving)) << q.text.toStdString();
  EXPECT_TRUE(q.text.endsWith(QString::fromUtf8("\n\n¿Continuar?"))) << q.text.toStdString();
  EXPECT_EQ(q.buttons, dbYes | dbNo);

  dialogs->Answer(dbYes);
  TRecursosZUL loaded;
  EXPECT_NO_THROW(LoadResources(appFile, &params, loaded));
  EXPECT_NO_THROW(LoadResources(appFile, nullptr, loaded)) << "without a list nothing is asked";
  EXPECT_EQ(dialogs->questions.size(), 3u);
  EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(ResourceFileTest, SaveErrorsAreReportedAndTheProgramGoesOn) {
  TRecursosZUL store;
  Mark(store, "x");
  EXPECT_NO_THROW(SaveResources(dir.File(QStringLiteral("no_existe/Luma.ZUL")), nullptr, store));
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_TRUE(dialogs->errors[0].startsWith(kSaving)) << dialogs->errors[0].toStdString();

  // A folder where the file should be: the folder is left alone.
  ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("Luma.ZUR")));
  SaveResources(appFile, nullptr, store);
  EXPECT_EQ(dialogs->errors.size(), 2);
  EXPECT_TRUE(QFileInfo(Zur()).isDir());

  // Without an application file there is nothing to read or write.
  TParametres params;
  LoadResources(QString(), &params, store);
  SaveResources(QString(), &params, store);
  EXPECT_EQ(dialogs->errors.size(), 2);
  EXPECT_EQ(store.FindIDRecursos(ResourceFile::kParametersId), nullptr);
}

}  // namespace
