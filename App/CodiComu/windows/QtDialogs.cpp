#include "App/CodiComu/windows/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

QWidget* Owner() { return QApplication::activeWindow(); }

QMessageBox::Icon BoxIcon(TDialogIcon icon) {
  switch (icon) {
    case TDialogIcon::Information:
      return QMessageBox::Information;
    case TDialogIcon::Warning:
      return QMessageBox::Warning;
    case TDialogIcon::Error:
      return QMessageBox::Critical;
    case TDialogIcon::Question:
      return QMessageBox::Question;
    case TDialogIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// A box whose buttons carry our own texts; returns the button pressed.
TDialogButton RunBox(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                     TDialogButton defaultButton) {
  QMessageBox box(BoxIcon(icon), title, text, QMessageBox::NoButton, Owner());
  const struct {
    TDialogButton button;
    const char* text;
    QMessageBox::ButtonRole role;
  } kinds[] = {{dbYes, "Sí", QMessageBox::YesRole},
               {dbNo, "No", QMessageBox::NoRole},
               {dbOk, "Aceptar", QMessageBox::AcceptRole},
               {dbCancel, "Cancelar", QMessageBox::RejectRole}};
  std::vector<std::pair<QAbstractButton*, TDialogButton>> made;
  for (const auto& kind : kinds) {
    if ((buttons & kind.button) == 0) continue;
    QPushButton* button = box.addButton(QString::fromUtf8(kind.text), kind.role);
    made.emplace_back(button, kind.button);
    if (kind.button == defaultButton) box.setDefaultButton(button);
  }
  if (made.empty())
    made.emplace_back(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole), dbOk);
  // Escape answers the cancelling button, or "No" when there is none.
  for (const auto& [button, answer] : made) {
    if (answer == dbCancel || (answer == dbNo && (buttons & dbCancel) == 0)) box.setEscapeButton(button);
  }
  box.exec();
  for (const auto& [button, answer] : made) {
    if (box.clickedButton() == button) return answer;
  }
  // Closed without a button: the cancelling answer, else the default.
  if (buttons & dbCancel) return dbCancel;
  if (buttons & dbNo) return dbNo;
  return defaultButton != dbNone ? defaultButton : made.front().second;
}

}  // namespace

TDialogButton TQtDialogs::Ask(const QString& title, const QString& text, TDialogIcon icon, int buttons,
                              TDialogButton defaultButton) {
  return RunBox(title, text, icon, buttons, defaultButton);
}

void TQtDialogs::Notify(const QString& title, const QString& text, TDialogIcon icon) {
  RunBox(title, text, icon, dbOk, dbOk);
}

void TQtDialogs::Error(const QString& title, const QString& text) {
  RunBox(title, text, TDialogIcon::Error, dbOk, dbOk);
}

QString TQtDialogs::PickOpenFile(const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(Owner(), title, folder, filter);
}

QString TQtDialogs::PickSaveFile(const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(Owner(), title, folder, filter);
}

bool TQtDialogs::InputText(const QString& title, const QString& prompt, QString& value) {
  QInputDialog dialog(Owner());
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setTextValue(value);
  dialog.setOkButtonText(QStringLiteral("Aceptar"));
  dialog.setCancelButtonText(QStringLiteral("Cancelar"));
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.textValue();
  return true;
}

TDialogButton TUnattendedDialogs::Ask(const QString&, const QString& text, TDialogIcon, int buttons,
                                      TDialogButton defaultButton) {
  Write(QStringLiteral("Pregunta"), text);
  if (defaultButton != dbNone && (buttons & defaultButton)) return defaultButton;
  for (TDialogButton button : {dbCancel, dbNo, dbOk, dbYes}) {
    if (buttons & button) return button;
  }
  return dbNone;
}

void TUnattendedDialogs::Notify(const QString&, const QString& text, TDialogIcon icon) {
  if (icon == TDialogIcon::Warning || icon == TDialogIcon::Error) {
    ++m_faults;
    Write(QStringLiteral("Aviso"), text);
  } else {
    Write(QStringLiteral("Información"), text);
  }
}

void TUnattendedDialogs::Error(const QString&, const QString& text) {
  ++m_faults;
  Write(QStringLiteral("Error"), text);
}

void TUnattendedDialogs::Write(const QString& kind, const QString& text) {
  QTextStream err(stderr);
  err << kind << QStringLiteral(": ") << text << '\n';
}
