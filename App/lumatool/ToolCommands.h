#pragma once
// The command-line front end over the core: batch work for IT staff.
// Exit status: 0 done, 1 the operation failed (Spanish message on stderr),
// 2 the command line is wrong.

#include <QStringList>
#include <QTextStream>

int RunTool(const QStringList& args, QTextStream& out, QTextStream& err);

// One line of a query result as lumatool prints it (values separated by tabs).
class TSQLDataSet;
QString FormatRow(TSQLDataSet& dataSet);
QString FormatHeader(TSQLDataSet& dataSet);
