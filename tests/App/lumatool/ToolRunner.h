#pragma once
// Runs the built lumatool as a person would, and collects what it says.

#include <QString>
#include <QStringList>

struct ToolResult {
  int status = -1;
  QString out;
  QString err;
};

ToolResult RunLumatool(const QStringList& args);
