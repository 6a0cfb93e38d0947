#pragma once
// A company database in a temporary folder with its users' object, for the users
// tests. Hashes are made with few iterations so the tests run fast.

#include <gtest/gtest.h>

#include "App/CodiComu/users/PasswordHash.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TField.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

class FastHashes {
public:
  FastHashes() : m_previous(PasswordHash::SetIterations(50)) {}
  ~FastHashes() { PasswordHash::SetIterations(m_previous); }
  FastHashes(const FastHashes&) = delete;
  FastHashes& operator=(const FastHashes&) = delete;

private:
  int m_previous;
};

class CompanyUsersTest : public ::testing::Test {
protected:
  void SetUp() override {
    file = dir.File(QStringLiteral("empresa.mdb"));
    db.Create(file);
    CreateSchema(db);
    users.SetDataBase(&db);
  }

  TUserValues User(const char* name, const char* password, int properties, const char* fullName = "") {
    return {QString::fromUtf8(name), QString::fromUtf8(password), QString::fromUtf8(fullName), properties};
  }
  // The stored text of a parameter, read straight from the table.
  QString Stored(const QString& parameter) {
    auto query = db.GetTSQLDataSet(
        QStringLiteral(
            "SELECT ValorTextoT99, ValorMemoT99 FROM T99ParametrosAplicacion WHERE NombreParametroT99 = '") +
        parameter + QLatin1Char('\''));
    query->Open();
    if (query->IsEmpty()) return QStringLiteral("<none>");
    return query->Fields(0).AsString() + query->Fields(1).AsString();
  }

  FastHashes fast;
  TempDir dir;
  QString file;
  TDataBaseZUL db;
  TZULPasswordsDataBase users;
  ScriptedDialogs::Scope dialogs;
};
