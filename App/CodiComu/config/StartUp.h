#pragma once
// The start-up steps of the program that need no window: the full edition's names
// and folders, reading the application file with the built-in application as the
// fallback, the check that the file belongs to this program, the configuration
// carried over from earlier versions, and the values written to the application's
// registry key for the update check.

#include <QString>

class TZULApp;
class TZULAppConfig;

namespace StartUp {

inline constexpr int kAppVersion = 2645;
inline constexpr int kDataBaseVersion = 4;
inline const char* const kTitle = "ZUL-Lumaresca 2014 PRO";
inline const char* const kRootNodeName = "ZUL-Lumaresca 2014 EXTENDED";
inline const char* const kAppFileBaseName = "ZULLumaresca2014EXT";
inline const char* const kDataBaseAppName = "ZUL Lumaresca EXT";

// Fills the configuration with the full edition's names and folders below `exeFolder`.
void ConfigureFullEdition(TZULAppConfig& config, const QString& exeFolder);

// Loads the application file (path without extension, ".ZUL" added) when it exists.
// A damaged file shows message 1507 and the application held before stays. Returns
// whether the file was loaded.
bool DoReadZULAppFile(TZULApp& app, const QString& appFile);

// False (after message 1611) when the first root node of the tree is not named
// `expected` (compared without regard to case); true otherwise or without roots.
bool CheckZULFileValidNode(TZULApp& app, const QString& expected);

// When this program has no ".ZUR" yet and an earlier version's (ZULLumaresca21, then
// ZULLumaresca20) is in the same folder, copies its ".ZUR" (never over a file) and its
// ".INI" over ours and says so. Returns whether a configuration was carried over.
bool CarryOverEarlierConfiguration(const QString& appFile, const QString& title);

// "ZULFileDate" (ISO date and time text), "ZULFileSaveCounter", "ZULFileGeneratorID",
// "ExeBuild", "ExeFileName", "ZULFileName" under the application's registry key.
void WriteStartUpRegistryValues(TZULApp& app, const QString& exeFile, const QString& appFile);

}  // namespace StartUp
