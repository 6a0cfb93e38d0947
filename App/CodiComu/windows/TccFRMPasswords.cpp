#include "App/CodiComu/windows/TccFRMPasswords.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/users/TCustomZULPasswords.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "App/CodiComu/windows/TccFRMUserValues.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

void ShowError(const Exception& e) { Dialogs::Current().Error(Dialogs::AppTitle(), e.Message()); }

}  // namespace

TccFRMPasswords::TccFRMPasswords(TCustomZULPasswords& passwords, QWidget* parent)
    : QDialog(parent), m_passwords(passwords), m_runner([](TccFRMUserValues& w) { return w.exec(); }) {
  setObjectName(QStringLiteral("TccFRMPasswords"));
  setWindowTitle(QStringLiteral("Passwords"));

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("imgUsuarios"));
  image->setPixmap(QPixmap::fromImage(AppImages().PasswordsUser()));
  auto* kind = new QLabel(passwords.KindName(), this);
  kind->setObjectName(QStringLiteral("lblTipo"));
  auto* title = new QLabel(passwords.ObjectName(), this);
  title->setObjectName(QStringLiteral("lblTitulo"));
  QFont bold = title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  title->setFont(bold);

  m_require = new QCheckBox(QStringLiteral("Requerir usuario"), this);
  m_require->setObjectName(QStringLiteral("chkRequerir"));
  auto* closeButton = NewButton(this, "btnCerrar", QStringLiteral("Cerrar"));
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("lstUsuarios"));
  m_list->setHeaderLabels(
      {QStringLiteral("Usuario"), QStringLiteral("Nombre"), QStringLiteral("Propiedades")});
  m_list->setRootIsDecorated(false);
  m_list->setAllColumnsShowFocus(true);
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  m_list->setMinimumSize(460, 180);
  m_list->header()->resizeSection(0, 100);
  m_list->header()->resizeSection(1, 190);

  auto* newButton = NewButton(this, "btnNuevo", QStringLiteral("Nuevo"));
  auto* modifyButton = NewButton(this, "btnModificar", QStringLiteral("Modificar"));
  auto* deleteButton = NewButton(this, "btnBorrar", QStringLiteral("Borrar"));
  m_new = AddAction("actNuevo", QStringLiteral("Nuevo"), Qt::Key_F6, newButton);
  m_modify = AddAction("actModificar", QStringLiteral("Modificar"), Qt::Key_F5, modifyButton);
  m_delete = AddAction("actBorrar", QStringLiteral("Borrar"), Qt::Key_F7, deleteButton);
  m_close = new QAction(QStringLiteral("Cerrar"), this);
  m_close->setObjectName(QStringLiteral("actCerrar"));
  m_close->setShortcut(Qt::Key_Escape);
  m_close->setShortcutContext(Qt::WidgetShortcut);  // shown in the menu; Escape already closes the window
  connect(m_new, &QAction::triggered, this, &TccFRMPasswords::NewUser);
  connect(m_modify, &QAction::triggered, this, &TccFRMPasswords::ModifyUser);
  connect(m_delete, &QAction::triggered, this, &TccFRMPasswords::DeleteUser);
  connect(m_close, &QAction::triggered, this, &QDialog::reject);

  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("mnuUsuarios"));
  menu->addAction(m_new);
  menu->addAction(m_modify);
  menu->addAction(m_delete);
  menu->addSeparator();
  menu->addAction(m_close);
  connect(m_list, &QWidget::customContextMenuRequested, this,
          [this, menu](const QPoint& at) { menu->popup(m_list->viewport()->mapToGlobal(at)); });
  connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TccFRMPasswords::UpdateActions);
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (m_modify->isEnabled()) ModifyUser();
  });

  auto* heading = new QGridLayout;
  heading->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
  heading->addWidget(kind, 0, 1);
  heading->addWidget(title, 1, 1);
  heading->setColumnStretch(1, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(newButton);
  side->addWidget(modifyButton);
  side->addWidget(deleteButton);
  side->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(m_list, 1);
  body->addLayout(side);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(m_require);
  layout->addLayout(body, 1);
  layout->addLayout(bottom);

  BPLTranslate().Execute(this, QStringLiteral("CC_TccFRMPasswords"));

  try {
    m_require->setChecked(m_passwords.RequireLogin());
  } catch (const Exception& e) {
    ShowError(e);
  }
  connect(m_require, &QCheckBox::toggled, this, &TccFRMPasswords::SetRequire);
  Refresh();
  resize(560, 340);
}

