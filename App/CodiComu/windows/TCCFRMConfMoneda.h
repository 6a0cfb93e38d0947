#pragma once
// "CONFIGURAR MONEDA": the currency of the open database (names, decimals of the
// roundings, display masks). OK asks for confirmation, since documents already
// generated are not recalculated; a refused check keeps the window open.
#include <QDialog>

#include "App/CodiComu/CurrencySettings.h"

class QLineEdit;

class TCCFRMConfMoneda : public QDialog {
  Q_OBJECT
public:
  explicit TCCFRMConfMoneda(QWidget* parent = nullptr);

  TCurrencySettings Values() const;
  void SetValues(const TCurrencySettings& values);

  // "Por defecto".
  void FillDefaults();
  // OK: asks, checks and saves; true when saved (the window is then accepted).
  bool Apply();

private:
  QLineEdit* AddEdit(const char* name, int maxLength);

  QLineEdit* m_name;
  QLineEdit* m_longName;
  QLineEdit* m_priceDecimals;
  QLineEdit* m_totalDecimals;
  QLineEdit* m_mask;
  QLineEdit* m_editMask;
};
