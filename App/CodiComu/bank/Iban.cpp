#include "App/CodiComu/bank/Iban.h"

#include <optional>

#include "App/CodiComu/bank/BankText.h"
#include "App/CodiComu/bank/Ccc.h"
#include "App/CodiComu/bank/CountryCodes.h"

namespace {

constexpr qsizetype kMinLength = 5;
constexpr qsizetype kMaxLength = 34;
constexpr qsizetype kSpanishLength = 24;

// The check digits as a number; 0 (which never matches) unless they are two digits.
int CheckDigitsValue(const QString& text) {
  if (text.size() != 2 || !BankText::AllDigits(text)) return 0;
  return text.toInt();
}

// The message for a Spanish IBAN whose analysis failed.
QString SpanishMessage(const QString& iban, const TAnalisisIBAN& analysis) {
  const QString& bban = analysis.bban;
  if (bban.size() != kSpanishLength - 4) return IbanMessages::LongitudEspanola(iban.size());
  if (CompruebaCCC(bban) != cccCorrecto) {
    const QString entity = bban.mid(0, 4);
    const QString office = bban.mid(4, 4);
    const QString account = bban.mid(10, 10);
    const std::optional<QString> digits = CalculaDigitosControlCCC(entity, office, account);
    if (!digits) return IbanMessages::Incalculable();
    const QString corrected = CalculaIBAN(QStringLiteral("ES"), entity + office + *digits + account, true);
    return BankText::SameIgnoringCase(corrected, iban) ? QString() : IbanMessages::CuentaIncorrecta(bban);
  }
  // A correct CCC: only two blanks may stand for the check digits.
  if (analysis.digitosControl != QLatin1String("  ")) return IbanMessages::DigitosControl();
  return QString();
}

}  // namespace

QString CalculaIBAN(const QString& pais, const QString& bban, bool estricto) {
  if (estricto) return pais + Modulo97::StrictCheckDigits(bban, pais) + bban;
  const std::optional<QString> digits = Modulo97::DigitString(bban + pais + QStringLiteral("00"));
  if (!digits) return QString();
  return pais + Modulo97::CheckDigits(*digits) + bban;
}

TAnalisisIBAN AnalizaIBAN(const QString& iban) {
  TAnalisisIBAN analysis;
  analysis.pais = iban.mid(0, 2);
  analysis.digitosControl = iban.mid(2, 2);
  analysis.bban = iban.mid(4);
  if (iban.size() < kMinLength || iban.size() > kMaxLength) {
    analysis.resultado = ibanLongitudIncorrecta;
    return analysis;
  }
  const std::optional<QString> digits =
      Modulo97::DigitString(analysis.bban + analysis.pais + QStringLiteral("00"));
  if (!digits) {
    analysis.resultado = ibanCaracterSinValor;
  } else if (98 - Resto97(*digits) != CheckDigitsValue(analysis.digitosControl)) {
    analysis.resultado = ibanDigitosIncorrectos;
  } else if (BankText::IsSpanish(analysis.pais) && CompruebaCCC(analysis.bban) != cccCorrecto) {
    analysis.resultado = ibanCCCIncorrecto;
  }
  return analysis;
}

QString CompruebaIBAN(const QString& iban, bool avisarExtranjero) {
  if (iban.isEmpty()) return QString();
  if (iban.size() < kMinLength) return IbanMessages::DemasiadoCorta();
  const TAnalisisIBAN analysis = AnalizaIBAN(iban);
  const bool spanish = BankText::IsSpanish(analysis.pais);
  if (analysis.resultado != ibanCorrecto) {
    if (ExisteCodigoPais(analysis.pais) < 0) return IbanMessages::PaisInexistente(analysis.pais);
    if (spanish) return SpanishMessage(iban, analysis);
  }
  return avisarExtranjero && !spanish ? IbanMessages::Extranjero() : QString();
}

QString NormalizaIBAN(const QString& iban) {
  // An empty text passes the check but holds nothing to compute from.
  if (iban.isEmpty()) return iban;
  if (!CompruebaIBAN(iban, true).isEmpty()) return iban;
  return CalculaIBAN(iban.mid(0, 2), iban.mid(4, 20), false);
}

namespace IbanMessages {

QString DemasiadoCorta() { return QStringLiteral("La longitud del IBAN es demasiado corta"); }

QString PaisInexistente(const QString& code) {
  return QStringLiteral("No existe ningún país con el código ") + code;
}

QString LongitudEspanola(qsizetype length) {
  return QStringLiteral("La longitud del IBAN es incorrecta, deben ser 24 carácteres, ha puesto ") +
         QString::number(length);
}

QString CuentaIncorrecta(const QString& bban) {
  return QStringLiteral("El número de cuenta (") + FormateaCCC(bban) + QStringLiteral(") no es correcto");
}

QString Incalculable() { return QStringLiteral("Imposible calcular el número de control"); }

QString DigitosControl() { return QStringLiteral("Error en los dígitos de control del IBAN"); }

QString Extranjero() {
  return QStringLiteral("El IBAN tiene un código de país distinto a \"ES\" y no se comprobará");
}

}  // namespace IbanMessages
