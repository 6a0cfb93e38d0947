#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

const QString kApp = QStringLiteral("\\Software\\Korvaneware\\ZUL\\ZULAPP\\MiApp");

class RegistryTest : public ::testing::Test {
protected:
  QString FileName() const { return dir.File(QStringLiteral("conf/lumaresca/registry.json")); }
  void WriteFile(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(FileName()).absolutePath());
    QFile file(FileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  QByteArray ReadFile() const {
    QFile file(FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  TempDir dir;
};

TEST_F(RegistryTest, TypedValuesUnderCaseInsensitiveKeys) {
  TRegistryStore reg(FileName());
  EXPECT_FALSE(QFile::exists(FileName())) << "nothing written before the first change";
  EXPECT_FALSE(reg.KeyExists(kApp));
  reg.WriteString(kApp, QStringLiteral("language"), QStringLiteral("Español"));
  reg.WriteInteger(kApp + QStringLiteral("\\USERS\\ana"), QStringLiteral("PROPS"), -5);
  reg.WriteString(kApp + QStringLiteral("\\USERS\\ana"), QStringLiteral("PWD"), QString());

  EXPECT_TRUE(reg.KeyExists(QStringLiteral("\\software\\KORVANEWARE\\zul\\zulapp\\miapp")));
  EXPECT_TRUE(reg.KeyExists(QStringLiteral("Software\\Korvaneware\\"))) << "leading and trailing backslashes";
  EXPECT_TRUE(reg.KeyExists(QString())) << "the root";
  EXPECT_EQ(reg.ReadString(kApp.toUpper(), QStringLiteral("LANGUAGE")), QStringLiteral("Español"));
  EXPECT_EQ(reg.ReadInteger(kApp + QStringLiteral("\\users\\ANA"), QStringLiteral("props")), -5);
  EXPECT_EQ(reg.ReadString(kApp + QStringLiteral("\\USERS\\ana"), QStringLiteral("PWD")), QString());

  // Writing a value again replaces it, also with the other type.
  reg.WriteInteger(kApp, QStringLiteral("LANGUAGE"), 3);
  EXPECT_EQ(reg.ReadInteger(kApp, QStringLiteral("language")), 3);
  EXPECT_EQ(reg.ValueNames(kApp), QStringList{QStringLiteral("LANGUAGE")});

  struct Bad {
    QString key;
    QString name;
    bool asInteger;
  };
  const Bad bad[] = {
      {kApp, QStringLiteral("language"), false},                                // an integer read as text
      {kApp + QStringLiteral("\\USERS\\ana"), QStringLiteral("PWD"), true},     // text read as an integer
      {kApp, QStringLiteral("NoExiste"), false},                                // missing value
      {kApp + QStringLiteral("\\NoExiste"), QStringLiteral("language"), true},  // missing key
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.name.toStdString());
    if (b.asInteger) {
      EXPECT_THROW(reg.ReadInteger(b.key, b.name), EFileError);
    } else {
      EXPECT_THROW(reg.ReadString(b.key, b.name), EFileError);
    }
  }
}

TEST_F(RegistryTest, SubkeysDeleteAndPersistence) {
  {
    TRegistryStore reg(FileName());
    reg.CreateKey(kApp + QStringLiteral("\\USERS\\zoe"));
    reg.WriteString(kApp + QStringLiteral("\\USERS\\Ana"), QStringLiteral("PWD"), QStringLiteral("x"));
    reg.WriteInteger(kApp + QStringLiteral("\\USERS"), QStringLiteral("NEEDUSERNAME"), 1);
    reg.WriteString(kApp, QStringLiteral("ExeFileName"), QStringLiteral("/opt/luma/lumapro"));
    reg.WriteString(kApp, QStringLiteral("Borrar"), QStringLiteral("y"));
    reg.DeleteValue(kApp, QStringLiteral("BORRAR"));
    reg.DeleteValue(kApp, QStringLiteral("NoExiste"));
    EXPECT_EQ(reg.SubKeys(kApp + QStringLiteral("\\users")),
              (QStringList{QStringLiteral("Ana"), QStringLiteral("zoe")}));
  }
  const QFile::Permissions perms = QFile::permissions(FileName());
  EXPECT_EQ(perms & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions()) << "it holds passwords";

  TRegistryStore reg(FileName());  // a new instance reads what the other one saved
  EXPECT_EQ(reg.ReadString(kApp, QStringLiteral("exefilename")), QStringLiteral("/opt/luma/lumapro"));
  EXPECT_FALSE(reg.ValueExists(kApp, QStringLiteral("Borrar")));
  EXPECT_EQ(reg.ValueNames(kApp + QStringLiteral("\\USERS")), QStringList{QStringLiteral("NEEDUSERNAME")});
  EXPECT_EQ(reg.SubKeys(kApp + QStringLiteral("\\USERS")).size(), 2);

  reg.DeleteKey(kApp + QStringLiteral("\\users"));
  EXPECT_FALSE(reg.KeyExists(kApp + QStringLiteral("\\USERS\\Ana")));
  EXPECT_FALSE(reg.KeyExists(kApp + QStringLiteral("\\USERS")));
  EXPECT_TRUE(reg.KeyExists(kApp));
  EXPECT_NO_THROW(reg.DeleteKey(kApp + QStringLiteral("\\NoExiste")));
  EXPECT_THROW(reg.DeleteKey(QStringLiteral("\\")), EFileError);
  EXPECT_TRUE(reg.SubKeys(kApp + QStringLiteral("\\NoExiste")).isEmpty());

  // Both instances see each other's changes: every change goes through the file.
  TRegistryStore other(FileName());
  other.WriteInteger(kApp, QStringLiteral("ZULFileSaveCounter"), 12);
  reg.WriteString(kApp, QStringLiteral("ZULFileGeneratorID"), QStringLiteral("gen"));
  TRegistryStore third(FileName());
  EXPECT_EQ(third.ReadInteger(kApp, QStringLiteral("ZULFileSaveCounter")), 12);
  EXPECT_EQ(third.ReadString(kApp, QStringLiteral("ZULFileGeneratorID")), QStringLiteral("gen"));
  EXPECT_FALSE(third.KeyExists(kApp + QStringLiteral("\\USERS")));
}

TEST_F(RegistryTest, DamagedFileRaisesAndIsNeverOverwritten) {
  const QByteArray damaged[] = {
      QByteArray("{ no es json"),
      QByteArray("[1, 2]"),
      QByteArray(R"({"format": "otro", "version": 1})"),
      QByteArray(R"({"format": "lumaresca-registry", "version": 7})"),
      QByteArray(R"({"format": "lumaresca-registry", "version": 1, "root": {"values": {"a": 1.5}}})"),
      QByteArray(R"({"format": "lumaresca-registry", "version": 1, "root": {"values": {"a": [1]}}})"),
      QByteArray(R"({"format": "lumaresca-registry", "version": 1, "root": {"keys": {"A": {}, "a": {}}}})"),
      QByteArray(R"({"format": "lumaresca-registry", "version": 1, "root": {"keys": {"A": 3}}})"),
  };
  for (const QByteArray& bytes : damaged) {
    SCOPED_TRACE(bytes.toStdString());
    WriteFile(bytes);
    try {
      TRegistryStore reg(FileName());
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message().contains(QStringLiteral("dañado"))) << e.what();
    }
    EXPECT_EQ(ReadFile(), bytes);
  }

  // Damaged while in use: reads and writes raise, the file stays as it is.
  QFile::remove(FileName());
  TRegistryStore live(FileName());
  live.WriteString(kApp, QStringLiteral("a"), QStringLiteral("b"));
  WriteFile("roto");
  EXPECT_THROW(live.ReadString(kApp, QStringLiteral("a")), EFileError);
  EXPECT_THROW(live.WriteString(kApp, QStringLiteral("a"), QStringLiteral("c")), EFileError);
  EXPECT_EQ(ReadFile(), QByteArray("roto"));
}

TEST_F(RegistryTest, UserStoreLivesUnderTheConfigFolder) {
  // The test program points XDG_CONFIG_HOME at a folder of its own.
  TRegistryStore& user = TRegistryStore::User();
  EXPECT_EQ(&user, &TRegistryStore::User());
  user.WriteInteger(kApp, QStringLiteral("prueba"), 1);
  const QString expected =
      qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/lumaresca/registry.json");
  EXPECT_TRUE(QFile::exists(expected)) << expected.toStdString();
  EXPECT_EQ(TRegistryStore::AppKey(QStringLiteral("X")),
            QStringLiteral("\\Software\\Korvaneware\\ZUL\\ZULAPP\\X"));
}

}  // namespace