QAction* TccFRMPasswords::AddAction(const char* name, const QString& text, const QKeySequence& key,
                                    QPushButton* button) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  addAction(action);
  button->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
  connect(button, &QPushButton::clicked, action, &QAction::trigger);
  connect(action, &QAction::changed, button, [action, button] { button->setEnabled(action->isEnabled()); });
  return action;
}

void TccFRMPasswords::Refresh() {
  const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
  m_list->clear();
  try {
    for (const QString& name : m_passwords.UserNames()) {
      const TUserValues user = m_passwords.ReadUser(name);
      m_list->addTopLevelItem(new QTreeWidgetItem({user.name, user.fullName, m_passwords.RightsText(user)}));
    }
  } catch (const Exception& e) {
    ShowError(e);
  }
  const int count = m_list->topLevelItemCount();
  if (row >= 0 && count > 0) m_list->setCurrentItem(m_list->topLevelItem(qMin(row, count - 1)));
  m_list->setEnabled(m_require->isChecked());
  UpdateActions();
}

void TccFRMPasswords::UpdateActions() {
  const bool require = m_require->isChecked();
  const bool selected = m_list->currentItem() != nullptr && m_list->currentItem()->isSelected();
  m_new->setEnabled(require);
  m_close->setEnabled(require);
  m_modify->setEnabled(require && selected);
  m_delete->setEnabled(require && selected);
}

QString TccFRMPasswords::SelectedName() const {
  return m_list->currentItem() ? m_list->currentItem()->text(0) : QString();
}

void TccFRMPasswords::Changed() {
  if (m_changed) return;
  m_changed = true;
  Dialogs::Notify(ccTranslate(1861), TDialogIcon::Information);
}

void TccFRMPasswords::SetRequire(bool require) {
  try {
    m_passwords.SetNeedUserName(require);
    Changed();
  } catch (const Exception& e) {
    ShowError(e);
  }
  Refresh();
}

bool TccFRMPasswords::RunDataWindow(int action, const QString& name) {
  try {
    TUserValues user;
    if (action != uaAdd) user = m_passwords.ReadUser(name);
    TccFRMUserValues window(static_cast<TUserAction>(action), user, m_passwords, this);
    if (m_runner(window) != QDialog::Accepted) return false;
  } catch (const Exception& e) {
    ShowError(e);
    return false;
  }
  Changed();
  Refresh();
  return true;
}

void TccFRMPasswords::NewUser() {
  if (m_new->isEnabled()) RunDataWindow(uaAdd, QString());
}

void TccFRMPasswords::ModifyUser() {
  if (m_modify->isEnabled()) RunDataWindow(uaModify, SelectedName());
}

void TccFRMPasswords::DeleteUser() {
  if (!m_delete->isEnabled()) return;
  const QString name = SelectedName();
  if (!Dialogs::AskYesNo(ccTranslateFmt(1860, {name}), TDialogIcon::Warning, dbNo)) return;
  try {
    m_passwords.DeleteUser(name);
    Changed();
  } catch (const Exception& e) {
    ShowError(e);
  }
  Refresh();
}

void ShowPasswordsWindow(TCustomZULPasswords& passwords, QWidget* parent) {
  TccFRMPasswords window(passwords, parent);
  window.exec();
}
