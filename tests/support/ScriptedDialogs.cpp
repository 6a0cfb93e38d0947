#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::Scope::Scope() {
  auto dialogs = std::make_unique<ScriptedDialogs>();
  m_dialogs = dialogs.get();
  Dialogs::Install(std::move(dialogs));
}

ScriptedDialogs::Scope::~Scope() { Dialogs::Install(nullptr); }

TDialogButton ScriptedDialogs::Ask(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                                   TDialogButton defaultButton) {
  questions.push_back(Question{title, text, icon, buttons, defaultButton});
  if (m_answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return defaultButton;
  }
  const TDialogButton answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

void ScriptedDialogs::Notify(const QString&, const QString& text, TDialogIcon) { notices << text; }

void ScriptedDialogs::Error(const QString&, const QString& text) { errors << text; }

QString ScriptedDialogs::PickOpenFile(const QString&, const QString&, const QString&) {
  if (m_files.empty()) return QString();
  const QString path = m_files.front();
  m_files.pop_front();
  return path;
}

QString ScriptedDialogs::PickSaveFile(const QString& title, const QString& folder, const QString& filter) {
  return PickOpenFile(title, folder, filter);
}

bool ScriptedDialogs::InputText(const QString&, const QString&, QString& value) {
  if (m_texts.empty()) return false;
  value = m_texts.front();
  m_texts.pop_front();
  return true;
}
