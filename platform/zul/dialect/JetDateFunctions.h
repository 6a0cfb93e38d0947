#pragma once
// Jet's date functions on day numbers (see JetDates.h): Year, Month, Day, Hour,
// Minute, Second, Weekday, Date, Now, Time, DateSerial, TimeSerial, DateValue,
// TimeValue, CDate, DateAdd, DateDiff, DatePart. A text argument is read as a date
// written in Spain (d/m/y); weeks start on Sunday unless the argument says otherwise.

struct sqlite3;

namespace JetDateFunctions {

int Register(sqlite3* db);

}  // namespace JetDateFunctions
