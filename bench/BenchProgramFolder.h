#pragma once
// A program folder of its own for the window benchmarks: a temporary folder set as the
// executable folder, with the built master database and the application file copied in,
// the full edition configured on it and optionally a company database as the default
// company of the INI file.

#include <QString>
#include <QTemporaryDir>

class BenchProgramFolder {
public:
  BenchProgramFolder();
  ~BenchProgramFolder();
  BenchProgramFolder(const BenchProgramFolder&) = delete;
  BenchProgramFolder& operator=(const BenchProgramFolder&) = delete;

  QString File(const QString& name) const;
  // Copies the master to DATADIR/<name>.MDB and returns its path.
  QString CopyMaster(const QString& name) const;
  // Adds the database to the list and makes it the default company.
  void AddDefaultCompany(const QString& name, const QString& file) const;

private:
  QTemporaryDir m_dir;
};

// The folder of the built programs (beside the master and the application file).
QString BenchBinDir();
// Sets the offscreen platform and a temporary HOME / XDG_CONFIG_HOME; call first in main.
void PrepareBenchEnvironment();
// Frees the configuration, the progress API and the parameters between runs.
void ResetBenchConfiguration();
