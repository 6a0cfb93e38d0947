#include "App/CodiComu/database/TEditDataBaseWizard.h"

#include <QDir>
#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"

namespace {

QString CleanFolder(const QString& folder) { return folder.isEmpty() ? QString() : QDir::cleanPath(folder); }

int Index(TEditDataBaseWizard::TPage page) { return static_cast<int>(page); }

}  // namespace

TEditDataBaseWizard::TEditDataBaseWizard(const TDataBaseFiles& files, const TZULDataBase& database,
                                         TEditKind kind)
    : m_files(files), m_original(database), m_kind(kind) {
  m_fields.name = database.Nombre;
  switch (kind) {
    case TEditKind::Modify:
      m_action = TEditAction::Modify;
      m_page = TPage::Modify;
      m_fields.modifyName = database.Nombre;
      m_fields.modifyFile = database.Archivo;
      m_fields.modifySystemDataBase = database.SystemDataBase;
      break;
    case TEditKind::Add:
      m_page = TPage::Name;
      break;
    case TEditKind::Delete:
      m_page = TPage::Delete;
      break;
    case TEditKind::Duplicate:
      m_action = TEditAction::Duplicate;
      m_page = TPage::Modify;
      m_fields.modifyName = ccTranslate(1934) + QLatin1Char(' ') + database.Nombre;
      // The rights file belongs to the original file; the copy gets its own at its first login.
      m_fields.modifyFile = files.NewDataBaseFileName();
      break;
    case TEditKind::Import:
      // Started from the selection of an older database: the page of the file to import has
      // no way back to the name, so the new database keeps the old one's name and goes
      // where new databases go.
      m_action = TEditAction::Import;
      m_page = TPage::Import;
      m_fields.importFile = database.Archivo;
      m_fields.destination = files.NewDataBaseFileName();
      break;
    case TEditKind::Information:
      m_action = TEditAction::Information;
      m_page = TPage::Info;
      m_nextVisible = false;
      break;
  }
}

bool TEditDataBaseWizard::ImportChoiceEnabled() const { return m_files.DataBaseVersion > 1; }

QString TEditDataBaseWizard::StatusText() const {
  switch (m_kind) {
    case TEditKind::Modify:
      return ccTranslate(1935);
    case TEditKind::Add:
      return ccTranslate(1936);
    case TEditKind::Delete:
      return ccTranslate(1937);
    case TEditKind::Duplicate:
      return ccTranslate(1938);
    case TEditKind::Import:
      return ccTranslate(1939);
    case TEditKind::Information:
      break;
  }
  return QString();
}

QString TEditDataBaseWizard::PageTitle(TPage page) {
  switch (page) {
    case TPage::Name:
      return ccTranslate(1905);
    case TPage::Action:
      return ccTranslate(1906);
    case TPage::Where:
      return ccTranslate(1907);
    case TPage::Import:
      return ccTranslate(1908);
    case TPage::Modify:
      return ccTranslate(1909);
    case TPage::Delete:
      return ccTranslate(1910);
    case TPage::Confirm:
      return ccTranslate(1911);
    case TPage::Info:
      break;
  }
  return QString();
}

QString TEditDataBaseWizard::HelpText() const {
  switch (m_page) {
    case TPage::Name:
      return ccTranslate(1921);
    case TPage::Action:
      switch (m_fields.choice) {
        case TChoice::NewEmpty:
          return ccTranslate(1922);
        case TChoice::Import:
          return ccTranslate(1923);
        case TChoice::Existing:
          return ccTranslate(1924);
        case TChoice::None:
          break;
      }
      return QString();
    case TPage::Where:
      return ccTranslate(1925);
    case TPage::Import:
      return ccTranslate(1926);
    case TPage::Modify:
      return ccTranslate(1927);
    case TPage::Delete:
      switch (m_fields.deleteChoice) {
        case TDeleteChoice::RemoveLink:
          return ccTranslate(1928);
        case TDeleteChoice::DeleteFile:
          return ccTranslate(1929);
        case TDeleteChoice::None:
          break;
      }
      return QString();
    case TPage::Info:
      return ccTranslate(2009);
    case TPage::Confirm:
      break;
  }
  return QString();
}

