#pragma once
// "Bases de datos": the list of known databases, opening one, and the editing of the
// list through the database wizard. Lines of older databases are blue, of newer ones
// red; keys F5 modify, F6 add, F7 delete, F8 no database, Enter (or a double click)
// select.
#include <QColor>
#include <QDialog>

#include "App/CodiComu/database/TDataBaseSelection.h"

class IDataBaseSession;
class QListWidget;
class QPushButton;
class TDataBaseFiles;
class TZULDataBases;

class TFRMSelEmpresa : public QDialog {
  Q_OBJECT
public:
  TFRMSelEmpresa(TZULDataBases& list, const TDataBaseFiles& files, IDataBaseSession& session,
                 QWidget* parent = nullptr);

  // The headless selection (tests replace its wizard runner).
  TDataBaseSelection& Selection() { return m_selection; }
  QListWidget* List() const { return m_list; }

  static QColor LineColour(TDataBaseSelection::TLineColour colour);
  static const QColor kSelectedBackground;

  // The commands, as the buttons and keys run them.
  void Select();
  void Disconnect();
  void Edit(TEditKind kind);

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  QPushButton* AddButton(const char* name, const QString& text);
  void ShowList();
  void ShowCommands();

  TDataBaseSelection m_selection;
  const TDataBaseFiles& m_files;
  QListWidget* m_list;
  QPushButton* m_modify;
  QPushButton* m_add;
  QPushButton* m_remove;
  QPushButton* m_duplicate;
  QPushButton* m_disconnect;
  QPushButton* m_information;
  QPushButton* m_select;
  QPushButton* m_close;
};

// Shows the selection window modally; returns the dialog's result.
int ShowDataBaseSelection(TZULDataBases& list, const TDataBaseFiles& files, IDataBaseSession& session,
                          QWidget* parent = nullptr);
