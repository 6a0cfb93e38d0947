#include "App/CodiComu/users/TCustomZULPasswords.h"

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/PasswordHash.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"

namespace {

bool LettersAndDigits(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool ok = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
    if (!ok) return false;
  }
  return true;
}

}  // namespace

const QString& TCustomZULPasswords::DefaultPassword() {
  static const QString password = QStringLiteral("pelto");
  return password;
}

bool TCustomZULPasswords::Login(const QString& name, const QString& password) {
  Logout();
  TUserValues values;
  try {
    values = ReadUser(name);
  } catch (const Exception&) {
    return false;  // an unknown name says no more than a wrong password
  }
  if (values.name.isEmpty() || values.name.compare(name, Qt::CaseInsensitive) != 0 ||
      !PasswordHash::Matches(values.password, password)) {
    return false;
  }
  if (!PasswordHash::IsHash(values.password)) {
    // A password an older file kept in plain text: keep it hashed from now on. A
    // store that cannot be written (a read-only file) still lets the user in.
    try {
      TUserValues hashed = values;
      hashed.password = PasswordHash::Hash(password);
      WriteUser(uaModify, hashed);
      values = ReadUser(name);
    } catch (const Exception&) {
    }
  }
  UserLoggedIn(name);
  m_current = values;
  return true;
}

void TCustomZULPasswords::Logout() {
  m_current = TUserValues{};
  InitLoggedOutUser(m_current);
}

QStringList TCustomZULPasswords::UserNames() {
  QStringList names;
  GetUserNames(names);
  return names;
}

bool TCustomZULPasswords::UserExists(const QString& name) {
  return UserNames().contains(name, Qt::CaseInsensitive);
}

bool TCustomZULPasswords::AddUser(const TUserValues& values) {
  if (UserExists(values.name)) return false;
  CheckValid(values.name, PasswordHash::IsHash(values.password) ? QString() : values.password,
             values.fullName);
  WriteUser(uaAdd, values);
  return true;
}

void TCustomZULPasswords::ModifyUser(const TUserValues& values) { WriteUser(uaModify, values); }

bool TCustomZULPasswords::DeleteUser(const QString& name) {
  const TUserValues values = ReadUser(name);
  if (values.name.compare(name, Qt::CaseInsensitive) != 0) return false;
  WriteUser(uaDelete, values);
  return true;
}

bool TCustomZULPasswords::RequireLogin() {
  const bool need = NeedUserName();
  if (need) CreateDefaultUser();
  return need;
}

void TCustomZULPasswords::CreateDefaultUser() {
  const TUserValues values = GetDefaultUser();
  if (UserExists(values.name)) return;
  AddUser(values);
  Dialogs::Notify(ccTranslateFmt(1560, {values.name, values.password}), TDialogIcon::Information);
}

void TCustomZULPasswords::InitLoggedOutUser(TUserValues& /*values*/) {}

void TCustomZULPasswords::UserLoggedIn(const QString& /*name*/) {}

void TCustomZULPasswords::GetUserNames(QStringList& /*list*/) {}

void TCustomZULPasswords::GetPropertyNames(std::vector<TUserPropertyName>& /*list*/) const {}

QString TCustomZULPasswords::RightsText(const TUserValues& /*values*/) const { return QString(); }

bool TCustomZULPasswords::NeedUserName() { return false; }

void TCustomZULPasswords::SetNeedUserName(bool flag) {
  if (flag) CreateDefaultUser();
}

TUserValues TCustomZULPasswords::GetDefaultUser() const {
  return {QStringLiteral("admin"), DefaultPassword(), QStringLiteral("admin"), 0};
}

void TCustomZULPasswords::CheckValid(const QString& name, const QString& password,
                                     const QString& fullName) const {
  if (name.isEmpty()) throw Exception(ccTranslate(1550));
  if (!LettersAndDigits(name)) throw Exception(ccTranslate(1551));
  if (!LettersAndDigits(password)) throw Exception(ccTranslate(1552));
  if (fullName.contains(QLatin1Char('|'))) {
    throw Exception(QStringLiteral("El nombre completo del usuario no puede contener el carácter \"|\""));
  }
}
