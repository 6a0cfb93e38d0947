#include "App/CodiComu/windows/TCCFRMEditDataBase.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

using TPage = TEditDataBaseWizard::TPage;
using TChoice = TEditDataBaseWizard::TChoice;
using TDeleteChoice = TEditDataBaseWizard::TDeleteChoice;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, bool wrap = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(wrap);
  return label;
}

QRadioButton* NewRadio(QWidget* parent, const char* name, const QString& text) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(QString::fromLatin1(name));
  return radio;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  // Enter belongs to "Siguiente" whichever button has the focus.
  button->setAutoDefault(false);
  return button;
}

// Runs a step of the window; a refusal is shown and the window stays as it is.
template <typename F>
void Guarded(F step) {
  try {
    step();
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
  }
}

}  // namespace

TCCFRMEditDataBase::TCCFRMEditDataBase(TEditDataBaseWizard& wizard, const TDataBaseFiles& files,
                                       QWidget* parent)
    : QDialog(parent), m_wizard(wizard), m_files(files) {
  setObjectName(QStringLiteral("CCFRMEditDataBase"));
  setWindowTitle(QStringLiteral("Datos de la Base de datos"));

  m_status = NewLabel(this, "lblEstado", QString());
  m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_status->setStyleSheet(QStringLiteral("color: #7a1f1f; font-weight: bold;"));
  m_title = NewLabel(this, "lblTitulo", QString());
  QFont heading = m_title->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.5);
  m_title->setFont(heading);
  auto* top = new QHBoxLayout;
  top->addWidget(m_title, 1);
  top->addWidget(m_status);

  m_pages = new QTabWidget(this);
  m_pages->setObjectName(QStringLiteral("pcPaginas"));
  m_pages->tabBar()->hide();
  m_pages->setDocumentMode(true);
  m_pages->addTab(NamePage(), QStringLiteral("Nombre Empresa"));
  m_pages->addTab(ActionPage(), QString::fromUtf8("Acción"));
  m_where = NewEdit("edtUbicar");
  m_importFile = NewEdit("edtImportar");
  m_pages->addTab(FilePage("tsUbicar", "Archivo de la base de datos:", m_where, "btnUbicar"),
                  QStringLiteral("Ubicar Datos"));
  m_pages->addTab(
      FilePage("tsImportar", "Archivo de la base de datos que quiere importar:", m_importFile, "btnImportar"),
      QStringLiteral("Importar Datos"));
  m_pages->addTab(ModifyPage(), QStringLiteral("Modificar"));
  m_pages->addTab(ConfirmPage(), QStringLiteral("Confirmacion"));
  m_pages->addTab(DeletePage(), QStringLiteral("Borrado"));
  m_pages->addTab(InfoPage(), QString::fromUtf8("Información"));

  m_helpBox = new QFrame(this);
  m_helpBox->setObjectName(QStringLiteral("pnlAyuda"));
  m_helpBox->setFrameShape(QFrame::StyledPanel);
  m_helpBox->setStyleSheet(QStringLiteral("#pnlAyuda { background: #fbf6e3; }"));
  m_help = NewLabel(m_helpBox, "lblAyuda", QString(), true);
  m_help->setMinimumHeight(48);
  m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* helpLayout = new QVBoxLayout(m_helpBox);
  helpLayout->addWidget(m_help);

  m_previous = NewButton(this, "btnAnterior", "&Anterior");
  m_next = NewButton(this, "btnSiguiente", "&Siguiente");
  m_finish = NewButton(this, "btnFinalizar", "&Finalizar");
  m_cancel = NewButton(this, "btnCancelar", "&Cancelar");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_previous);
  buttons->addWidget(m_next);
  buttons->addWidget(m_finish);
  buttons->addSpacing(12);
  buttons->addWidget(m_cancel);
  connect(m_previous, &QPushButton::clicked, this, &TCCFRMEditDataBase::GoPrevious);
  connect(m_next, &QPushButton::clicked, this, &TCCFRMEditDataBase::GoNext);
  connect(m_finish, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_pages, 1);
  layout->addWidget(m_helpBox);
  layout->addLayout(buttons);
  setMinimumSize(540, 340);

  BPLTranslate().Execute(this, QStringLiteral("CC_TCCFRMEditDataBase"));
  ShowWizard();
}

QLineEdit* TCCFRMEditDataBase::NewEdit(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

QWidget* TCCFRMEditDataBase::NamePage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsNombre"));
  m_name = NewEdit("edtNombre");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(NewLabel(page, "lblNombre", QStringLiteral("Nombre de la base de datos:")));
  layout->addWidget(m_name);
  layout->addStretch(1);
  return page;
}

