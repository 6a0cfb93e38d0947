#include "platform/os/SystemInfo.h"

#include <sys/utsname.h>

#include <QFile>
#include <QHash>
#include <array>

#include "platform/core/Exceptions.h"

int WindowsKind(TOsPlatform platform, int major, int minor) {
  if (platform == TOsPlatform::Windows9x) {
    if (major != 4) return 0;
    switch (minor) {
      case 0:
        return 1;
      case 10:
        return 2;
      case 90:
        return 3;
      default:
        return 0;
    }
  }
  if (platform != TOsPlatform::WindowsNT) return 0;
  switch (major) {
    case 4:
      return minor == 0 ? 4 : 0;
    case 5:
      return minor >= 0 && minor <= 2 ? 5 + minor : 0;
    case 6:
      return minor >= 0 && minor <= 2 ? 8 + minor : 11;
    default:
      return 11;
  }
}

int WindowsKind() {
  static const int kind = WindowsKind(TOsPlatform::Other, 0, 0);
  return kind;
}

QString WindowsKindName(int kind) {
  static const std::array<const char*, 12> kNames{"(Desconocido)", "Win 95",    "Win 98", "Win Me",
                                                  "Win NT",        "Win 2000",  "Win XP", "Win Server 2003",
                                                  "Win Vista",     "Win Seven", "Win 8",  "Windows"};
  if (kind < 0 || kind >= static_cast<int>(kNames.size())) kind = 0;
  return QString::fromLatin1(kNames[static_cast<size_t>(kind)]);
}

bool IsWow64(int pointerBytes, const QString& machine) {
  if (pointerBytes != 4) return false;
  // Kernel machine names of 64-bit systems.
  return machine.contains(QLatin1String("64")) || machine == QLatin1String("s390x");
}

bool IsWow64() {
  static const QString machine = [] {
    utsname name{};
    if (uname(&name) != 0) return QString();
    return QString::fromLatin1(name.machine);
  }();
  if (machine.isEmpty()) throw Exception(QStringLiteral("Bad process handle"));
  return IsWow64(static_cast<int>(sizeof(void*)), machine);
}

TMemoryStatus MemoryStatusFromMeminfo(const QByteArray& text) {
  QHash<QByteArray, quint64> kb;
  for (const QByteArray& line : text.split('\n')) {
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) continue;
    const QList<QByteArray> value = line.mid(colon + 1).simplified().split(' ');
    bool ok = false;
    const quint64 number = value.value(0).toULongLong(&ok);
    if (!ok) continue;
    // Lines without a unit are counts of pages, not sizes.
    if (value.size() < 2 || value.at(1).toLower() != "kb") continue;
    kb.insert(line.left(colon).trimmed(), number);
  }
  TMemoryStatus status;
  if (!kb.contains("MemTotal")) return status;
  const auto bytes = [&](const char* name) { return kb.value(name) * 1024; };
  status.known = true;
  status.totalPhysical = bytes("MemTotal");
  status.totalVirtual = status.totalPhysical + bytes("SwapTotal");
  status.availableVirtual =
      (kb.contains("MemAvailable") ? bytes("MemAvailable") : bytes("MemFree")) + bytes("SwapFree");
  return status;
}

TMemoryStatus MemoryStatus() {
  QFile file(QStringLiteral("/proc/meminfo"));
  // A sequential file: read until the end rather than by its reported size.
  if (!file.open(QIODevice::ReadOnly)) return TMemoryStatus();
  return MemoryStatusFromMeminfo(file.readAll());
}