QString TEditDataBaseWizard::ExistingFileChoiceCaption() {
  return QString::fromUtf8("Seleccionar una Base de datos ya existente (trabajo en red o recuperación)");
}

void TEditDataBaseWizard::GoTo(TPage page) {
  TEntry& entry = m_entered[static_cast<size_t>(Index(page))];
  entry.from = m_page;
  entry.previousVisible = m_previousVisible;
  entry.nextVisible = m_nextVisible;
  m_page = page;
  m_previousVisible = true;
  m_nextVisible = page != TPage::Confirm;
  if (page == TPage::Confirm) EnterConfirmation();
}

void TEditDataBaseWizard::Previous() {
  if (!m_previousVisible) return;
  const TEntry& entry = m_entered[static_cast<size_t>(Index(m_page))];
  m_page = entry.from;
  m_previousVisible = entry.previousVisible;
  m_nextVisible = entry.nextVisible;
}

void TEditDataBaseWizard::Enter() {
  if (m_nextVisible) Next();
}

bool TEditDataBaseWizard::Escape() {
  if (!m_previousVisible) return false;
  Previous();
  return true;
}

void TEditDataBaseWizard::Next() {
  switch (m_page) {
    case TPage::Name:
      if (m_fields.name.trimmed().isEmpty()) throw Exception(ccTranslate(1930));
      GoTo(TPage::Action);
      break;
    case TPage::Action:
      NextFromAction();
      break;
    case TPage::Where:
      CheckFileName(m_fields.destination);
      GoTo(TPage::Confirm);
      break;
    case TPage::Import:
      CheckFileName(m_fields.importFile);
      GoTo(TPage::Confirm);
      break;
    case TPage::Modify:
      if (m_fields.modifyName.trimmed().isEmpty()) throw Exception(ccTranslate(1932));
      CheckFileName(m_fields.modifyFile);
      // Letter case is ignored: two databases whose files differ only in case are the same
      // file on a case-blind share, and easily mistaken for each other anywhere.
      if (m_action == TEditAction::Duplicate &&
          AbsolutePath(m_fields.modifyFile).compare(AbsolutePath(m_original.Archivo), Qt::CaseInsensitive) ==
              0) {
        throw Exception(ccTranslate(1933));
      }
      GoTo(TPage::Confirm);
      break;
    case TPage::Delete:
      if (m_fields.deleteChoice == TDeleteChoice::RemoveLink) {
        m_action = TEditAction::Remove;
      } else if (m_fields.deleteChoice == TDeleteChoice::DeleteFile) {
        m_action = TEditAction::DeleteFile;
      } else {
        throw Exception(ccTranslate(1931));
      }
      GoTo(TPage::Confirm);
      break;
    case TPage::Confirm:
    case TPage::Info:
      break;
  }
}

void TEditDataBaseWizard::NextFromAction() {
  switch (m_fields.choice) {
    case TChoice::NewEmpty:
      m_fields.destination = m_files.NewDataBaseFileName();
      m_action = TEditAction::NewEmpty;
      GoTo(TPage::Confirm);
      return;
    case TChoice::Import:
      if (!ImportChoiceEnabled()) break;
      m_fields.destination = m_files.NewDataBaseFileName();
      m_action = TEditAction::Import;
      GoTo(TPage::Import);
      return;
    case TChoice::Existing:
      m_fields.destination.clear();
      m_action = TEditAction::Link;
      GoTo(TPage::Where);
      return;
    case TChoice::None:
      break;
  }
  throw Exception(ccTranslate(1931));
}

