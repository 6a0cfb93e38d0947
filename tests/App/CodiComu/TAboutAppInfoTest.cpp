// The texts of the product-version window.
#include <gtest/gtest.h>

#include "App/CodiComu/TAboutAppInfo.h"
#include "platform/os/TFileVersionInfo.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/ZulUtils.h"

namespace {

TEST(TAboutAppInfoTest, MemoryIsShownInMegabytesPlusOne) {
  const struct {
    quint64 bytes;
    const char* text;
  } cases[] = {
      {0, "1,0 MB"},
      {1048576ull / 2, "1,5 MB"},
      {1048576ull * 1023, "1.024,0 MB"},
      {16314712ull * 1024, "15.933,3 MB"},
      {1048576ull * 1048576 * 4, "4.194.305,0 MB"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TAboutAppInfo::Megabytes(c.bytes), QString::fromLatin1(c.text)) << c.bytes;

  TAboutAppInfo info;
  EXPECT_TRUE(info.PhysicalText().isEmpty() && info.AvailableText().isEmpty()) << "unknown figures";
  info.memory = {true, 1048576ull * 100, 1048576ull * 200, 1048576ull * 50};
  EXPECT_EQ(info.PhysicalText(), QStringLiteral("101,0 MB"));
  EXPECT_EQ(info.VirtualText(), QStringLiteral("201,0 MB"));
  EXPECT_EQ(info.AvailableText(), QStringLiteral("51,0 MB"));
}

TEST(TAboutAppInfoTest, VersionAndSystemLines) {
  TAboutAppInfo info;
  info.fileVersion = QStringLiteral("4.0.0");
  info.frameworkVersion = 54;
  EXPECT_EQ(info.BuildText(), QStringLiteral("Build: 4.0.0"));
  EXPECT_EQ(info.FrameworkText(), QStringLiteral("ZUL v5.4"));
  info.frameworkVersion = 60;
  EXPECT_EQ(info.FrameworkText(), QStringLiteral("ZUL v6.0"));

  info.systemName = QStringLiteral("Windows");
  info.appFileDate = DayDate::Encode(2024, 1, 15, 9);
  info.saveCounter = 12;
  EXPECT_TRUE(info.HasSystemLine());
  EXPECT_EQ(info.SystemLine(), QStringLiteral("Windows  ZUL: 15/01/2024 - 12"));
  info.wow64 = true;
  EXPECT_EQ(info.SystemLine(), QStringLiteral("Windows 64b  ZUL: 15/01/2024 - 12"));
  info.appFileDate = 1000;
  EXPECT_FALSE(info.HasSystemLine()) << "no real file date";
  info.appFileDate = 1001;
  EXPECT_TRUE(info.HasSystemLine());
}

TEST(TAboutAppInfoTest, CurrentGathersTheRunningProgram) {
  TZULApp app;  // the built-in application, dated
  const TAboutAppInfo info = TAboutAppInfo::Current(
      QStringLiteral("Lumaresca"), QStringLiteral("Lumaresca PRO"), QStringLiteral("Gestión"), &app);
  EXPECT_EQ(info.name, QStringLiteral("Lumaresca PRO"));
  EXPECT_EQ(info.fileVersion, OwnVersionInfo().FileVersion);
  EXPECT_FALSE(info.fileVersion.isEmpty());
  EXPECT_EQ(info.frameworkVersion, CT_VersioZUL);
  EXPECT_TRUE(info.memory.known);
  EXPECT_FALSE(info.systemName.isEmpty());
  EXPECT_EQ(info.saveCounter, app.SaveCounter());
  EXPECT_EQ(DayDate::ToDate(info.appFileDate), app.FileDate().date());
  EXPECT_TRUE(info.HasSystemLine());

  const TAboutAppInfo none = TAboutAppInfo::Current(QString(), QString(), QString());
  EXPECT_FALSE(none.HasSystemLine()) << "no running application";
}

}  // namespace
