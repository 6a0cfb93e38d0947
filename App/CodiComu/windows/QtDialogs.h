#pragma once
// The dialogs interface drawn with Qt: message boxes with Spanish buttons, file
// pickers and a text prompt, over the active window. And the unattended variant that
// a program started without a person uses: questions take their default button,
// notices and errors are written to the error stream and counted.

#include <QString>
#include <QTextStream>

#include "platform/core/Dialogs.h"

class TQtDialogs : public TDialogs {
public:
  TDialogButton Ask(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                    TDialogButton defaultButton) override;
  void Notify(const QString& title, const QString& text, TDialogIcon icon) override;
  void Error(const QString& title, const QString& text) override;
  QString PickOpenFile(const QString& title, const QString& folder, const QString& filter) override;
  QString PickSaveFile(const QString& title, const QString& folder, const QString& filter) override;
  bool InputText(const QString& title, const QString& prompt, QString& value) override;
};

class TUnattendedDialogs : public TDialogs {
public:
  TDialogButton Ask(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                    TDialogButton defaultButton) override;
  void Notify(const QString& title, const QString& text, TDialogIcon icon) override;
  void Error(const QString& title, const QString& text) override;
  QString PickOpenFile(const QString&, const QString&, const QString&) override { return {}; }
  QString PickSaveFile(const QString&, const QString&, const QString&) override { return {}; }
  bool InputText(const QString&, const QString&, QString&) override { return false; }

  // Errors and warnings reported so far.
  int Faults() const { return m_faults; }

private:
  void Write(const QString& kind, const QString& text);
  int m_faults = 0;
};
