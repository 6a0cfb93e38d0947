#include "App/CodiComu/windows/TccFRMUserValues.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "App/CodiComu/windows/DialogButtons.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

constexpr int kHeightWithTables = 460;
constexpr int kHeightWithoutTables = 196;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

TccFRMUserValues::TccFRMUserValues(TUserAction action, const TUserValues& user,
                                   TCustomZULPasswords& passwords, QWidget* parent)
    : QDialog(parent),
      m_action(action),
      m_original(user),
      m_passwords(passwords),
      m_dbUsers(dynamic_cast<TZULPasswordsDataBase*>(&passwords)) {
  setObjectName(QStringLiteral("TccFRMUserValues"));
  setWindowTitle(ccTranslateFmt(1680, {passwords.ObjectName()}));

  m_user = NewEdit(this, "edtUsuario");
  m_user->setText(user.name);
  m_user->setEnabled(action == uaAdd);
  m_fullName = NewEdit(this, "edtNombre");
  m_fullName->setText(user.fullName);
  m_password = NewEdit(this, "edtPassword");
  m_password->setEchoMode(QLineEdit::Password);
  m_changePassword = new QCheckBox(QStringLiteral("Cambiar la contraseña"), this);
  m_changePassword->setObjectName(QStringLiteral("chkCambiarPassword"));
  m_changePassword->setVisible(action != uaAdd);
  m_password->setEnabled(action == uaAdd);
  connect(m_changePassword, &QCheckBox::toggled, m_password, &QWidget::setEnabled);

  passwords.GetPropertyNames(m_propertyNames);
  m_propertiesLabel = NewLabel(this, "lblPropiedades", QStringLiteral("Propiedades"));
  m_properties = new QListWidget(this);
  m_properties->setObjectName(QStringLiteral("lstPropiedades"));
  for (const TUserPropertyName& property : m_propertyNames) {
    auto* item = new QListWidgetItem(property.name, m_properties);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    const bool all = property.value != 0 && (user.properties & property.value) == property.value;
    item->setCheckState(all ? Qt::Checked : Qt::Unchecked);
  }
  m_properties->setEnabled(!m_propertyNames.empty());
  m_propertiesLabel->setEnabled(!m_propertyNames.empty());
  m_properties->setFixedHeight(54);

  if (m_dbUsers) {
    m_rights = m_dbUsers->ReadUserRights(user.name);
    for (const QString& line : m_dbUsers->RightsTables()) {
      if (!line.section(QLatin1Char('='), 0, 0).trimmed().isEmpty()) m_tables << line;
    }
  }
  m_grid = new QTableWidget(this);
  m_grid->setObjectName(QStringLiteral("grdPermisos"));
  m_grid->setMinimumHeight(260);
  FillGrid();
  connect(m_grid, &QTableWidget::cellDoubleClicked, this, &TccFRMUserValues::ToggleRight);

  auto* fields = new QGridLayout;
  fields->addWidget(NewLabel(this, "lblUsuario", QStringLiteral("Usuario")), 0, 0);
  fields->addWidget(m_user, 0, 1);
  fields->addWidget(NewLabel(this, "lblNombre", QStringLiteral("Nombre")), 1, 0);
  fields->addWidget(m_fullName, 1, 1);
  fields->addWidget(NewLabel(this, "lblPassword", QStringLiteral("Contraseña")), 2, 0);
  fields->addWidget(m_password, 2, 1);
  fields->addWidget(m_changePassword, 3, 1);
  fields->addWidget(m_propertiesLabel, 0, 2, Qt::AlignTop);
  fields->addWidget(m_properties, 0, 3, 3, 1);
  fields->setColumnStretch(1, 1);

  QDialogButtonBox* buttons = AcceptCancelButtons(this, [this] { return Apply(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(m_grid, 1);
  if (m_tables.isEmpty()) layout->addStretch();
  layout->addWidget(buttons);

  BPLTranslate().Execute(this, QStringLiteral("CC_TccFRMUserValues"));
  m_grid->setVisible(!m_tables.isEmpty());
  resize(560, m_tables.isEmpty() ? kHeightWithoutTables : kHeightWithTables);
}

void TccFRMUserValues::FillGrid() {
  m_grid->setColumnCount(5);
  m_grid->setHorizontalHeaderLabels(
      {QStringLiteral("Tabla"), ccTranslate(1681), ccTranslate(1682), ccTranslate(1683), ccTranslate(1684)});
  m_grid->setRowCount(static_cast<int>(m_tables.size()));
  m_grid->verticalHeader()->setVisible(false);
  m_grid->verticalHeader()->setDefaultSectionSize(22);
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
  m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column <= 4; ++column) m_grid->setColumnWidth(column, 72);
  for (int row = 0; row < m_tables.size(); ++row) {
    const QString name = m_tables[row].section(QLatin1Char('='), 0, 0).trimmed();
    const QString caption = m_tables[row].section(QLatin1Char('='), 1);
    m_grid->setItem(row, 0, new QTableWidgetItem(caption.isEmpty() ? name : caption));
    for (int column = 1; column <= 4; ++column) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      m_grid->setItem(row, column, item);
    }
    ShowRow(row);
  }
}

void TccFRMUserValues::ShowRow(int row) {
  const QString name = m_tables[row].section(QLatin1Char('='), 0, 0).trimmed();
  const TTableUserRights rights = m_rights.RightsOf(name);
  for (int column = 1; column <= 4; ++column) {
    m_grid->item(row, column)->setText(ccTranslate(rights.Right(column - 1) ? 106 : 107));
  }
}

void TccFRMUserValues::ToggleRight(int row, int column) {
  if (row < 0 || row >= m_tables.size() || column < 1 || column > 4) return;
  const QString name = m_tables[row].section(QLatin1Char('='), 0, 0).trimmed();
  TTableUserRights& entry = m_rights.Entry(name);
  entry.SetRight(column - 1, !entry.Right(column - 1));
  ShowRow(row);
}

TUserValues TccFRMUserValues::Values() const {
  TUserValues values = m_original;
  values.name = m_user->text();
  values.fullName = m_fullName->text();
  if (m_action == uaAdd || m_changePassword->isChecked()) values.password = m_password->text();
  int properties = 0;
  for (int i = 0; i < m_properties->count(); ++i) {
    if (m_properties->item(i)->checkState() == Qt::Checked) properties |= m_propertyNames[i].value;
  }
  values.properties = properties;
  return values;
}

bool TccFRMUserValues::Apply() {
  try {
    const TUserValues values = Values();
    const bool newPassword = m_action == uaAdd || m_changePassword->isChecked();
    m_passwords.CheckValid(values.name, newPassword ? values.password : QString(), values.fullName);
    switch (m_action) {
      case uaAdd:
        if (!m_passwords.AddUser(values)) {
          throw Exception(QStringLiteral("Ya existe un usuario con el nombre \"%1\"; elija otro nombre")
                              .arg(values.name));
        }
        break;
      case uaModify:
        m_passwords.ModifyUser(values);
        break;
      case uaDelete:
        m_passwords.DeleteUser(values.name);
        break;
    }
    if (m_dbUsers && m_action != uaDelete) {
      m_rights.user = values;
      m_dbUsers->WriteUserRights(m_rights);
    }
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
    return false;
  }
  return true;
}
