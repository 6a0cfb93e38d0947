#include "App/CodiComu/windows/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* AcceptCancelButtons(QDialog* dialog, std::function<bool()> apply) {
  auto* buttons = new QDialogButtonBox(dialog);
  auto* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnAceptar"));
  ok->setDefault(true);
  auto* cancel = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancelar"));
  QObject::connect(ok, &QPushButton::clicked, dialog, [dialog, apply = std::move(apply)] {
    if (apply()) dialog->accept();
  });
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return buttons;
}
