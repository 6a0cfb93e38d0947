#include "platform/os/TRegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/core/Exceptions.h"

namespace {

const QString kFormat = QStringLiteral("lumaresca-registry");
constexpr int kVersion = 1;

struct Value {
  QString name;
  bool isInteger = false;
  QString text;
  int integer = 0;
};

struct Key {
  QString name;
  std::vector<Value> values;
  std::vector<Key> subkeys;

  Key* Sub(const QString& n) {
    for (Key& k : subkeys) {
      if (k.name.compare(n, Qt::CaseInsensitive) == 0) return &k;
    }
    return nullptr;
  }
  Value* Val(const QString& n) {
    for (Value& v : values) {
      if (v.name.compare(n, Qt::CaseInsensitive) == 0) return &v;
    }
    return nullptr;
  }
};

QStringList Path(const QString& key) { return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts); }

QStringList SortedNames(QStringList names) {
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

[[noreturn]] void Damaged(const QString& file, const QString& why) {
  throw EFileError(QStringLiteral("El archivo de configuración del usuario está dañado:\n%1\n%2\n\n"
                                  "Corríjalo o bórrelo; no se ha modificado.")
                       .arg(file, why));
}

QJsonObject KeyJson(const Key& key) {
  QJsonObject o;
  if (!key.values.empty()) {
    QJsonObject values;
    for (const Value& v : key.values) {
      values.insert(v.name, v.isInteger ? QJsonValue(v.integer) : QJsonValue(v.text));
    }
    o.insert(QStringLiteral("values"), values);
  }
  if (!key.subkeys.empty()) {
    QJsonObject keys;
    for (const Key& k : key.subkeys) keys.insert(k.name, KeyJson(k));
    o.insert(QStringLiteral("keys"), keys);
  }
  return o;
}

Key KeyFromJson(const QJsonObject& o, const QString& name, const QString& file, const QString& where) {
  Key key;
  key.name = name;
  const QJsonValue values = o.value(QStringLiteral("values"));
  if (!values.isUndefined()) {
    if (!values.isObject()) Damaged(file, QStringLiteral("%1: \"values\" no es un objeto").arg(where));
    const QJsonObject vo = values.toObject();
    for (auto it = vo.begin(); it != vo.end(); ++it) {
      Value v;
      v.name = it.key();
      if (key.Val(v.name))
        Damaged(file, QStringLiteral("%1: el valor \"%2\" está repetido").arg(where, v.name));
      if (it->isString()) {
        v.text = it->toString();
      } else if (it->isDouble() && std::floor(it->toDouble()) == it->toDouble() &&
                 it->toDouble() >= std::numeric_limits<int>::min() &&
                 it->toDouble() <= std::numeric_limits<int>::max()) {
        v.isInteger = true;
        v.integer = it->toInt();
      } else {
        Damaged(file, QStringLiteral("%1: el valor \"%2\" no es un texto ni un entero").arg(where, v.name));
      }
      key.values.push_back(std::move(v));
    }
  }
  const QJsonValue keys = o.value(QStringLiteral("keys"));
  if (!keys.isUndefined()) {
    if (!keys.isObject()) Damaged(file, QStringLiteral("%1: \"keys\" no es un objeto").arg(where));
    const QJsonObject ko = keys.toObject();
    for (auto it = ko.begin(); it != ko.end(); ++it) {
      const QString sub = where + QLatin1Char('\\') + it.key();
      if (it.key().isEmpty() || it.key().contains(QLatin1Char('\\'))) {
        Damaged(file, QStringLiteral("%1: nombre de clave no válido").arg(sub));
      }
      if (key.Sub(it.key())) Damaged(file, QStringLiteral("%1: la clave está repetida").arg(sub));
      if (!it->isObject()) Damaged(file, QStringLiteral("%1: no es un objeto").arg(sub));
      key.subkeys.push_back(KeyFromJson(it->toObject(), it.key(), file, sub));
    }
  }
  return key;
}

}  // namespace

struct TRegistryStore::Impl {
  QString fileName;
  Key root;
  // What the file was when last read or written: a change by another program is
  // read again before the next access.
  bool existed = false;
  QDateTime modified;
  qint64 size = -1;

  void Remember() {
    const QFileInfo info(fileName);
    existed = info.exists();
    modified = existed ? info.lastModified() : QDateTime();
    size = existed ? info.size() : -1;
  }

