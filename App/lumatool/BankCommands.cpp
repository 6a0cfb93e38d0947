#include "App/lumatool/BankCommands.h"

#include "App/CodiComu/bank/BicCodes.h"
#include "App/CodiComu/bank/Ccc.h"
#include "App/CodiComu/bank/Iban.h"
#include "App/CodiComu/bank/MandateData.h"
#include "App/CodiComu/bank/Nif.h"
#include "App/CodiComu/bank/Sepa.h"

namespace {

// The operands after "GROUP VERB", with a leading "--warn-foreign" taken out when
// `flag` is given.
struct Operands {
  QStringList values;
  bool warnForeign = false;
};

Operands Split(const QStringList& args, bool withFlag) {
  Operands operands;
  operands.values = args.mid(2);
  if (withFlag && !operands.values.isEmpty() && operands.values.first() == QLatin1String("--warn-foreign")) {
    operands.warnForeign = true;
    operands.values.removeFirst();
  }
  return operands;
}

// A check's message on its own line: 0 when empty, 1 otherwise.
int Verdict(const QString& message, QTextStream& out) {
  out << message << '\n';
  return message.isEmpty() ? 0 : 1;
}

std::optional<int> Iban(const QString& verb, const QStringList& args, QTextStream& out) {
  const Operands op = Split(args, verb == QLatin1String("check"));
  const QStringList& v = op.values;
  if (verb == QLatin1String("check") && v.size() == 1)
    return Verdict(CompruebaIBAN(v[0], op.warnForeign), out);
  if (verb == QLatin1String("normalize") && v.size() == 1) {
    out << NormalizaIBAN(v[0]) << '\n';
    return 0;
  }
  if (verb == QLatin1String("analyze") && v.size() == 1) {
    const TAnalisisIBAN a = AnalizaIBAN(v[0]);
    out << static_cast<int>(a.resultado) << '\t' << a.pais << '\t' << a.digitosControl << '\t' << a.bban
        << '\n';
    return 0;
  }
  if (verb == QLatin1String("make") && v.size() == 2) {
    out << CalculaIBAN(v[0], v[1], true) << '\n';
    return 0;
  }
  return std::nullopt;
}

std::optional<int> Ccc(const QString& verb, const QStringList& args, QTextStream& out, QTextStream& err) {
  const QStringList v = args.mid(2);
  if (verb == QLatin1String("check") && v.size() == 1) {
    out << static_cast<int>(CompruebaCCC(v[0])) << '\n';
    return 0;
  }
  if (verb == QLatin1String("digits") && v.size() == 3) {
    const std::optional<QString> digits = CalculaDigitosControlCCC(v[0], v[1], v[2]);
    if (!digits) {
      err << IbanMessages::Incalculable() << '\n';
      return 1;
    }
    out << *digits << '\n';
    return 0;
  }
  if (verb == QLatin1String("format") && v.size() == 1) {
    out << FormateaCCC(v[0]) << '\n';
    return 0;
  }
  return std::nullopt;
}

std::optional<int> Bic(const QString& verb, const QStringList& args, QTextStream& out) {
  const Operands op = Split(args, verb == QLatin1String("check"));
  const QStringList& v = op.values;
  if (verb == QLatin1String("find") && v.size() == 1) {
    out << BuscaBICEntidad(EntidadDeIBAN(v[0])) << '\n';
    return 0;
  }
  if (verb == QLatin1String("check") && v.size() == 2) {
    return Verdict(CompruebaIBANyBIC(v[0], v[1], op.warnForeign), out);
  }
  return std::nullopt;
}

std::optional<int> Sepa(const QString& verb, const QStringList& args, QTextStream& out) {
  const QStringList v = args.mid(2);
  if (verb == QLatin1String("creditor-id") && v.size() == 2) {
    out << CalculaIdentificadorAcreedor(v[0], v[1]) << '\n';
    return 0;
  }
  if (verb == QLatin1String("mandate") && v.isEmpty()) {
    const MandateData::TDatosMandato mandate = MandateData::NuevosDatosMandato();
    out << mandate.referencia << '\t' << MandateData::FormatoFechaMandato(mandate.fecha) << '\n';
    return 0;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> RunBankCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  const QString group = args.value(0);
  const QString verb = args.value(1);
  if (group == QLatin1String("iban")) return Iban(verb, args, out);
  if (group == QLatin1String("ccc")) return Ccc(verb, args, out, err);
  if (group == QLatin1String("bic")) return Bic(verb, args, out);
  if (group == QLatin1String("nif") && verb == QLatin1String("normalize") && args.size() == 3) {
    out << NormalizaNIF(args.at(2)) << '\n';
    return 0;
  }
  if (group == QLatin1String("sepa")) return Sepa(verb, args, out);
  return std::nullopt;
}
