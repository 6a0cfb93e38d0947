#pragma once
// The data of one user: name (editable only when adding), full name, password,
// properties and, for database users, the rights on each table of the program's
// list ("Si"/"No"; a double click toggles; clearing "Ver" clears the rest, setting
// another right sets "Ver"). When modifying, the password changes only when
// "Cambiar la contraseña" is ticked: the stored one cannot be shown.

#include <QDialog>
#include <vector>

#include "App/CodiComu/users/TCustomZULPasswords.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;
class TZULPasswordsDataBase;

class TccFRMUserValues : public QDialog {
  Q_OBJECT
public:
  TccFRMUserValues(TUserAction action, const TUserValues& user, TCustomZULPasswords& passwords,
                   QWidget* parent = nullptr);

  QLineEdit* UserEdit() const { return m_user; }
  QLineEdit* FullNameEdit() const { return m_fullName; }
  QLineEdit* PasswordEdit() const { return m_password; }
  QCheckBox* ChangePasswordBox() const { return m_changePassword; }
  QListWidget* PropertiesList() const { return m_properties; }
  QTableWidget* RightsGrid() const { return m_grid; }
  const TDBUserValues& Rights() const { return m_rights; }

  // A double click on a cell of the grid (column 1 to 4: the rights).
  void ToggleRight(int row, int column);
  // "Aceptar": checks and stores; true when stored (the window is then accepted).
  bool Apply();

private:
  void FillGrid();
  void ShowRow(int row);
  TUserValues Values() const;

  TUserAction m_action;
  TUserValues m_original;
  TCustomZULPasswords& m_passwords;
  TZULPasswordsDataBase* m_dbUsers;
  TDBUserValues m_rights;
  QStringList m_tables;  // table names, by grid row
  std::vector<TUserPropertyName> m_propertyNames;

  QLineEdit* m_user;
  QLineEdit* m_fullName;
  QLineEdit* m_password;
  QCheckBox* m_changePassword;
  QLabel* m_propertiesLabel;
  QListWidget* m_properties;
  QTableWidget* m_grid;
};
