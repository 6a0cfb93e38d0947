#pragma once
// lumatool's bank commands: iban, ccc, bic, nif and sepa. One result per line.

#include <QStringList>
#include <QTextStream>
#include <optional>

// The exit status of a bank command; nullopt when `args` is no well-formed bank
// command (the caller prints the usage). Errors of the operations propagate as
// exceptions.
std::optional<int> RunBankCommand(const QStringList& args, QTextStream& out, QTextStream& err);
