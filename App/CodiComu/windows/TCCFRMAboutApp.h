#pragma once
// "Versión del producto": the application image with its name, description and
// build, the framework family with its version, the memory figures, the system line
// (only for a dated application file) and OK.
#include <QDialog>

#include "App/CodiComu/TAboutAppInfo.h"

class QLabel;

class TCCFRMAboutApp : public QDialog {
  Q_OBJECT
public:
  explicit TCCFRMAboutApp(const TAboutAppInfo& info, QWidget* parent = nullptr);

  // The shop window of the product; the label shows it as a link.
  static QString WebAddress();

private:
  QLabel* NewLabel(const char* name, const QString& text = QString());
};
