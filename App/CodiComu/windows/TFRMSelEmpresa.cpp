#include "App/CodiComu/windows/TFRMSelEmpresa.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "App/CodiComu/windows/TAppImages.h"
#include "App/CodiComu/windows/TCCFRMEditDataBase.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/translate/TZULTranslate.h"

namespace {

// A selected line keeps its colour on a light grey background.
class TLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor text = foreground.isValid() ? foreground.value<QBrush>().color() : QColor(Qt::black);
    option->palette.setColor(QPalette::Highlight, TFRMSelEmpresa::kSelectedBackground);
    option->palette.setColor(QPalette::HighlightedText, text);
  }
};

template <typename F>
void Guarded(F command) {
  try {
    command();
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
  }
}

}  // namespace

const QColor TFRMSelEmpresa::kSelectedBackground(200, 200, 200);

QColor TFRMSelEmpresa::LineColour(TDataBaseSelection::TLineColour colour) {
  switch (colour) {
    case TDataBaseSelection::TLineColour::Older:
      return QColor(Qt::blue);
    case TDataBaseSelection::TLineColour::Newer:
      return QColor(Qt::red);
    case TDataBaseSelection::TLineColour::Normal:
      break;
  }
  return QColor(Qt::black);
}

TFRMSelEmpresa::TFRMSelEmpresa(TZULDataBases& list, const TDataBaseFiles& files, IDataBaseSession& session,
                               QWidget* parent)
    : QDialog(parent), m_selection(list, files, session), m_files(files) {
  setObjectName(QStringLiteral("FRMSelEmpresa"));
  setWindowTitle(QStringLiteral("Bases de datos"));
  m_selection.SetWizardRunner([this](TEditDataBaseWizard& wizard) {
    TCCFRMEditDataBase window(wizard, m_files, this);
    return window.exec() == QDialog::Accepted;
  });

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("imgApplication"));
  const QImage& small = AppImages().Small().isNull() ? AppImages().Family() : AppImages().Small();
  image->setPixmap(QPixmap::fromImage(small.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  auto* caption = new QLabel(QStringLiteral("Seleccione la base de datos con la que quiere trabajar:"), this);
  caption->setObjectName(QStringLiteral("lblSeleccione"));
  caption->setWordWrap(true);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("lbEmpresas"));
  m_list->setItemDelegate(new TLineDelegate(m_list));
  m_list->setMinimumSize(300, 260);
  connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
    m_selection.SetSelected(row);
    ShowCommands();
  });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { Select(); });

  m_modify = AddButton("btnModificar", QStringLiteral("Modificar (F5)"));
  m_add = AddButton("btnAnadir", QString::fromUtf8("Añadir (F6)"));
  m_remove = AddButton("btnBorrar", QStringLiteral("Borrar (F7)"));
  m_duplicate = AddButton("btnDuplicar", QStringLiteral("Duplicar"));
  m_disconnect = AddButton("btnSinBaseDatos", QStringLiteral("Sin Base de datos seleccionada (F8)"));
  m_information = AddButton("btnInformacion", QString::fromUtf8("Información sobre la base de datos"));
  m_select = AddButton("btnSeleccionar", QStringLiteral("&Seleccionar"));
  m_close = AddButton("btnCerrar", QStringLiteral("&Cerrar"));
  QFont bold = m_select->font();
  bold.setBold(true);
  m_select->setFont(bold);
  connect(m_modify, &QPushButton::clicked, this, [this] { Edit(TEditKind::Modify); });
  connect(m_add, &QPushButton::clicked, this, [this] { Edit(TEditKind::Add); });
  connect(m_remove, &QPushButton::clicked, this, [this] { Edit(TEditKind::Delete); });
  connect(m_duplicate, &QPushButton::clicked, this, [this] { Edit(TEditKind::Duplicate); });
  connect(m_information, &QPushButton::clicked, this, [this] { Edit(TEditKind::Information); });
  connect(m_disconnect, &QPushButton::clicked, this, &TFRMSelEmpresa::Disconnect);
  connect(m_select, &QPushButton::clicked, this, &TFRMSelEmpresa::Select);
  connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

  auto* commands = new QVBoxLayout;
  for (QPushButton* b : {m_modify, m_add, m_remove, m_duplicate, m_disconnect, m_information}) {
    commands->addWidget(b);
  }
  commands->addStretch(1);
  commands->addWidget(m_select);
  commands->addWidget(m_close);

  auto* grid = new QGridLayout(this);
  grid->addWidget(image, 0, 0, Qt::AlignTop);
  grid->addWidget(caption, 0, 1);
  grid->addWidget(m_list, 1, 0, 1, 2);
  grid->addLayout(commands, 0, 2, 2, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);

  BPLTranslate().Execute(this, QStringLiteral("CC_TFRMSelEmpresa"));
  Guarded([this] { m_selection.Open(); });
  ShowList();
}

QPushButton* TFRMSelEmpresa::AddButton(const char* name, const QString& text) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  // Enter always selects, whichever button has the focus.
  button->setAutoDefault(false);
  button->setMinimumWidth(230);
  return button;
}

void TFRMSelEmpresa::ShowList() {
  const QSignalBlocker block(m_list);
  m_list->clear();
  for (int i = 0; i < m_selection.Count(); ++i) {
    auto* item = new QListWidgetItem(m_selection.Line(i).Nombre, m_list);
    item->setForeground(LineColour(m_selection.Colour(i)));
  }
  m_list->setCurrentRow(m_selection.Selected());
  ShowCommands();
}

void TFRMSelEmpresa::ShowCommands() {
  const TDataBaseSelection::TCommands c = m_selection.Commands();
  m_modify->setEnabled(c.modify);
  m_add->setEnabled(c.add);
  m_remove->setEnabled(c.remove);
  m_duplicate->setEnabled(c.duplicate);
  m_disconnect->setEnabled(c.disconnect);
  m_information->setEnabled(c.information);
  m_select->setEnabled(c.select);
}

void TFRMSelEmpresa::Select() {
  bool opened = false;
  Guarded([&] { opened = m_selection.Select(); });
  ShowList();
  if (opened) accept();
}

void TFRMSelEmpresa::Disconnect() {
  Guarded([this] { m_selection.Disconnect(); });
  ShowCommands();
}

void TFRMSelEmpresa::Edit(TEditKind kind) {
  Guarded([&] { m_selection.EditDataBase(kind); });
  ShowList();
}

void TFRMSelEmpresa::keyPressEvent(QKeyEvent* event) {
  QPushButton* button = nullptr;
  switch (event->key()) {
    case Qt::Key_F5:
      button = m_modify;
      break;
    case Qt::Key_F6:
      button = m_add;
      break;
    case Qt::Key_F7:
      button = m_remove;
      break;
    case Qt::Key_F8:
      button = m_disconnect;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Without a selected line this says so (the button itself is disabled then).
      Select();
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
      return;
  }
  // A key does what its button does, and nothing while the button is disabled.
  if (button->isEnabled()) button->click();
  event->accept();
}

int ShowDataBaseSelection(TZULDataBases& list, const TDataBaseFiles& files, IDataBaseSession& session,
                          QWidget* parent) {
  TFRMSelEmpresa window(list, files, session, parent);
  return window.exec();
}
