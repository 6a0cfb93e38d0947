#pragma once
// The database selection window ("Bases de datos") without its window: the lines of
// the list with their colours, which commands are enabled, opening the chosen
// database, and the editing of the list through the wizard. It reaches the open
// database only through the session and asks the person through Dialogs.

#include <QString>
#include <functional>
#include <vector>

#include "App/CodiComu/database/TEditDataBaseWizard.h"
#include "App/CodiComu/database/TZULDataBase.h"

class IDataBaseSession;
class TDataBaseFiles;
class TZULDataBases;

class TDataBaseSelection {
public:
  // Older than the program: blue; newer: red; the rest black.
  enum class TLineColour { Normal, Older, Newer };
  // Shows the wizard; true when it ended with OK ("Finalizar").
  using TWizardRunner = std::function<bool(TEditDataBaseWizard& wizard)>;

  struct TCommands {
    bool modify = false;
    bool add = true;
    bool remove = false;
    bool duplicate = false;
    bool disconnect = false;  // "Sin Base de datos seleccionada"
    bool information = true;
    bool select = false;
  };

  TDataBaseSelection(TZULDataBases& list, const TDataBaseFiles& files, IDataBaseSession& session);

  void SetWizardRunner(TWizardRunner runner) { m_runner = std::move(runner); }

  // Fills the list and selects the open database.
  void Open();
  // One line per database; a version not read yet (-1) is read from its file and stored.
  // The selected line stays when it still exists.
  void FillList();

  int Count() const { return static_cast<int>(m_lines.size()); }
  const TZULDataBase& Line(int line) const { return m_lines.at(static_cast<size_t>(line)); }
  TLineColour Colour(int line) const;
  int Selected() const { return m_selected; }
  // -1 or a position outside the list clears the selection.
  void SetSelected(int line);
  TCommands Commands() const;

  // "Seleccionar": true when the chosen database was opened (the window closes with OK).
  // A database of an older version offers its import instead (false).
  bool Select();
  // "Sin Base de datos seleccionada".
  void Disconnect();
  // Closes the open database, runs the wizard for the selected database and carries out
  // its action; the list is filled again in every case. True when an action was done.
  bool EditDataBase(TEditKind kind);

private:
  TZULDataBases& m_list;
  const TDataBaseFiles& m_files;
  IDataBaseSession& m_session;
  TWizardRunner m_runner;
  std::vector<TZULDataBase> m_lines;
  int m_selected = -1;
};
