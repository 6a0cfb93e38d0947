#pragma once
// The list of known company databases, kept in the application's INI file: section
// "BASES_DE_DATOS" lists one key per database (its section name), in list order; each
// database has a section with "Nombre", "Archivo", "SystemDataBase" and "Version".
// Paths are stored relative to the executable folder when they can be. Every change
// is saved to the file at once.

#include <QString>
#include <memory>

#include "App/CodiComu/database/TZULDataBase.h"

class TIniFile;

class TZULDataBases {
public:
  // iniFileName: the application file's path with ".INI"; opened at the first access.
  // baseFolder: the folder paths are made relative to (the executable folder).
  TZULDataBases(const QString& iniFileName, const QString& baseFolder);
  ~TZULDataBases();

  int DataBaseCount();
  QString SectionName(int index);  // raises "No existe la sección índice N"
  int IndexOfSection(const QString& section);
  TZULDataBase ReadDataBase(int index);
  void WriteDataBase(const QString& section, const TZULDataBase& database);
  void WriteDataBaseAt(int index, const TZULDataBase& database);
  // Under the first free section "BDEmpresa1", "BDEmpresa2"...; returns its index.
  int AddDataBase(const TZULDataBase& database);
  void DeleteDataBase(int index);
  TIniFile& GetIniFile();
  void SaveIniFile();

private:
  QString m_iniFileName;
  QString m_baseFolder;
  std::unique_ptr<TIniFile> m_ini;
};

// Path conversion for the INI file; an empty base means the executable folder.
QString MakeRelativePath(const QString& base, const QString& path);
QString ExpandRelativePath(const QString& base, const QString& path);
