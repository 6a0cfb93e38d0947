#pragma once
// A typed, hierarchical settings store in place of the system registry: keys with
// subkeys, each holding named string and integer values. It lives in one file
// under the user's XDG configuration folder; every change is saved at once.
// Key paths use backslashes ("\Software\Korvaneware\ZUL\ZULAPP\MiApp").

#include <QString>
#include <QStringList>
#include <memory>

class TRegistryStore {
public:
  // The store of this user: $XDG_CONFIG_HOME (or ~/.config) + "/lumaresca/registry.json".
  static TRegistryStore& User();
  // A store kept in the given file (tests, tools).
  explicit TRegistryStore(const QString& fileName);
  ~TRegistryStore();

  // The key under which an application keeps its values.
  static QString AppKey(const QString& appName);  // "\Software\Korvaneware\ZUL\ZULAPP\" + name

  bool KeyExists(const QString& key) const;
  void CreateKey(const QString& key);
  void DeleteKey(const QString& key);  // with its subkeys and values
  QStringList SubKeys(const QString& key) const;
  QStringList ValueNames(const QString& key) const;
  bool ValueExists(const QString& key, const QString& name) const;
  void DeleteValue(const QString& key, const QString& name);

  // Reads raise EFileError when the value is missing or of the other type.
  QString ReadString(const QString& key, const QString& name) const;
  int ReadInteger(const QString& key, const QString& name) const;
  // Writes create the key when needed; raise EFileError when the file cannot be saved.
  void WriteString(const QString& key, const QString& name, const QString& value);
  void WriteInteger(const QString& key, const QString& name, int value);

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