QWidget* TCCFRMEditDataBase::ActionPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsAccion"));
  m_newEmpty =
      NewRadio(page, "rbNueva", QStringLiteral("Crear una Base de Datos nueva en blanco (sin datos)"));
  m_import = NewRadio(
      page, "rbImportar",
      QString::fromUtf8("Importar una Base de Datos de una versión anterior o de otro programa ZUL"));
  m_existing = NewRadio(page, "rbExistente", TEditDataBaseWizard::ExistingFileChoiceCaption());
  m_import->setEnabled(m_wizard.ImportChoiceEnabled());
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(NewLabel(page, "lblAccion", QString::fromUtf8("¿Qué desea hacer?")));
  for (QRadioButton* radio : {m_newEmpty, m_import, m_existing}) {
    layout->addWidget(radio);
    connect(radio, &QRadioButton::toggled, this, [this] {
      ReadFields();
      ShowHelp();
    });
  }
  layout->addStretch(1);
  return page;
}

QWidget* TCCFRMEditDataBase::FilePage(const char* name, const char* caption, QLineEdit* edit,
                                      const char* button) {
  auto* page = new QWidget(this);
  page->setObjectName(QString::fromLatin1(name));
  auto* row = new QHBoxLayout;
  row->addWidget(edit, 1);
  row->addWidget(BrowseButton(button, edit, false, false));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(NewLabel(page, "lblArchivo", QString::fromUtf8(caption)));
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

QWidget* TCCFRMEditDataBase::ModifyPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsModificar"));
  m_modifyName = NewEdit("edtModNombre");
  m_modifyFile = NewEdit("edtModArchivo");
  m_modifyRights = NewEdit("edtModPermisos");
  auto* grid = new QGridLayout(page);
  grid->addWidget(NewLabel(page, "lblModNombre", QStringLiteral("Nombre:")), 0, 0);
  grid->addWidget(m_modifyName, 0, 1, 1, 2);
  grid->addWidget(NewLabel(page, "lblModArchivo", QStringLiteral("Archivo:")), 1, 0);
  grid->addWidget(m_modifyFile, 1, 1);
  grid->addWidget(BrowseButton("btnModArchivo", m_modifyFile, false, true), 1, 2);
  grid->addWidget(NewLabel(page, "lblModPermisos", QStringLiteral("Archivo de permisos:")), 2, 0);
  grid->addWidget(m_modifyRights, 2, 1);
  grid->addWidget(BrowseButton("btnModPermisos", m_modifyRights, true, true), 2, 2);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(1, 1);
  return page;
}

QWidget* TCCFRMEditDataBase::ConfirmPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsConfirmacion"));
  m_confirmation = new QPlainTextEdit(page);
  m_confirmation->setObjectName(QStringLiteral("memConfirmacion"));
  m_confirmation->setReadOnly(true);
  m_confirmation->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(m_confirmation);
  return page;
}

QWidget* TCCFRMEditDataBase::DeletePage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsBorrado"));
  m_removeLink = NewRadio(page, "rbBorrarVinculo",
                          QString::fromUtf8("Borrar el vínculo del programa con la base de datos."));
  m_deleteFile =
      NewRadio(page, "rbBorrarArchivo",
               QStringLiteral("BORRAR el archivo y eliminar TODOS LOS DATOS de la base de datos."));
  auto* layout = new QVBoxLayout(page);
  for (QRadioButton* radio : {m_removeLink, m_deleteFile}) {
    layout->addWidget(radio);
    connect(radio, &QRadioButton::toggled, this, [this] {
      ReadFields();
      ShowHelp();
    });
  }
  layout->addStretch(1);
  return page;
}

QWidget* TCCFRMEditDataBase::InfoPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsInformacion"));
  m_infoName = NewEdit("edtInfoNombre");
  m_infoFile = NewEdit("edtInfoArchivo");
  m_infoName->setReadOnly(true);
  m_infoFile->setReadOnly(true);
  QPushButton* copy = NewButton(page, "btnCopiar", "Copiar la ubicación");
  connect(copy, &QPushButton::clicked, this, &TCCFRMEditDataBase::CopyLocation);
  auto* grid = new QGridLayout(page);
  grid->addWidget(NewLabel(page, "lblInfoNombre", QStringLiteral("Nombre:")), 0, 0);
  grid->addWidget(m_infoName, 0, 1);
  grid->addWidget(NewLabel(page, "lblInfoArchivo", QStringLiteral("Archivo:")), 1, 0);
  grid->addWidget(m_infoFile, 1, 1);
  grid->addWidget(copy, 2, 1, Qt::AlignLeft);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(1, 1);
  return page;
}

