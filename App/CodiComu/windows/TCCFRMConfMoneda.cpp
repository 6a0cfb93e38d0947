#include "App/CodiComu/windows/TCCFRMConfMoneda.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TCCFRMConfMoneda::TCCFRMConfMoneda(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CCFRMConfMoneda"));
  setWindowTitle(QStringLiteral("CONFIGURAR MONEDA"));
  m_name = AddEdit("edtNombre", 3);
  m_longName = AddEdit("edtNombreLargo", 10);
  m_priceDecimals = AddEdit("edtDecimales", 1);
  m_totalDecimals = AddEdit("edtDecimalesTotales", 1);
  m_mask = AddEdit("edtMascara", 0);
  m_editMask = AddEdit("edtMascaraEdicion", 0);
  m_name->setFixedWidth(60);
  m_priceDecimals->setFixedWidth(30);
  m_totalDecimals->setFixedWidth(30);

  auto* grid = new QGridLayout;
  grid->addWidget(NewLabel(this, "lblNombre", "Nombre de la Moneda"), 0, 0);
  auto* names = new QHBoxLayout;
  names->addWidget(m_name);
  names->addWidget(m_longName);
  grid->addLayout(names, 0, 1);
  grid->addWidget(NewLabel(this, "lblDecimales", "Decimales de los precios"), 1, 0);
  grid->addWidget(m_priceDecimals, 1, 1, Qt::AlignLeft);
  grid->addWidget(NewLabel(this, "lblDecimalesTotales", "Decimales de los totales"), 2, 0);
  grid->addWidget(m_totalDecimals, 2, 1, Qt::AlignLeft);
  grid->addWidget(NewLabel(this, "lblMascara", "Máscara listado"), 3, 0);
  grid->addWidget(m_mask, 3, 1);
  grid->addWidget(NewLabel(this, "lblMascaraEdicion", "Máscara edición"), 4, 0);
  grid->addWidget(m_editMask, 4, 1);

  auto* buttons = new QDialogButtonBox(this);
  auto* defaults = buttons->addButton(QStringLiteral("Por defecto"), QDialogButtonBox::ResetRole);
  defaults->setObjectName(QStringLiteral("btnDefecto"));
  auto* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancelar"));
  connect(defaults, &QPushButton::clicked, this, &TCCFRMConfMoneda::FillDefaults);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (Apply()) {
      accept();
    }
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  BPLTranslate().Execute(this, QStringLiteral("CC_TCCFRMConfMoneda"));
  SetValues(LoadCurrencySettings());
}

QLineEdit* TCCFRMConfMoneda::AddEdit(const char* name, int maxLength) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  if (maxLength > 0) {
    edit->setMaxLength(maxLength);
  }
  return edit;
}

TCurrencySettings TCCFRMConfMoneda::Values() const {
  return {m_name->text(),          m_longName->text(), m_priceDecimals->text(),
          m_totalDecimals->text(), m_mask->text(),     m_editMask->text()};
}

void TCCFRMConfMoneda::SetValues(const TCurrencySettings& values) {
  m_name->setText(values.name);
  m_longName->setText(values.longName);
  m_priceDecimals->setText(values.priceDecimals);
  m_totalDecimals->setText(values.totalDecimals);
  m_mask->setText(values.mask);
  m_editMask->setText(values.editMask);
}

void TCCFRMConfMoneda::FillDefaults() { SetValues(DefaultCurrencySettings()); }

bool TCCFRMConfMoneda::Apply() {
  const QString question = QString::fromUtf8(
      "¡MUY IMPORTANTE!\nSi modifica el número de decimales de redondeo el programa no recalculará los "
      "documentos ya generados, por lo que es muy posible que existan descuadres de decimales.\n\n"
      "¿Seguro que quiere aplicar los cambios en la moneda?");
  if (!Dialogs::AskYesNo(question, TDialogIcon::Question, dbNo)) {
    return false;
  }
  try {
    SaveCurrencySettings(Values());
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
    return false;
  }
  return true;
}
