#include "App/CodiComu/TAboutAppInfo.h"

#include <QSysInfo>

#include "App/CodiComu/CurrencyFormat.h"
#include "platform/core/Currency.h"
#include "platform/core/Exceptions.h"
#include "platform/os/TFileVersionInfo.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/ZulUtils.h"

namespace {
// The Windows table knows no other system: then the system's own name.
QString SystemName() {
  const int kind = WindowsKind();
  return kind != 0 ? WindowsKindName(kind) : QSysInfo::prettyProductName();
}
}  // namespace

TAboutAppInfo TAboutAppInfo::Current(const QString& title, const QString& name, const QString& description,
                                     const TZULApp* app) {
  TAboutAppInfo info;
  info.title = title;
  info.name = name;
  info.description = description;
  info.fileVersion = OwnVersionInfo().FileVersion;
  info.frameworkVersion = CT_VersioZUL;
  info.memory = MemoryStatus();
  info.systemName = SystemName();
  try {
    info.wow64 = IsWow64();
  } catch (const Exception&) {
    info.wow64 = false;
  }
  if (!app) app = TZULApp::Main();
  if (app) {
    const QDateTime date = app->FileDate();
    info.appFileDate = date.isValid() ? DayDate::FromDateTime(date) : 0;
    info.saveCounter = app->SaveCounter();
  }
  return info;
}

QString TAboutAppInfo::BuildText() const { return QStringLiteral("Build: ") + fileVersion; }

QString TAboutAppInfo::FrameworkText() const {
  return QStringLiteral("ZUL v") + VersioZULText(frameworkVersion);
}

QString TAboutAppInfo::Megabytes(quint64 bytes) {
  const double megabytes = static_cast<double>(bytes) / 1048576.0 + 1;
  return FormatCurrencyMask(Currency::FromDouble(megabytes), QStringLiteral("#,##0.0\" MB\""));
}

QString TAboutAppInfo::PhysicalText() const {
  return memory.known ? Megabytes(memory.totalPhysical) : QString();
}

QString TAboutAppInfo::VirtualText() const {
  return memory.known ? Megabytes(memory.totalVirtual) : QString();
}

QString TAboutAppInfo::AvailableText() const {
  return memory.known ? Megabytes(memory.availableVirtual) : QString();
}

QString TAboutAppInfo::SystemLine() const {
  return systemName + (wow64 ? QStringLiteral(" 64b ") : QStringLiteral(" ")) + QStringLiteral(" ZUL: ") +
         DayDate::ToDate(appFileDate).toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ") +
         QString::number(saveCounter);
}