QPushButton* TCCFRMEditDataBase::BrowseButton(const char* name, QLineEdit* edit, bool rightsFile,
                                              bool storedForm) {
  QPushButton* button = NewButton(this, name, "...");
  button->setFixedWidth(32);
  connect(button, &QPushButton::clicked, this, [this, edit, rightsFile, storedForm] {
    const QString file = Dialogs::Current().PickOpenFile(
        rightsFile ? QStringLiteral("Archivo de permisos") : QStringLiteral("Base de datos"),
        m_files.DefaultDataDir, rightsFile ? QStringLiteral("*.MDW *.mdw") : QStringLiteral("*.MDB *.mdb"));
    if (file.isEmpty()) return;
    Guarded([&] { edit->setText(storedForm ? m_wizard.StoredForm(file) : file); });
  });
  return button;
}

void TCCFRMEditDataBase::ReadFields() {
  TEditDataBaseWizard::TFields& f = m_wizard.Fields();
  f.name = m_name->text();
  f.choice = m_newEmpty->isChecked()   ? TChoice::NewEmpty
             : m_import->isChecked()   ? TChoice::Import
             : m_existing->isChecked() ? TChoice::Existing
                                       : TChoice::None;
  f.destination = m_where->text();
  f.importFile = m_importFile->text();
  f.modifyName = m_modifyName->text();
  f.modifyFile = m_modifyFile->text();
  f.modifySystemDataBase = m_modifyRights->text();
  f.deleteChoice = m_removeLink->isChecked()   ? TDeleteChoice::RemoveLink
                   : m_deleteFile->isChecked() ? TDeleteChoice::DeleteFile
                                               : TDeleteChoice::None;
}

void TCCFRMEditDataBase::ShowWizard() {
  const TEditDataBaseWizard::TFields& f = m_wizard.Fields();
  m_name->setText(f.name);
  m_where->setText(f.destination);
  m_importFile->setText(f.importFile);
  m_modifyName->setText(f.modifyName);
  m_modifyFile->setText(f.modifyFile);
  m_modifyRights->setText(f.modifySystemDataBase);
  m_infoName->setText(m_wizard.Original().Nombre);
  m_infoFile->setText(m_wizard.Original().Archivo);
  m_confirmation->setPlainText(m_wizard.ConfirmationText());

  const TPage page = m_wizard.Page();
  m_pages->setCurrentIndex(static_cast<int>(page));
  m_title->setText(m_wizard.PageTitle());
  m_title->setVisible(page != TPage::Info);
  m_status->setText(m_wizard.StatusText());
  m_previous->setVisible(m_wizard.PreviousVisible());
  m_next->setVisible(m_wizard.NextVisible());
  m_finish->setVisible(m_wizard.FinishVisible());
  ShowHelp();

  QWidget* focus = nullptr;
  switch (page) {
    case TPage::Name:
      focus = m_name;
      break;
    case TPage::Where:
      focus = m_where;
      break;
    case TPage::Import:
      focus = m_importFile;
      break;
    case TPage::Modify:
      focus = m_modifyName;
      break;
    case TPage::Confirm:
      focus = m_finish;
      break;
    default:
      break;
  }
  if (focus) focus->setFocus();
}

void TCCFRMEditDataBase::ShowHelp() {
  m_help->setText(m_wizard.HelpText());
  m_helpBox->setVisible(m_wizard.Page() != TPage::Confirm);
}

void TCCFRMEditDataBase::GoNext() {
  ReadFields();
  Guarded([this] { m_wizard.Next(); });
  ShowWizard();
}

void TCCFRMEditDataBase::GoPrevious() {
  ReadFields();
  m_wizard.Previous();
  ShowWizard();
}

void TCCFRMEditDataBase::Escape() {
  ReadFields();
  if (m_wizard.Escape()) {
    ShowWizard();
  } else {
    reject();
  }
}

void TCCFRMEditDataBase::CopyLocation() {
  QGuiApplication::clipboard()->setText(m_wizard.Original().Archivo);
  Dialogs::Notify(ccTranslate(2008));
}

void TCCFRMEditDataBase::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (m_wizard.NextVisible()) GoNext();
      event->accept();
      return;
    case Qt::Key_Escape:
      Escape();
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}
