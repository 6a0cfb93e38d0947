#pragma once
// A temporary folder of the test's own, removed afterwards.

#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
  TempDir();
  const QString& Path() const { return m_path; }
  QString File(const QString& name) const;

private:
  QTemporaryDir m_dir;
  QString m_path;
};

// Folder of the built programs (lumatool, masters) and of the test fixtures.
QString BinDir();
QString TestDataDir();
