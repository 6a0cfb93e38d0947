#pragma once
// How the headless core talks to the person: questions, notices, errors and file
// pickers. The programs plug in Qt message boxes; tests plug in a scripted fake.
// Without a plugged implementation questions answer their default button and
// notices go nowhere, so batch tools never block.

#include <QString>
#include <QStringList>
#include <memory>

enum class TDialogIcon { None, Information, Warning, Error, Question };

// Buttons and answers, combinable as flags.
enum TDialogButton : int { dbNone = 0, dbYes = 1, dbNo = 2, dbCancel = 4, dbOk = 8 };

class TDialogs {
public:
  virtual ~TDialogs() = default;
  // Returns the button chosen (one of `buttons`).
  virtual TDialogButton Ask(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                            TDialogButton defaultButton) = 0;
  virtual void Notify(const QString& title, const QString& text, TDialogIcon icon) = 0;
  virtual void Error(const QString& title, const QString& text) = 0;
  // Empty when cancelled.
  virtual QString PickOpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
  virtual QString PickSaveFile(const QString& title, const QString& folder, const QString& filter) = 0;
  // Text input; false when cancelled.
  virtual bool InputText(const QString& title, const QString& prompt, QString& value) = 0;
};

namespace Dialogs {

// The plugged implementation (never null: a silent default stands).
TDialogs& Current();
// Plugs an implementation; nullptr restores the silent default. Returns the previous one.
std::unique_ptr<TDialogs> Install(std::unique_ptr<TDialogs> dialogs);

// The application title used as caption of questions and notices.
QString AppTitle();
void SetAppTitle(const QString& title);

// Shortcuts with the application title as caption.
TDialogButton Ask(const QString& text, TDialogIcon icon, int buttons, TDialogButton defaultButton);
bool AskYesNo(const QString& text, TDialogIcon icon = TDialogIcon::Question,
              TDialogButton defaultButton = dbNo);
void Notify(const QString& text, TDialogIcon icon = TDialogIcon::Information);

}  // namespace Dialogs
