#include "App/CodiComu/windows/TCCFRMConfDatosEmpresa.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "App/CodiComu/TParametrosApp.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

// Labels in the order of CompanyParameter(); the edits are named "edt" + parameter.
constexpr const char* kLabels[kCompanyParameterCount] = {
    "Nombre",
    "Dirección",
    "Población",
    "Código Postal",
    "CIF",
    "Teléfonos",
    "Logotipo",
    "Información del Registro Mercantil",
    "Número de inscripción en la seguridad social (cuenta cotización)",
};
constexpr int kPostCode = 3;
constexpr int kLogo = 6;

}  // namespace

TCCFRMConfDatosEmpresa::TCCFRMConfDatosEmpresa(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CCFRMConfDatosEmpresa"));
  setWindowTitle(QStringLiteral("DATOS DE LA EMPRESA ASOCIADA CON LA BASE DE DATOS"));
  auto* grid = new QGridLayout;
  for (int i = 0; i < kCompanyParameterCount; ++i) {
    const QString name = QString::fromLatin1(CompanyParameter(i).name);
    auto* label = new QLabel(QString::fromUtf8(kLabels[i]), this);
    label->setObjectName(QStringLiteral("lbl") + name);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edt") + name);
    edit->setMinimumWidth(360);
    label->setBuddy(edit);
    m_edits[static_cast<size_t>(i)] = edit;
    grid->addWidget(label, i, 0);
    if (i == kLogo) {
      auto* row = new QHBoxLayout;
      row->addWidget(edit);
      auto* pick = new QPushButton(QStringLiteral("..."), this);
      pick->setObjectName(QStringLiteral("btnLogo"));
      pick->setFixedWidth(30);
      connect(pick, &QPushButton::clicked, this, &TCCFRMConfDatosEmpresa::PickLogo);
      row->addWidget(pick);
      grid->addLayout(row, i, 1);
    } else {
      grid->addWidget(edit, i, 1);
    }
  }
  m_edits[kPostCode]->setMaxLength(10);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancelar"));
  connect(ok, &QPushButton::clicked, this, [this] {
    try {
      Save();
      accept();
    } catch (const Exception& e) {
      Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
    }
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  BPLTranslate().Execute(this, QStringLiteral("CC_TCCFRMConfDatosEmpresa"));
  DeclareCompanyParameters();
  QStringList values;
  for (int i = 0; i < kCompanyParameterCount; ++i) {
    values << ParametrosApp().GetString(QString::fromLatin1(CompanyParameter(i).name), QStringLiteral("?"));
  }
  SetValues(values);
}

QStringList TCCFRMConfDatosEmpresa::Values() const {
  QStringList values;
  for (const QLineEdit* edit : m_edits) {
    values << edit->text();
  }
  return values;
}

void TCCFRMConfDatosEmpresa::SetValues(const QStringList& values) {
  for (int i = 0; i < kCompanyParameterCount && i < values.size(); ++i) {
    m_edits[static_cast<size_t>(i)]->setText(values.at(i));
  }
}

void TCCFRMConfDatosEmpresa::PickLogo() {
  QLineEdit* edit = m_edits[kLogo];
  const QString folder = edit->text().isEmpty() ? QString() : QFileInfo(edit->text()).absolutePath();
  const QString file = Dialogs::Current().PickOpenFile(QStringLiteral("Logotipo"), folder,
                                                       QStringLiteral("*.png *.jpg *.jpeg *.bmp *.gif"));
  if (!file.isEmpty()) {
    edit->setText(file);
  }
}

void TCCFRMConfDatosEmpresa::Save() {
  TParametrosApp& params = ParametrosApp();
  const QStringList values = Values();
  for (int i = 0; i < kCompanyParameterCount; ++i) {
    params.SetValue(QString::fromLatin1(CompanyParameter(i).name), values.at(i));
  }
  DeclareCompanyParameters();
}
