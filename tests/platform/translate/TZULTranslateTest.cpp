#include <gtest/gtest.h>
#include <QFile>

#include "platform/core/Exceptions.h"
#include "platform/translate/TLanguageFile.h"
#include "platform/translate/TZULTranslate.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

QString WriteLanguage(const TempDir& dir, const QString& name, const QString& language,
                      const QMap<QString, QString>& texts) {
  TLanguageFile file;
  file.language = language;
  file.texts = texts;
  const QString path = dir.File(name);
  file.Save(path);
  return path;
}

QString WriteRaw(const TempDir& dir, const QString& name, const QByteArray& data) {
  const QString path = dir.File(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(data);
  return path;
}

QByteArray ReadRaw(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kYes = QStringLiteral("CC.Common.yes");
const QString kNo = QStringLiteral("CC.Common.no");

TEST(TZULTranslateTest, LanguageFilesSwitchTheTexts) {
  TempDir dir;
  const QString english = WriteLanguage(dir, QStringLiteral("app_English.lang"), QStringLiteral("English"),
                                        {{kYes, QStringLiteral("Yes")}, {kNo, QString()}});
  // Files written elsewhere may start with a byte-order mark.
  const QString french = WriteRaw(dir, QStringLiteral("app_Français.lang"),
                                  "\xEF\xBB\xBF{\"language\": \"Fran\xC3\xA7"
                                  "ais\", \"texts\": {\"CC.Common.yes\": \"Oui\"}}");
  TZULTranslate t;
  EXPECT_FALSE(t.Initialized());
  EXPECT_EQ(t.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Si"));

  t.Init(english, QString(), QStringLiteral("English"));
  EXPECT_TRUE(t.Initialized());
  EXPECT_EQ(t.Language(), QStringLiteral("English"));
  EXPECT_EQ(t.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Yes"));
  EXPECT_EQ(t.ValueDef(kNo, QStringLiteral("No")), QStringLiteral("No"));  // an empty translation is none
  EXPECT_FALSE(t.HasTranslation(kNo));
  EXPECT_EQ(t.ValueDef(QStringLiteral("CC.Common.retry"), QStringLiteral("¿Reintentar?")),
            QStringLiteral("¿Reintentar?"));

  t.Init(french, QString(), QStringLiteral("Français"));
  EXPECT_EQ(t.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Oui"));

  // A language without a file and the default language show the defaults.
  t.Init(dir.File(QStringLiteral("app_Klingon.lang")), QString(), QStringLiteral("Klingon"));
  EXPECT_EQ(t.Language(), QStringLiteral("Klingon"));
  EXPECT_EQ(t.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Si"));
  t.Init(QString(), QString(), QString());
  EXPECT_EQ(t.Language(), QString());
  EXPECT_EQ(t.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Si"));
}

TEST(TZULTranslateTest, ADamagedLanguageFileRaisesAndTheDefaultsStand) {
  const QByteArray cases[] = {
      "esto no es JSON",
      "{\"language\": \"English\", \"texts\": {\"CC.Common.yes\": \"Yes\"",  // cut short
      "[\"CC.Common.yes\", \"Yes\"]",
      "{\"language\": \"English\"}",
      "{\"language\": \"English\", \"texts\": [\"Yes\"]}",
      "{\"language\": 7, \"texts\": {}}",
      "{\"language\": \"English\", \"texts\": {\"CC.Common.yes\": 1}}",
      "",
  };
  TempDir dir;
  const QString good = WriteLanguage(dir, QStringLiteral("good.lang"), QStringLiteral("English"),
                                     {{kYes, QStringLiteral("Yes")}});
  for (const QByteArray& data : cases) {
    SCOPED_TRACE(data.toStdString());
    const QString bad = WriteRaw(dir, QStringLiteral("bad.lang"), data);
    TZULTranslate t;
    t.Init(good, QString(), QStringLiteral("English"));
    try {
      t.Init(bad, QString(), QStringLiteral("English"));
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message().contains(bad)) << e.Message().toStdString();
      EXPECT_TRUE(e.Message().contains(QStringLiteral("dañado"))) << e.Message().toStdString();
    }
    EXPECT_TRUE(t.Initialized());
    EXPECT_EQ(t.Language(), QString());
    EXPECT_EQ(t.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Si"));
  }
}

TEST(TZULTranslateTest, SaveModeCollectsKeysIntoTheChangesFile) {
  TempDir dir;
  const QString changes = dir.File(QStringLiteral("app.lang_changes"));
  {
    TZULTranslate t;
    t.Init(QString(), changes, QString());
    t.SetValue(QStringLiteral("a"), QStringLiteral("A"));
    t.ValueDef(QStringLiteral("b"), QStringLiteral("B"));
    EXPECT_TRUE(t.Collected().isEmpty());  // not in save mode

    t.SetSaveMode(true);
    t.SetValue(kYes, QStringLiteral("Si"));
    t.ValueDef(QStringLiteral("ExeStrings.10019"), QStringLiteral("Proceso cancelado"));
    EXPECT_EQ(t.Collected(), (QMap<QString, QString>{
                                 {kYes, QStringLiteral("Si")},
                                 {QStringLiteral("ExeStrings.10019"), QStringLiteral("Proceso cancelado")}}));
    EXPECT_FALSE(QFile::exists(changes));
    t.SaveChanges();
    EXPECT_EQ(TLanguageFile::Load(changes).texts, t.Collected());
    t.SetValue(kNo, QStringLiteral("No"));
  }  // the last key is written when the object goes away
  EXPECT_EQ(TLanguageFile::Load(changes).texts.value(kNo), QStringLiteral("No"));

  // Keys already in the file are kept; re-initialising writes the new ones.
  TZULTranslate t;
  t.SetSaveMode(true);
  t.Init(QString(), changes, QString());
  t.SetValue(QStringLiteral("z"), QStringLiteral("Z"));
  t.Init(QString(), QString(), QString());
  EXPECT_EQ(TLanguageFile::Load(changes).texts.keys(),
            (QStringList{QStringLiteral("CC.Common.no"), kYes, QStringLiteral("ExeStrings.10019"),
                         QStringLiteral("z")}));

  // Outside save mode nothing is written at all.
  const QString untouched = dir.File(QStringLiteral("other.lang_changes"));
  {
    TZULTranslate quiet;
    quiet.Init(QString(), untouched, QString());
    quiet.ValueDef(kYes, QStringLiteral("Si"));
  }
  EXPECT_FALSE(QFile::exists(untouched));
}

TEST(TZULTranslateTest, ADamagedChangesFileIsNeverOverwritten) {
  TempDir dir;
  const QString changes = WriteRaw(dir, QStringLiteral("app.lang_changes"), "{roto");
  {
    TZULTranslate t;
    t.SetSaveMode(true);
    EXPECT_THROW(t.Init(QString(), changes, QString()), EFileError);
    EXPECT_TRUE(t.Initialized());
    t.SetValue(kYes, QStringLiteral("Si"));
    t.SaveChanges();
  }
  EXPECT_EQ(ReadRaw(changes), QByteArray("{roto"));
}

TEST(TZULTranslateTest, AFollowerSharesItsMastersLanguageAndSaveMode) {
  TempDir dir;
  const QString english = WriteLanguage(dir, QStringLiteral("en.lang"), QStringLiteral("English"),
                                        {{kYes, QStringLiteral("Yes")}, {kNo, QStringLiteral("No way")}});
  const QString french = WriteLanguage(dir, QStringLiteral("fr.lang"), QStringLiteral("Français"),
                                       {{kYes, QStringLiteral("Oui")}});
  TZULTranslate master;
  TZULTranslate follower;
  master.Init(english, QString(), QStringLiteral("English"));
  follower.SetMasterTranslate(&master);
  EXPECT_EQ(follower.MasterTranslate(), &master);
  EXPECT_EQ(follower.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Yes"));
  EXPECT_EQ(follower.Language(), QStringLiteral("English"));

  EXPECT_FALSE(follower.SaveMode());
  master.SetSaveMode(true);
  EXPECT_TRUE(follower.SaveMode());
  follower.SetValue(QStringLiteral("CC.Common.retry"), QStringLiteral("¿Reintentar?"));
  EXPECT_TRUE(follower.Collected().isEmpty());
  EXPECT_EQ(master.Collected().value(QStringLiteral("CC.Common.retry")), QStringLiteral("¿Reintentar?"));

  // Its own translations come first, the master's fill the gaps.
  follower.Init(french, QString(), QStringLiteral("Français"));
  EXPECT_EQ(follower.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Oui"));
  EXPECT_EQ(follower.ValueDef(kNo, QStringLiteral("No")), QStringLiteral("No way"));

  EXPECT_THROW(master.SetMasterTranslate(&follower), Exception);
  EXPECT_THROW(master.SetMasterTranslate(&master), Exception);
  EXPECT_EQ(master.MasterTranslate(), nullptr);
  follower.SetMasterTranslate(nullptr);
  EXPECT_EQ(follower.ValueDef(kNo, QStringLiteral("No")), QStringLiteral("No"));
}

TEST(TZULTranslateTest, EitherSideOfAMasterMayGoFirst) {
  TZULTranslate follower;
  {
    TZULTranslate master;
    follower.SetMasterTranslate(&master);
    {
      TZULTranslate second;
      second.SetMasterTranslate(&master);
    }
  }
  EXPECT_EQ(follower.MasterTranslate(), nullptr);
  EXPECT_EQ(follower.ValueDef(kYes, QStringLiteral("Si")), QStringLiteral("Si"));
}

}  // namespace
