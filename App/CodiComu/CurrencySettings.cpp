#include "App/CodiComu/CurrencySettings.h"

#include "App/CodiComu/TParametrosApp.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"

TCurrencySettings LoadCurrencySettings() {
  const TParametres& prm = Parametres();
  TCurrencySettings s;
  s.name = prm.AsString(QStringLiteral("DIVISA_NOM"), QStringLiteral("EUR"));
  s.longName = prm.AsString(QStringLiteral("DIVISA_LONGNAME"), QStringLiteral("EURO"));
  s.priceDecimals = QString::number(DecimalsOfFactor(prm.AsInteger(QStringLiteral("DIVISA_ROUND"), 100)));
  s.totalDecimals =
      QString::number(DecimalsOfFactor(prm.AsInteger(QStringLiteral("DIVISA_TOTALROUND"), 100)));
  s.mask = prm.AsString(QStringLiteral("DIVISA_MASK"));
  s.editMask = prm.AsString(QStringLiteral("DIVISA_EDITMASK"));
  return s;
}

TCurrencySettings DefaultCurrencySettings() {
  return {QStringLiteral("EUR"), QStringLiteral("EURO"),     QStringLiteral("2"),
          QStringLiteral("2"),   QStringLiteral("#,##0.00"), QStringLiteral("#,##0.00##")};
}

int DecimalsOfFactor(int factor) {
  int decimals = 0;
  while (factor > 1) {
    factor /= 10;
    ++decimals;
  }
  return decimals;
}

int FactorOfDecimals(const QString& text) {
  bool ok = false;
  const int decimals = text.trimmed().toInt(&ok);
  if (!ok || decimals < 0) {
    throw Exception(QString::fromUtf8("El número de decimales introducido no es válido"));
  }
  if (decimals > 4) {  // 10^decimals above 10000; also keeps the power within int
    throw Exception(QStringLiteral("El redondeo máximo es de 4 decimales"));
  }
  int factor = 1;
  for (int i = 0; i < decimals; ++i) {
    factor *= 10;
  }
  return factor;
}

void SaveCurrencySettings(const TCurrencySettings& settings) {
  const int round = FactorOfDecimals(settings.priceDecimals);
  const int roundTotal = FactorOfDecimals(settings.totalDecimals);
  TParametrosApp& params = ParametrosApp();
  params.SetValue(QStringLiteral("DIVISAROUND"), round);
  params.SetValue(QStringLiteral("DIVISAROUNDTOT"), roundTotal);
  params.SetValue(QStringLiteral("DIVISANAME"), settings.name);
  params.SetValue(QStringLiteral("DIVISALONGNAME"), settings.longName);
  params.SetValue(QStringLiteral("DIVISAMASK"), settings.mask);
  params.SetValue(QStringLiteral("DIVISAEDITMASK"), settings.editMask);
  params.NotifyParametersChanged();
}
