#pragma once
// A program folder as the installation leaves it: the build's master database and
// application file, the folder taken as the executable's, and no settings of a
// person in the registry store yet.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "App/CodiComu/config/StartUp.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/os/TRegistryStore.h"
#include "tests/support/TempDir.h"

inline void InstallProgram(const TempDir& dir) {
  TRegistryStore::User().DeleteKey(TRegistryStore::AppKey(QString::fromUtf8(StartUp::kTitle)));
  ExecutableFolder::Override(dir.Path());
  QDir().mkpath(dir.File(QStringLiteral("MastersMDB")));
  ASSERT_TRUE(QFile::copy(BinDir() + QStringLiteral("/MastersMDB/ZULLumaExtV4.MMDB"),
                          dir.File(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB"))));
  ASSERT_TRUE(QFile::copy(BinDir() + QStringLiteral("/ZULLumaresca2014EXT.ZUL"),
                          dir.File(QStringLiteral("ZULLumaresca2014EXT.ZUL"))));
}
