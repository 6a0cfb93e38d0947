#include "tests/support/TempDir.h"

#include <QCoreApplication>
#include <QDir>

TempDir::TempDir() : m_dir(QDir::tempPath() + QStringLiteral("/luma-test-XXXXXX")), m_path(m_dir.path()) {}

QString TempDir::File(const QString& name) const { return m_path + QLatin1Char('/') + name; }

QString BinDir() {
  const QByteArray env = qgetenv("LUMA_BIN_DIR");
  if (!env.isEmpty()) return QString::fromUtf8(env);
  return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
}

QString TestDataDir() {
  const QByteArray env = qgetenv("LUMA_TEST_DATA");
  if (!env.isEmpty()) return QString::fromUtf8(env);
  return QStringLiteral(LUMA_SOURCE_DIR "/tests/data");
}
