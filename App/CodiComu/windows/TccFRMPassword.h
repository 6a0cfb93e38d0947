#pragma once
// The login dialog of a users' object: the application image, the kind of users and
// the name of what they protect, "Usuario" and "Contraseña". A wrong name or password
// keeps the dialog open with the user field selected.

#include <QDialog>

class QLabel;
class QLineEdit;
class TCustomZULPasswords;

class TccFRMPassword : public QDialog {
  Q_OBJECT
public:
  explicit TccFRMPassword(TCustomZULPasswords& passwords, QWidget* parent = nullptr);

  QLineEdit* UserEdit() const { return m_user; }
  QLineEdit* PasswordEdit() const { return m_password; }

  // "Aceptar": logs in; true when it worked (the dialog is then accepted).
  bool Apply();

private:
  TCustomZULPasswords& m_passwords;
  QLineEdit* m_user;
  QLineEdit* m_password;
};

// Shows the dialog modally; true when the person logged in.
bool ShowPasswordWindow(TCustomZULPasswords& passwords, QWidget* parent = nullptr);
// Makes the dialog the program's login prompt (LoginPrompt.h).
void RegisterPasswordWindow();
