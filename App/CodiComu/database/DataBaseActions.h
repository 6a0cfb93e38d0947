#pragma once
// Carrying out what the database wizard decided: create, duplicate, import or link a
// database and add it to the list, remove it from the list, delete its file, or store
// its new values. Every failure raises its message; a refused deletion ends silently.

#include <QString>

#include "App/CodiComu/database/TEditDataBaseWizard.h"

class IDataBaseSession;
class TDataBaseFiles;
class TZULDataBases;
struct TZULDataBase;

// `index` is the database's position in the list (for removal, deletion and changes);
// `original` the record the wizard was opened for, `newDataBase` the one it built.
// Returns the position of the database written (-1 when it was removed).
int ApplyDataBaseAction(TZULDataBases& list, const TDataBaseFiles& files, int index,
                        const TZULDataBase& original, TZULDataBase newDataBase, TEditAction action,
                        IDataBaseSession& session);
