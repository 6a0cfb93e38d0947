#pragma once
// lumatool's users commands on a company database file:
//   users list FILE                          name, full name and rights, tab-separated
//   users set-password FILE NAME PASSWORD    stores the new password hashed

#include <QStringList>
#include <QTextStream>
#include <optional>

// The exit status of a users command; nullopt when `args` is no well-formed users
// command (the caller prints the usage). Errors propagate as exceptions.
std::optional<int> RunUsersCommand(const QStringList& args, QTextStream& out, QTextStream& err);
