#pragma once
// Printing a report by its identifier: the framework's "DoPrintIDReport" procedure
// reads its arguments from the framework parameters "PRME01".."PRME06".

#include <QString>

class TProcedureZUL;

inline constexpr char kDoPrintIDReport[] = "DoPrintIDReport";

// Sets PRME01 (the report identifier), PRME02 (option2), PRME03 (option3), PRME04
// (option4), PRME05 (option5) and PRME06 (the SQL condition selecting the records to
// print) in Parametres() and runs "DoPrintIDReport" from the registry given, or from
// the running application's. Raises Exception when there is no such procedure, since
// nothing would be printed; what the procedure raises goes through.
void PrintIDReport(int reportID, int option2, bool option3, int option4, bool option5, const QString& filter,
                   TProcedureZUL* procedures = nullptr);
