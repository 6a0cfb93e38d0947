#include "App/CodiComu/bank/MandateData.h"

#include <QRandomGenerator>

namespace MandateData {

namespace {

TClock& Clock() {
  static TClock clock;
  return clock;
}

TRandomSource& Random() {
  static TRandomSource random;
  return random;
}

TDateTime CurrentMoment() { return Clock() ? Clock()() : DayDate::Now(); }

int NextRandom() {
  return Random() ? Random()() : static_cast<int>(QRandomGenerator::global()->bounded(1000));
}

}  // namespace

void SetClock(TClock clock) { Clock() = std::move(clock); }

void SetRandomSource(TRandomSource random) { Random() = std::move(random); }

QString ReferenciaMandato(TDateTime moment, int random) {
  const int number = ((random % 1000) + 1000) % 1000;
  // Seconds are cut, never rounded up into the next one.
  const QDateTime at = DayDate::ToDateTime(moment);
  const QTime time(at.time().hour(), at.time().minute(), at.time().second());
  return QStringLiteral("A") + at.date().toString(QStringLiteral("yyMMdd")) +
         time.toString(QStringLiteral("HHmmss")) + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString NuevaReferenciaMandato() { return ReferenciaMandato(CurrentMoment(), NextRandom()); }

TDateTime FechaMandato() { return DayDate::DateOf(CurrentMoment()); }

TDatosMandato NuevosDatosMandato() {
  const TDateTime moment = CurrentMoment();
  return TDatosMandato{ReferenciaMandato(moment, NextRandom()), DayDate::DateOf(moment)};
}

QString FormatoFechaMandato(TDateTime date) {
  return DayDate::ToDate(date).toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace MandateData
