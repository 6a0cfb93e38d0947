#pragma once
// The tables of the company database, in table-number order, then the
// parameter and version tables. SchemaDefinition serves them; nothing else
// should call this.

#include <vector>

#include "rules/schema/TableDef.h"

std::vector<TableDef> BuildSchemaTables();
