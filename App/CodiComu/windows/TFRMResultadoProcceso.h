#pragma once
// The report of a process shown before its changes are applied: the lines in a
// fixed-pitch text area, "ACEPTAR y procesar los cambios" (OK) and "CANCELAR y
// descartar los cambios" (Cancel), and a menu "Archivo" to save the report as a
// text file or leave without OK.

#include <QDialog>
#include <QStringList>

class QAction;
class QPlainTextEdit;
class QPushButton;

class TFRMResultadoProcceso : public QDialog {
  Q_OBJECT
public:
  explicit TFRMResultadoProcceso(QWidget* parent = nullptr);

  void SetLines(const QStringList& lines);
  QStringList Lines() const;

  // "Guardar como ...": asks for a file name ("txt" when it has no extension) and
  // writes the lines; false when cancelled or the file could not be written (the
  // reason is shown).
  bool SaveAs();
  // Writes the lines as UTF-8 text, one per line; raises EFileError on failure.
  static void SaveLines(const QString& fileName, const QStringList& lines);
  // The name with ".txt" added when it has no extension.
  static QString WithDefaultExtension(const QString& fileName);

  // Shows the lines modally; true when the person accepts the changes.
  static bool Confirm(const QStringList& lines, QWidget* parent = nullptr);

  // Room for about a hundred columns and thirty lines of the report.
  QSize sizeHint() const override;

  QPlainTextEdit* TextArea() const { return m_text; }
  QPushButton* AcceptButton() const { return m_accept; }
  QPushButton* CancelButton() const { return m_cancel; }
  QAction* SaveAction() const { return m_save; }
  QAction* ExitAction() const { return m_exit; }

private:
  QPlainTextEdit* m_text;
  QPushButton* m_accept;
  QPushButton* m_cancel;
  QAction* m_save;
  QAction* m_exit;
};
