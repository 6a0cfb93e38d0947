#include "App/lumatool/UsersCommands.h"

#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

int List(const QString& file, QTextStream& out) {
  TDataBaseZUL db;
  ConnectAccessDataBase(db, file, true);
  TZULPasswordsDataBase users;
  users.SetDataBase(&db);
  for (const QString& name : users.UserNames()) {
    const TUserValues user = users.ReadUser(name);
    out << user.name << '\t' << user.fullName << '\t' << users.RightsText(user) << '\n';
  }
  return 0;
}

int SetPassword(const QString& file, const QString& name, const QString& password) {
  TDataBaseZUL db;
  ConnectAccessDataBase(db, file, false);
  TZULPasswordsDataBase users;
  users.SetDataBase(&db);
  TUserValues user = users.ReadUser(name);
  if (user.name.isEmpty())
    throw Exception(QStringLiteral("No existe el usuario \"") + name + QLatin1Char('"'));
  users.CheckValid(user.name, password, user.fullName);
  user.password = password;
  users.ModifyUser(user);
  return 0;
}

}  // namespace

std::optional<int> RunUsersCommand(const QStringList& args, QTextStream& out, QTextStream& /*err*/) {
  if (args.value(0) != QLatin1String("users")) return std::nullopt;
  const QString verb = args.value(1);
  if (verb == QLatin1String("list") && args.size() == 3) return List(args[2], out);
  if (verb == QLatin1String("set-password") && args.size() == 5)
    return SetPassword(args[2], args[3], args[4]);
  return std::nullopt;
}
