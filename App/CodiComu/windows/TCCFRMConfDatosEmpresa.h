#pragma once
// "DATOS DE LA EMPRESA ASOCIADA CON LA BASE DE DATOS": the company parameters of the
// open database. OK stores every field and declares the parameters again, which
// refreshes the framework parameters that reports read.
#include <QDialog>
#include <QStringList>
#include <array>

#include "App/CodiComu/CompanyData.h"

class QLineEdit;

class TCCFRMConfDatosEmpresa : public QDialog {
  Q_OBJECT
public:
  explicit TCCFRMConfDatosEmpresa(QWidget* parent = nullptr);

  // The fields in the order of CompanyParameter().
  QStringList Values() const;
  void SetValues(const QStringList& values);

  // "...": picks the logo, starting at the current file's folder.
  void PickLogo();
  // OK: writes the fields and refreshes the framework parameters.
  void Save();

private:
  std::array<QLineEdit*, kCompanyParameterCount> m_edits{};
};
