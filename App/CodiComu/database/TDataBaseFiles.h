#pragma once
// The names and folders that company databases follow: where the empty masters are,
// where new databases go, the name a database of this program carries, the program's
// database version. The configuration object owns one; the version checks, the
// import and the database wizard read it.

#include <QString>
#include <functional>

class TDataBaseFiles {
public:
  QString DefaultDataDir;           // folder for new databases (executable folder + "/DATADIR")
  QString MastersFolder;            // executable folder + "/MastersMDB"
  QString MastersMask;              // "ZULLumaExtV"
  QString NewDataBaseMaskFileName;  // "ZULLumarescaExtV"
  QString DataBaseAppNameValue;     // "ZUL Lumaresca EXT"
  int DataBaseVersion = 0;          // 4 in the full edition
  QString ExecutableFolder;         // the import copies go to this + "/Temp"; empty: the running one

  // Optional providers; an empty answer (or none installed) falls back to the rule.
  std::function<QString(int version)> MasterFileNameProvider;
  std::function<QString(int version)> DataBaseAppNameProvider;

  // MastersFolder + "/" + MastersMask + version + ".MMDB" (or the provider's answer);
  // raises the "NO PUEDE REALIZAR ESTA OPERACIÓN..." error when folder or mask is unset.
  QString MasterDataBaseFileName(int version) const;
  // DefaultDataDir + "/" + mask + version + "E" + n + ".MDB" for the first free n.
  QString NewDataBaseFileName() const;
  QString DataBaseAppName(int version) const;
  // ExecutableFolder + "/Temp" (the folder reserved for the import's copies).
  QString TempFolder() const;
};
