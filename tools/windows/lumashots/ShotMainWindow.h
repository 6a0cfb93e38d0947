#pragma once
// What the pictures of the main window share: a program folder of their own with the
// build's masters and application file, and the main window started on it without a
// person (no window waits), which puts back what it changed when it goes.

#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"

class TDataBaseZUL;

class TShotProgramFolder {
public:
  TShotProgramFolder();
  QString Path() const { return m_folder.path(); }
  QString Master() const;

private:
  QTemporaryDir m_folder;
};

class TShotWindow : public TFRMMenuLevel0Ext {
public:
  explicit TShotWindow(QSize minimum);
  ~TShotWindow() override;

  // A window on `folder`, started up to its first activation and kept in `keep`.
  static TShotWindow* StartOn(const TShotProgramFolder& folder, QSize minimum,
                              std::unique_ptr<QWidget>& keep);

private:
  TDataBaseZUL* m_parameters;
  TDataBaseZUL* m_default;
};
