#include "App/CodiComu/windows/TccFRMPassword.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/LoginPrompt.h"
#include "App/CodiComu/users/TCustomZULPasswords.h"
#include "App/CodiComu/windows/DialogButtons.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "platform/core/Dialogs.h"
#include "platform/translate/TZULTranslate.h"

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TccFRMPassword::TccFRMPassword(TCustomZULPasswords& passwords, QWidget* parent)
    : QDialog(parent), m_passwords(passwords) {
  setObjectName(QStringLiteral("TccFRMPassword"));
  setWindowTitle(QStringLiteral("Password"));

  auto* image = NewLabel(this, "imgAplicacion", QString());
  image->setPixmap(QPixmap::fromImage(
      AppImages().ApplicationImage().scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* kind = NewLabel(this, "lblTipo", passwords.KindName());
  auto* title = NewLabel(this, "lblTitulo", passwords.ObjectName());
  QFont bold = title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  title->setFont(bold);

  m_user = new QLineEdit(this);
  m_user->setObjectName(QStringLiteral("edtUsuario"));
  m_password = new QLineEdit(this);
  m_password->setObjectName(QStringLiteral("edtPassword"));
  m_password->setEchoMode(QLineEdit::Password);
  m_user->setMinimumWidth(200);

  auto* fields = new QGridLayout;
  fields->addWidget(kind, 0, 0, 1, 2);
  fields->addWidget(title, 1, 0, 1, 2);
  fields->setRowMinimumHeight(2, 8);
  fields->addWidget(NewLabel(this, "lblUsuario", QStringLiteral("Usuario")), 3, 0);
  fields->addWidget(m_user, 3, 1);
  fields->addWidget(NewLabel(this, "lblPassword", QStringLiteral("Contraseña")), 4, 0);
  fields->addWidget(m_password, 4, 1);

  QDialogButtonBox* buttons = AcceptCancelButtons(this, [this] { return Apply(); });

  auto* body = new QHBoxLayout;
  body->addWidget(image);
  body->addSpacing(8);
  body->addLayout(fields, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addStretch();
  layout->addWidget(buttons);

  BPLTranslate().Execute(this, QStringLiteral("CC_TccFRMPassword"));
  m_user->setFocus();
}

bool TccFRMPassword::Apply() {
  if (m_passwords.Login(m_user->text(), m_password->text())) return true;
  m_user->selectAll();
  m_user->setFocus();
  Dialogs::Current().Error(Dialogs::AppTitle(), ccTranslate(1850));
  return false;
}

bool ShowPasswordWindow(TCustomZULPasswords& passwords, QWidget* parent) {
  TccFRMPassword window(passwords, parent ? parent : QApplication::activeWindow());
  return window.exec() == QDialog::Accepted;
}

void RegisterPasswordWindow() {
  SetLoginPrompt([](TCustomZULPasswords& passwords) { return ShowPasswordWindow(passwords); });
}
