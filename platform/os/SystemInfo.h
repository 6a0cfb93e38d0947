#pragma once
// What the program tells about the system it runs on: the Windows kind of the
// version table the product has always used (pure, by platform and version, plus
// the running system's answer), whether a 32-bit process runs on a 64-bit kernel,
// and the memory figures.

#include <QString>
#include <QtGlobal>

enum class TOsPlatform { Windows9x, WindowsNT, Other };

// 1 "Win 95" ... 11 "Windows"; 0 for anything the table does not know.
int WindowsKind(TOsPlatform platform, int major, int minor);
// The running system, read once: never Windows here, so the unknown kind (0).
int WindowsKind();
// "(Desconocido)", "Win 95", ... "Windows"; numbers outside the table read as unknown.
QString WindowsKindName(int kind);

// True when a process with pointers of this size runs on a kernel of this machine
// kind (uname's "machine": "x86_64", "aarch64"...) that is 64-bit.
bool IsWow64(int pointerBytes, const QString& machine);
// The running process. Raises Exception("Bad process handle") when the system
// cannot be asked.
bool IsWow64();

// Memory in bytes. Physical: MemTotal. Virtual: what the process may be given, RAM
// and swap together: MemTotal + SwapTotal in total, MemAvailable + SwapFree
// available (MemFree on kernels without MemAvailable).
struct TMemoryStatus {
  bool known = false;
  quint64 totalPhysical = 0;
  quint64 totalVirtual = 0;
  quint64 availableVirtual = 0;
};
// From the text of /proc/meminfo ("MemTotal:  16314712 kB" lines); not known
// without MemTotal.
TMemoryStatus MemoryStatusFromMeminfo(const QByteArray& text);
TMemoryStatus MemoryStatus();
