#include "App/CodiComu/users/TZULPasswordsZULApp.h"

#include "App/CodiComu/users/PasswordHash.h"
#include "platform/core/Exceptions.h"
#include "platform/os/TRegistryStore.h"

namespace {

const QString kPassword = QStringLiteral("PWD");
const QString kProperties = QStringLiteral("PROPS");
const QString kNeedUserName = QStringLiteral("NEEDUSERNAME");

}  // namespace

TZULPasswordsZULApp::TZULPasswordsZULApp(TRegistryStore& registry, QString appKey)
    : m_registry(registry), m_appKey(std::move(appKey)) {
  Logout();
}

QString TZULPasswordsZULApp::UsersKey() const { return m_appKey + QStringLiteral("\\USERS"); }

QString TZULPasswordsZULApp::UserKey(const QString& name) const {
  return UsersKey() + QLatin1Char('\\') + name;
}

void TZULPasswordsZULApp::NoSuchUser(const QString& name) {
  throw Exception(QStringLiteral("No existe el usuario \"") + name + QLatin1Char('"'));
}

void TZULPasswordsZULApp::GetUserNames(QStringList& list) { list.append(m_registry.SubKeys(UsersKey())); }

TUserValues TZULPasswordsZULApp::ReadUser(const QString& name) {
  TUserValues values;
  CheckValid(name, QString());
  const QString key = UserKey(name);
  if (!m_registry.KeyExists(key)) NoSuchUser(name);
  values.name = name;
  values.fullName = name;
  if (m_registry.ValueExists(key, kPassword)) values.password = m_registry.ReadString(key, kPassword);
  if (m_registry.ValueExists(key, kProperties)) values.properties = m_registry.ReadInteger(key, kProperties);
  return values;
}

void TZULPasswordsZULApp::WriteUser(TUserAction action, const TUserValues& values) {
  const QString key = UserKey(values.name);
  if (action == uaDelete) {
    m_registry.DeleteKey(key);
    return;
  }
  if (action == uaAdd) {
    m_registry.CreateKey(key);
  } else if (!m_registry.KeyExists(key)) {
    NoSuchUser(values.name);
  }
  m_registry.WriteString(key, kPassword, PasswordHash::ForStorage(values.password));
  m_registry.WriteInteger(key, kProperties, values.properties);
}

bool TZULPasswordsZULApp::NeedUserName() {
  const QString key = UsersKey();
  if (!m_registry.ValueExists(key, kNeedUserName)) return false;
  try {
    return m_registry.ReadInteger(key, kNeedUserName) != 0;
  } catch (const Exception&) {
    const QString text = m_registry.ReadString(key, kNeedUserName).trimmed();
    return text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
  }
}

void TZULPasswordsZULApp::SetNeedUserName(bool flag) {
  TCustomZULPasswords::SetNeedUserName(flag);
  m_registry.WriteInteger(UsersKey(), kNeedUserName, flag ? 1 : 0);
}

QString TZULPasswordsZULApp::KindName() const { return QStringLiteral("Aplicación"); }
