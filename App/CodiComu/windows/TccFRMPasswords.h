#pragma once
// The users of a users' object: "Requerir usuario", the list of users with their
// full names and rights, and "Nuevo" (F6), "Modificar" (F5), "Borrar" (F7) on the
// buttons and the list's popup menu. The first change tells once that changes take
// effect at the next start.

#include <QDialog>
#include <functional>

class QAction;
class QCheckBox;
class QPushButton;
class QTreeWidget;
class TCustomZULPasswords;
class TccFRMUserValues;

class TccFRMPasswords : public QDialog {
  Q_OBJECT
public:
  // Runs the user data window and gives its result (exec by default; tests drive it).
  using TDataWindowRunner = std::function<int(TccFRMUserValues& window)>;

  explicit TccFRMPasswords(TCustomZULPasswords& passwords, QWidget* parent = nullptr);

  void SetDataWindowRunner(TDataWindowRunner runner) { m_runner = std::move(runner); }

  QCheckBox* RequireBox() const { return m_require; }
  QTreeWidget* UsersList() const { return m_list; }
  QAction* NewAction() const { return m_new; }
  QAction* ModifyAction() const { return m_modify; }
  QAction* DeleteAction() const { return m_delete; }
  QAction* CloseAction() const { return m_close; }

  void NewUser();
  void ModifyUser();
  void DeleteUser();
  void Refresh();

private:
  void SetRequire(bool require);
  void UpdateActions();
  void Changed();
  QString SelectedName() const;
  bool RunDataWindow(int action, const QString& name);
  QAction* AddAction(const char* name, const QString& text, const QKeySequence& key, QPushButton* button);

  TCustomZULPasswords& m_passwords;
  TDataWindowRunner m_runner;
  bool m_changed = false;
  QCheckBox* m_require;
  QTreeWidget* m_list;
  QAction* m_new;
  QAction* m_modify;
  QAction* m_delete;
  QAction* m_close;
};

// Shows the users window modally.
void ShowPasswordsWindow(TCustomZULPasswords& passwords, QWidget* parent = nullptr);
