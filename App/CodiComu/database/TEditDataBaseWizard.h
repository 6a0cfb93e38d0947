#pragma once
// The database editing wizard ("Datos de la Base de datos") without its window: the
// pages, the field values, the checks of "Siguiente", the way back of "Anterior",
// the buttons shown, and the record and the action it hands back when it ends with
// OK. The window binds its controls to the fields and calls Next/Previous; every
// check raises with its message and the wizard stays on its page.

#include <QString>
#include <array>

#include "App/CodiComu/database/TZULDataBase.h"

class TDataBaseFiles;

// What the selection window asks the wizard for.
enum class TEditKind : int { Modify = 0, Add = 1, Delete = 2, Duplicate = 3, Import = 4, Information = 5 };

// What the wizard hands back (ApplyDataBaseAction carries it out).
enum class TEditAction : int {
  None = -1,
  NewEmpty = 0,
  Duplicate = 1,
  Import = 2,
  Link = 3,
  Remove = 4,
  DeleteFile = 5,
  Modify = 6,
  Information = 7,
};

class TEditDataBaseWizard {
public:
  enum class TPage : int { Name, Action, Where, Import, Modify, Confirm, Delete, Info };
  static constexpr int kPageCount = 8;
  // The three choices of "Acción" and the two of "Borrado".
  enum class TChoice : int { None, NewEmpty, Import, Existing };
  enum class TDeleteChoice : int { None, RemoveLink, DeleteFile };

  // The values of the pages' controls.
  struct TFields {
    QString name;  // "Nombre Empresa"
    TChoice choice = TChoice::None;
    QString destination;  // "Ubicar Datos"; also the new file of a new or imported database
    QString importFile;   // "Importar Datos"
    QString modifyName;   // "Modificar"
    QString modifyFile;
    QString modifySystemDataBase;
    TDeleteChoice deleteChoice = TDeleteChoice::None;
  };

  // Raises when the start page needs a new file name and none can be made.
  TEditDataBaseWizard(const TDataBaseFiles& files, const TZULDataBase& database, TEditKind kind);

  TEditKind Kind() const { return m_kind; }
  TEditAction Action() const { return m_action; }
  TPage Page() const { return m_page; }
  // The record the wizard was opened for (an import replaces its file by the one to import).
  const TZULDataBase& Original() const { return m_original; }
  // Built when the confirmation page is entered.
  const TZULDataBase& NewDataBase() const { return m_new; }

  TFields& Fields() { return m_fields; }
  const TFields& Fields() const { return m_fields; }

  bool PreviousVisible() const { return m_previousVisible; }
  bool NextVisible() const { return m_nextVisible; }
  bool FinishVisible() const { return m_page == TPage::Confirm; }
  // "Importar una Base de Datos de una versión anterior..." needs a program version above 1.
  bool ImportChoiceEnabled() const;

  // The status line: "MODIFICACIÓN", "AÑADIENDO"...; empty for the information.
  QString StatusText() const;
  // The heading of a page; empty for "Información".
  static QString PageTitle(TPage page);
  QString PageTitle() const { return PageTitle(m_page); }
  // The help box of the page (or of its chosen option); empty when the box is hidden.
  QString HelpText() const;
  QString ConfirmationText() const { return m_confirmation; }

  void Next();
  // Back to the page this one was entered from, with the buttons as they were then.
  void Previous();
  // Enter: "Siguiente" when shown.
  void Enter();
  // Escape: "Anterior" when shown; false when the window must be cancelled instead.
  bool Escape();

  // Empty name: 1900; a file in the masters folder or in the import's temporary folder: 1901.
  void CheckFileName(const QString& path) const;
  // A file picked on "Modificar" as it will be stored and read back (relative, expanded).
  QString StoredForm(const QString& path) const;

  // The caption of the existing-file choice (named in the removal's confirmation).
  static QString ExistingFileChoiceCaption();

private:
  void GoTo(TPage page);
  void NextFromAction();
  void EnterConfirmation();
  QString AbsolutePath(const QString& path) const;
  static QString PermissionsLines(const QString& systemDataBase);

  const TDataBaseFiles& m_files;
  TZULDataBase m_original;
  TZULDataBase m_new;
  TEditKind m_kind;
  TEditAction m_action = TEditAction::None;
  TPage m_page = TPage::Name;
  TFields m_fields;
  bool m_previousVisible = false;
  bool m_nextVisible = true;
  QString m_confirmation;

  struct TEntry {
    TPage from = TPage::Name;
    bool previousVisible = false;
    bool nextVisible = true;
  };
  std::array<TEntry, kPageCount> m_entered{};
};
