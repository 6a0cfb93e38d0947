#pragma once
// The registered procedures "BuscarCodigoBIC" and "GeneraDatosMandato": buttons
// of data forms that fill bank fields of the calling form's current record. The
// field names come as arguments "PRME01" and "PRME02"; the record is the dataset
// of "PRMIP_TQUERYSQL" (or "PRMIP_DATASET"). The record is put into edit only
// after a Yes; saving it is left to the person.

#include <QString>
#include <functional>

#include "platform/zul/TProcedureZUL.h"

namespace BankProcedures {

// "PRME01" = field holding the IBAN, "PRME02" = field to receive the BIC.
void BuscarCodigoBIC();
// "PRME01" = field of the mandate reference, "PRME02" = field of the mandate date.
void GeneraDatosMandato();

}  // namespace BankProcedures

// Hands both bodies, under their registered names, to `plug`.
void RegisterBankProcedures(const std::function<void(const QString&, TZULProcedure)>& plug);
