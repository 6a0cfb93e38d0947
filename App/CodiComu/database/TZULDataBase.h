#pragma once
// One known company database of the database list. The empty record (empty texts,
// version 0) stands for "no database".

#include <QString>

struct TZULDataBase {
  QString Nombre;          // display name in the selection list
  int Version = 0;         // version found in the file; -1 while not read yet
  QString Archivo;         // full path of the database file
  QString SystemDataBase;  // full path of the rights (workgroup) file; empty when none

  bool IsEmpty() const {
    return Nombre.isEmpty() && Archivo.isEmpty() && SystemDataBase.isEmpty() && Version == 0;
  }
  bool operator==(const TZULDataBase&) const = default;
};
