#pragma once
// "Datos de la Base de datos": the window of the database wizard. The pages are the
// hidden tabs of a tab control; the heading, the status line, the help box and the
// buttons follow the wizard. Enter means "Siguiente", Escape "Anterior" (or cancel on
// the first page). A refused check shows its message and keeps the page.
#include <QDialog>

#include "App/CodiComu/database/TEditDataBaseWizard.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TDataBaseFiles;

class TCCFRMEditDataBase : public QDialog {
  Q_OBJECT
public:
  TCCFRMEditDataBase(TEditDataBaseWizard& wizard, const TDataBaseFiles& files, QWidget* parent = nullptr);

  TEditDataBaseWizard& Wizard() { return m_wizard; }
  QTabWidget* Pages() const { return m_pages; }

  // The buttons' actions (also reached by the keys).
  void GoNext();
  void GoPrevious();
  void Escape();
  // "Información": copies the file's location to the clipboard.
  void CopyLocation();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  QWidget* NamePage();
  QWidget* ActionPage();
  QWidget* FilePage(const char* name, const char* caption, QLineEdit* edit, const char* button);
  QWidget* ModifyPage();
  QWidget* ConfirmPage();
  QWidget* DeletePage();
  QWidget* InfoPage();
  QLineEdit* NewEdit(const char* name);
  QPushButton* BrowseButton(const char* name, QLineEdit* edit, bool rightsFile, bool storedForm);
  void ReadFields();
  void ShowWizard();
  void ShowHelp();

  TEditDataBaseWizard& m_wizard;
  const TDataBaseFiles& m_files;
  QLabel* m_status;
  QLabel* m_title;
  QTabWidget* m_pages;
  QFrame* m_helpBox;
  QLabel* m_help;
  QPushButton* m_previous;
  QPushButton* m_next;
  QPushButton* m_finish;
  QPushButton* m_cancel;
  QLineEdit* m_name;
  QRadioButton* m_newEmpty;
  QRadioButton* m_import;
  QRadioButton* m_existing;
  QLineEdit* m_where;
  QLineEdit* m_importFile;
  QLineEdit* m_modifyName;
  QLineEdit* m_modifyFile;
  QLineEdit* m_modifyRights;
  QPlainTextEdit* m_confirmation;
  QRadioButton* m_removeLink;
  QRadioButton* m_deleteFile;
  QLineEdit* m_infoName;
  QLineEdit* m_infoFile;
};
