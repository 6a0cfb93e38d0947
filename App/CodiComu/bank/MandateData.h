#pragma once
// The mandate reference and date proposed for a student's direct-debit data. The
// clock and the random source are injectable so that tests can fix them.

#include <QString>
#include <functional>

#include "platform/core/DayDate.h"

namespace MandateData {

using TClock = std::function<TDateTime()>;
using TRandomSource = std::function<int()>;  // 0-999

// Plug a clock or a random source; an empty function restores the real one (the
// local clock; a generator seeded by the system at start-up).
void SetClock(TClock clock);
void SetRandomSource(TRandomSource random);

// "A" + the moment as yymmddhhnnss + the random number with three digits (16
// characters). A random number outside 0-999 is taken modulo 1000.
QString ReferenciaMandato(TDateTime moment, int random);

// A reference for now, from the plugged clock and random source.
QString NuevaReferenciaMandato();
// Today from the plugged clock, without time.
TDateTime FechaMandato();

// A reference and the date of the same moment (no midnight between the two).
struct TDatosMandato {
  QString referencia;
  TDateTime fecha = 0;
};
TDatosMandato NuevosDatosMandato();
// "dd/mm/yyyy".
QString FormatoFechaMandato(TDateTime date);

}  // namespace MandateData
