#include "platform/os/ExecutableFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& OverridePath() {
  static QString path;
  return path;
}

QString RunningBinaryFolder() {
  // /proc/self/exe names the binary even before a QCoreApplication exists.
  const QFileInfo exe(QStringLiteral("/proc/self/exe"));
  const QString target = exe.symLinkTarget();
  if (!target.isEmpty()) return QFileInfo(target).absolutePath();
  return QDir::currentPath();
}
}  // namespace

namespace ExecutableFolder {

QString Path() {
  if (!OverridePath().isEmpty()) return OverridePath();
  static const QString real = RunningBinaryFolder();
  return real;
}

void Override(const QString& path) { OverridePath() = QDir::cleanPath(path); }

QString File(const QString& relative) { return Path() + QLatin1Char('/') + relative; }

}  // namespace ExecutableFolder