  void Load() {
    QFile file(fileName);
    if (!file.exists()) {
      root = Key();
      Remember();
      return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
      throw EFileError(QStringLiteral("No se puede leer el archivo de configuración del usuario:\n%1\n%2")
                           .arg(fileName, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
      Damaged(fileName, QStringLiteral("posición %1: %2").arg(error.offset).arg(error.errorString()));
    }
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(QStringLiteral("format")).toString() != kFormat) {
      Damaged(fileName, QStringLiteral("no es un archivo de configuración"));
    }
    if (o.value(QStringLiteral("version")).toInt() != kVersion) {
      Damaged(fileName, QStringLiteral("versión desconocida"));
    }
    const QJsonValue r = o.value(QStringLiteral("root"));
    if (!r.isUndefined() && !r.isObject()) Damaged(fileName, QStringLiteral("\"root\" no es un objeto"));
    Key loaded = KeyFromJson(r.toObject(), QString(), fileName, QString());
    root = std::move(loaded);
    Remember();
  }

  void Refresh() {
    const QFileInfo info(fileName);
    if (info.exists() != existed || (existed && (info.lastModified() != modified || info.size() != size))) {
      Load();
    }
  }

  void Save(Key changed) {
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath())) {
      throw EFileError(
          QStringLiteral("No se puede crear la carpeta de configuración:\n%1").arg(info.absolutePath()));
    }
    const QJsonObject doc{{QStringLiteral("format"), kFormat},
                          {QStringLiteral("version"), kVersion},
                          {QStringLiteral("root"), KeyJson(changed)}};
    const QByteArray bytes = QJsonDocument(doc).toJson(QJsonDocument::Indented);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
      throw EFileError(QStringLiteral("No se puede guardar el archivo de configuración del usuario:\n%1\n%2")
                           .arg(fileName, file.errorString()));
    }
    // It may hold passwords: the user's alone.
    QFile::setPermissions(fileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    root = std::move(changed);
    Remember();
  }

  // The key at a path, or nullptr.
  Key* Find(Key& from, const QString& key) {
    Key* k = &from;
    for (const QString& part : Path(key)) {
      k = k->Sub(part);
      if (!k) return nullptr;
    }
    return k;
  }

  Key& Make(Key& from, const QString& key) {
    Key* k = &from;
    for (const QString& part : Path(key)) {
      Key* sub = k->Sub(part);
      if (!sub) {
        k->subkeys.push_back(Key{part, {}, {}});
        sub = &k->subkeys.back();
      }
      k = sub;
    }
    return *k;
  }

  const Value& Read(const QString& key, const QString& name) {
    Refresh();
    Key* k = Find(root, key);
    Value* v = k ? k->Val(name) : nullptr;
    if (!v) throw EFileError(QStringLiteral("No existe el valor \"%1\" en la clave \"%2\"").arg(name, key));
    return *v;
  }

  void Write(const QString& key, const QString& name, const Value& value) {
    Refresh();
    Key changed = root;
    Key& k = Make(changed, key);
    if (Value* v = k.Val(name)) {
      *v = value;
    } else {
      k.values.push_back(value);
    }
    Save(std::move(changed));
  }
};

TRegistryStore& TRegistryStore::User() {
  static std::unique_ptr<TRegistryStore> store;
  if (!store) {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    store = std::make_unique<TRegistryStore>(base + QStringLiteral("/lumaresca/registry.json"));
  }
  return *store;
}

TRegistryStore::TRegistryStore(const QString& fileName) : m_impl(std::make_unique<Impl>()) {
  m_impl->fileName = fileName;
  m_impl->Load();
}

TRegistryStore::~TRegistryStore() = default;

QString TRegistryStore::AppKey(const QString& appName) {
  return QStringLiteral("\\Software\\Korvaneware\\ZUL\\ZULAPP\\") + appName;
}

bool TRegistryStore::KeyExists(const QString& key) const {
  m_impl->Refresh();
  return m_impl->Find(m_impl->root, key) != nullptr;
}

void TRegistryStore::CreateKey(const QString& key) {
  m_impl->Refresh();
  if (m_impl->Find(m_impl->root, key)) return;
  Key changed = m_impl->root;
  m_impl->Make(changed, key);
  m_impl->Save(std::move(changed));
}

void TRegistryStore::DeleteKey(const QString& key) {
  const QStringList path = Path(key);
  if (path.isEmpty()) throw EFileError(QStringLiteral("No se puede borrar la clave raíz del registro"));
  m_impl->Refresh();
  if (!m_impl->Find(m_impl->root, key)) return;
  Key changed = m_impl->root;
  Key* parent = m_impl->Find(changed, path.mid(0, path.size() - 1).join(QLatin1Char('\\')));
  std::erase_if(parent->subkeys,
                [&](const Key& k) { return k.name.compare(path.last(), Qt::CaseInsensitive) == 0; });
  m_impl->Save(std::move(changed));
}

QStringList TRegistryStore::SubKeys(const QString& key) const {
  m_impl->Refresh();
  QStringList names;
  if (Key* k = m_impl->Find(m_impl->root, key)) {
    for (const Key& sub : k->subkeys) names.append(sub.name);
  }
  return SortedNames(names);
}

QStringList TRegistryStore::ValueNames(const QString& key) const {
  m_impl->Refresh();
  QStringList names;
  if (Key* k = m_impl->Find(m_impl->root, key)) {
    for (const Value& v : k->values) names.append(v.name);
  }
  return SortedNames(names);
}

bool TRegistryStore::ValueExists(const QString& key, const QString& name) const {
  m_impl->Refresh();
  Key* k = m_impl->Find(m_impl->root, key);
  return k && k->Val(name);
}

void TRegistryStore::DeleteValue(const QString& key, const QString& name) {
  if (!ValueExists(key, name)) return;
  Key changed = m_impl->root;
  Key* k = m_impl->Find(changed, key);
  std::erase_if(k->values, [&](const Value& v) { return v.name.compare(name, Qt::CaseInsensitive) == 0; });
  m_impl->Save(std::move(changed));
}

QString TRegistryStore::ReadString(const QString& key, const QString& name) const {
  const Value& v = m_impl->Read(key, name);
  if (v.isInteger) {
    throw EFileError(
        QStringLiteral("El valor \"%1\" de la clave \"%2\" es un entero, no un texto").arg(name, key));
  }
  return v.text;
}

int TRegistryStore::ReadInteger(const QString& key, const QString& name) const {
  const Value& v = m_impl->Read(key, name);
  if (!v.isInteger) {
    throw EFileError(
        QStringLiteral("El valor \"%1\" de la clave \"%2\" es un texto, no un entero").arg(name, key));
  }
  return v.integer;
}

void TRegistryStore::WriteString(const QString& key, const QString& name, const QString& value) {
  m_impl->Write(key, name, Value{name, false, value, 0});
}

void TRegistryStore::WriteInteger(const QString& key, const QString& name, int value) {
  m_impl->Write(key, name, Value{name, true, QString(), value});
}
