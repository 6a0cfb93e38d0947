#pragma once
// A dialogs implementation for tests: answers come from a script in order, and
// every question, notice and error is recorded.

#include <QString>
#include <QStringList>
#include <deque>

#include "platform/core/Dialogs.h"

class ScriptedDialogs : public TDialogs {
public:
  struct Question {
    QString title;
    QString text;
    TDialogIcon icon;
    int buttons;
    TDialogButton defaultButton;
  };

  // Installs a fresh instance for the scope of a test; restores the silent default after.
  class Scope {
  public:
    Scope();
    ~Scope();
    ScriptedDialogs& operator*() { return *m_dialogs; }
    ScriptedDialogs* operator->() { return m_dialogs; }

  private:
    ScriptedDialogs* m_dialogs;
  };

  // Answers for the next questions (a question without a scripted answer fails the test).
  void Answer(TDialogButton button) { m_answers.push_back(button); }
  void AnswerText(const QString& text) { m_texts.push_back(text); }
  void AnswerFile(const QString& path) { m_files.push_back(path); }

  std::vector<Question> questions;
  QStringList notices;
  QStringList errors;

  TDialogButton Ask(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                    TDialogButton defaultButton) override;
  void Notify(const QString& title, const QString& text, TDialogIcon icon) override;
  void Error(const QString& title, const QString& text) override;
  QString PickOpenFile(const QString& title, const QString& folder, const QString& filter) override;
  QString PickSaveFile(const QString& title, const QString& folder, const QString& filter) override;
  bool InputText(const QString& title, const QString& prompt, QString& value) override;

private:
  std::deque<TDialogButton> m_answers;
  std::deque<QString> m_texts;
  std::deque<QString> m_files;
};
