// The Windows kind table, the 32-on-64 check and the memory figures.
#include <gtest/gtest.h>

#include "platform/os/SystemInfo.h"

namespace {

TEST(SystemInfoTest, WindowsKindFollowsTheVersionTable) {
  using P = TOsPlatform;
  const struct {
    P platform;
    int major, minor, kind;
    const char* name;
  } cases[] = {
      {P::Windows9x, 4, 0, 1, "Win 95"},        {P::Windows9x, 4, 10, 2, "Win 98"},
      {P::Windows9x, 4, 90, 3, "Win Me"},       {P::Windows9x, 4, 1, 0, "(Desconocido)"},
      {P::Windows9x, 5, 0, 0, "(Desconocido)"}, {P::WindowsNT, 4, 0, 4, "Win NT"},
      {P::WindowsNT, 4, 1, 0, "(Desconocido)"}, {P::WindowsNT, 5, 0, 5, "Win 2000"},
      {P::WindowsNT, 5, 1, 6, "Win XP"},        {P::WindowsNT, 5, 2, 7, "Win Server 2003"},
      {P::WindowsNT, 5, 3, 0, "(Desconocido)"}, {P::WindowsNT, 6, 0, 8, "Win Vista"},
      {P::WindowsNT, 6, 1, 9, "Win Seven"},     {P::WindowsNT, 6, 2, 10, "Win 8"},
      {P::WindowsNT, 6, 3, 11, "Windows"},      {P::WindowsNT, 10, 0, 11, "Windows"},
      {P::WindowsNT, 3, 51, 11, "Windows"},     {P::Other, 6, 3, 0, "(Desconocido)"},
  };
  for (const auto& c : cases) {
    const int kind = WindowsKind(c.platform, c.major, c.minor);
    EXPECT_EQ(kind, c.kind) << c.major << "." << c.minor;
    EXPECT_EQ(WindowsKindName(kind), QString::fromLatin1(c.name)) << c.major << "." << c.minor;
  }
  EXPECT_EQ(WindowsKindName(-1), QStringLiteral("(Desconocido)"));
  EXPECT_EQ(WindowsKindName(12), QStringLiteral("(Desconocido)"));
  EXPECT_EQ(WindowsKind(), 0) << "this system is not in the table";
}

TEST(SystemInfoTest, Wow64MeansA32BitProcessOnA64BitKernel) {
  const struct {
    int pointer;
    const char* machine;
    bool wow64;
  } cases[] = {
      {8, "x86_64", false}, {4, "x86_64", true}, {4, "i686", false}, {4, "aarch64", true},
      {4, "armv7l", false}, {4, "s390x", true},  {4, "s390", false}, {4, "ppc64le", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsWow64(c.pointer, QString::fromLatin1(c.machine)), c.wow64) << c.machine;
  if (sizeof(void*) == 8) {
    EXPECT_FALSE(IsWow64());
  }
}

TEST(SystemInfoTest, MemoryFiguresComeFromMeminfo) {
  const QByteArray text =
      "MemTotal:       16000000 kB\n"
      "MemFree:         1000000 kB\n"
      "MemAvailable:    8000000 kB\n"
      "HugePages_Total:       0\n"
      "SwapTotal:       2000000 kB\n"
      "SwapFree:        1500000 kB\n"
      "basura sin dos puntos\n";
  TMemoryStatus m = MemoryStatusFromMeminfo(text);
  EXPECT_TRUE(m.known);
  EXPECT_EQ(m.totalPhysical, 16000000ull * 1024);
  EXPECT_EQ(m.totalVirtual, 18000000ull * 1024);
  EXPECT_EQ(m.availableVirtual, 9500000ull * 1024);

  m = MemoryStatusFromMeminfo("MemTotal: 4096 kB\nMemFree: 1024 kB\n");
  EXPECT_EQ(m.availableVirtual, 1024ull * 1024) << "old kernels: MemFree, no swap";
  EXPECT_EQ(m.totalVirtual, m.totalPhysical);
  EXPECT_FALSE(MemoryStatusFromMeminfo("MemFree: 1024 kB\n").known);
  EXPECT_FALSE(MemoryStatusFromMeminfo("").known);

  const TMemoryStatus live = MemoryStatus();
  ASSERT_TRUE(live.known);
  EXPECT_GT(live.totalPhysical, 0u);
  EXPECT_GE(live.totalVirtual, live.totalPhysical);
  EXPECT_LE(live.availableVirtual, live.totalVirtual);
}

}  // namespace
