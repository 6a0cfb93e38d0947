#include "App/CodiComu/database/AccessConnection.h"

#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

const QString& ProviderName() {
  static const QString name = QStringLiteral("SQLite");
  return name;
}

void CheckExists(const QString& file, int missingMessage) {
  const QFileInfo info(file);
  if (file.isEmpty() || !info.exists() || !info.isFile()) {
    throw EDatabaseError(ccTranslateFmt(missingMessage, {file}));
  }
}

// Opens the file; any failure becomes the catalogue's "cannot open" text with the
// provider, the class of the underlying error and its message.
void OpenOrRaise(TDataBaseZUL& db, const QString& file, bool readOnly, int failMessage) {
  db.Close();
  try {
    // An empty file would open as a new, empty SQLite database: it is not one of ours.
    if (QFileInfo(file).size() == 0) {
      throw EDatabaseError(QString::fromUtf8("El archivo está vacío: no contiene ninguna base de datos"));
    }
    // Open reads the catalogue at once, so a file that is not a database fails here.
    db.Open(file, readOnly);
  } catch (const Exception& e) {
    db.Close();
    throw EDatabaseError(
        ccTranslateFmt(failMessage, {file, ProviderName(), QString::fromLatin1(e.ClassName()), e.Message()}));
  }
}

}  // namespace

void ConnectAccessDataBase(TDataBaseZUL& db, const QString& file, bool readOnly) {
  CheckExists(file, 1503);
  OpenOrRaise(db, file, readOnly, 1504);
}

void ConnectAccessDataBaseEx(TDataBaseZUL& db, const QString& file, bool readOnly,
                             const QString& systemDataBase, const QString& user, const QString& password) {
  // SQLite has no workgroup file or engine login: the rights of the user are applied
  // by the users layer once the file is open.
  Q_UNUSED(systemDataBase);
  Q_UNUSED(user);
  Q_UNUSED(password);
  CheckExists(file, 1500);
  OpenOrRaise(db, file, readOnly, 1501);
}