void TEditDataBaseWizard::CheckFileName(const QString& path) const {
  const QString file = path.trimmed();
  if (file.isEmpty()) throw Exception(ccTranslate(1900));
  const QString folder = QFileInfo(AbsolutePath(file)).absolutePath();
  if (folder == CleanFolder(m_files.MastersFolder) || folder == CleanFolder(m_files.TempFolder())) {
    throw Exception(ccTranslateFmt(1901, {folder}));
  }
}

QString TEditDataBaseWizard::StoredForm(const QString& path) const {
  return ExpandRelativePath(m_files.ExecutableFolder, MakeRelativePath(m_files.ExecutableFolder, path));
}

QString TEditDataBaseWizard::AbsolutePath(const QString& path) const {
  const QString file = path.trimmed();
  if (file.isEmpty()) return file;
  // A typed relative name is taken from the program's folder, like the paths of the list.
  const QString base =
      m_files.ExecutableFolder.isEmpty() ? ExecutableFolder::Path() : m_files.ExecutableFolder;
  return QDir::cleanPath(QDir(base).absoluteFilePath(file));
}

QString TEditDataBaseWizard::PermissionsLines(const QString& systemDataBase) {
  if (systemDataBase.isEmpty()) return ccTranslate(1915);
  return ccTranslate(1914) + QLatin1Char('\n') + systemDataBase;
}

void TEditDataBaseWizard::EnterConfirmation() {
  const QString name = m_fields.name.trimmed();
  const QString modifyName = m_fields.modifyName.trimmed();
  const QString modifyFile = AbsolutePath(m_fields.modifyFile);
  const QString modifyRights = AbsolutePath(m_fields.modifySystemDataBase);
  m_new = TZULDataBase{};
  switch (m_action) {
    case TEditAction::NewEmpty:
      m_new.Archivo = AbsolutePath(m_fields.destination);
      m_new.Nombre = name;
      m_confirmation = ccTranslateFmt(1912, {m_new.Archivo, m_new.Nombre});
      break;
    case TEditAction::Duplicate:
      m_new.Archivo = modifyFile;
      m_new.Nombre = modifyName;
      m_new.SystemDataBase = modifyRights;
      m_confirmation = ccTranslateFmt(1913, {m_new.Archivo, m_new.Nombre}) + QLatin1Char('\n') +
                       PermissionsLines(m_new.SystemDataBase);
      break;
    case TEditAction::Import:
      m_original.Archivo = AbsolutePath(m_fields.importFile);
      m_new.Archivo = AbsolutePath(m_fields.destination);
      m_new.Nombre = name;
      m_confirmation = ccTranslateFmt(1916, {m_original.Archivo, m_new.Archivo, m_new.Nombre});
      break;
    case TEditAction::Link:
      m_new.Nombre = name;
      m_new.Archivo = AbsolutePath(m_fields.destination);
      m_confirmation = ccTranslateFmt(1917, {m_new.Nombre, m_new.Archivo});
      break;
    case TEditAction::Remove:
      m_new = m_original;
      m_confirmation =
          ccTranslateFmt(1918, {m_original.Nombre, m_original.Archivo, ExistingFileChoiceCaption()});
      break;
    case TEditAction::DeleteFile:
      m_new = m_original;
      m_confirmation = ccTranslateFmt(1919, {m_original.Nombre, m_original.Archivo});
      break;
    case TEditAction::Modify:
      m_new.Version = m_original.Version;
      m_new.Archivo = modifyFile;
      m_new.Nombre = modifyName;
      m_new.SystemDataBase = modifyRights;
      m_confirmation = ccTranslateFmt(1920, {m_new.Nombre, m_new.Archivo}) + QLatin1Char('\n') +
                       PermissionsLines(m_new.SystemDataBase);
      break;
    case TEditAction::Information:
    case TEditAction::None:
      m_new = m_original;
      m_confirmation.clear();
      break;
  }
}
