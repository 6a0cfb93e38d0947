#include "App/CodiComu/database/TDataBaseSelection.h"

#include <QDir>
#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/DataBaseActions.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "App/CodiComu/database/IDataBaseSession.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"

TDataBaseSelection::TDataBaseSelection(TZULDataBases& list, const TDataBaseFiles& files,
                                       IDataBaseSession& session)
    : m_list(list), m_files(files), m_session(session) {}

void TDataBaseSelection::Open() {
  FillList();
  SetSelected(m_session.IsConnected() ? m_session.CurrentDataBaseIndex() : -1);
}

void TDataBaseSelection::FillList() {
  m_lines.clear();
  const int count = m_list.DataBaseCount();
  for (int i = 0; i < count; ++i) {
    TZULDataBase database = m_list.ReadDataBase(i);
    if (database.Version == -1 && !database.Archivo.isEmpty() && QFileInfo::exists(database.Archivo)) {
      // A file that cannot be read keeps -1 (and is read again next time): one damaged
      // file must not hide the whole list. Selecting it shows the reason.
      try {
        database.Version = ReadVersionInfo(m_files, database.Archivo, false).Version;
        m_list.WriteDataBaseAt(i, database);
      } catch (const Exception&) {
        database.Version = -1;
      }
    }
    m_lines.push_back(database);
  }
  if (m_selected >= Count()) m_selected = -1;
}

TDataBaseSelection::TLineColour TDataBaseSelection::Colour(int line) const {
  const int version = Line(line).Version;
  if (version < m_files.DataBaseVersion) return TLineColour::Older;
  if (version > m_files.DataBaseVersion) return TLineColour::Newer;
  return TLineColour::Normal;
}

void TDataBaseSelection::SetSelected(int line) { m_selected = line >= 0 && line < Count() ? line : -1; }

TDataBaseSelection::TCommands TDataBaseSelection::Commands() const {
  TCommands commands;
  const bool selected = m_selected >= 0;
  commands.modify = selected;
  commands.remove = selected;
  commands.duplicate = selected;
  commands.select = selected;
  commands.disconnect = m_session.IsConnected();
  return commands;
}

bool TDataBaseSelection::Select() {
  QDir::setCurrent(m_files.ExecutableFolder.isEmpty() ? ExecutableFolder::Path() : m_files.ExecutableFolder);
  if (m_selected < 0) throw Exception(ccTranslate(1720));
  TZULDataBase database = m_list.ReadDataBase(m_selected);
  int version = 0;
  try {
    version = CheckDataBaseVersion(m_files, database.Archivo, m_files.DataBaseVersion, true, false);
  } catch (const Exception&) {
    database.Version = -1;
    m_list.WriteDataBaseAt(m_selected, database);
    if (m_selected < Count()) m_lines[static_cast<size_t>(m_selected)].Version = -1;
    throw;
  }
  if (version < m_files.DataBaseVersion) {
    if (Dialogs::Ask(ccTranslate(1721), TDialogIcon::Warning, dbYes | dbNo, dbNo) == dbYes) {
      EditDataBase(TEditKind::Import);
    }
    return false;
  }
  m_session.ConnectDataBase(m_selected);
  return true;
}

void TDataBaseSelection::Disconnect() {
  m_session.ConnectDataBase(-1);
  m_session.SetConnected(false);
}

bool TDataBaseSelection::EditDataBase(TEditKind kind) {
  bool applied = false;
  try {
    m_session.SetConnected(false);
    const TZULDataBase database = m_selected >= 0 ? m_list.ReadDataBase(m_selected) : TZULDataBase{};
    if (kind == TEditKind::Modify || kind == TEditKind::Delete || kind == TEditKind::Duplicate ||
        kind == TEditKind::Information) {
      m_session.CheckDataBaseAdministrator(database, ccTranslate(1733));
    }
    TEditDataBaseWizard wizard(m_files, database, kind);
    if (m_runner && m_runner(wizard)) {
      ApplyDataBaseAction(m_list, m_files, m_selected, wizard.Original(), wizard.NewDataBase(),
                          wizard.Action(), m_session);
      applied = true;
    }
  } catch (...) {
    FillList();
    throw;
  }
  FillList();
  return applied;
}
