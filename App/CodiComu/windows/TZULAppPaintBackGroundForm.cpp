#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPixmap>
#include <QResizeEvent>

#include "platform/core/Dialogs.h"
#include "platform/zul/TParametres.h"

namespace {
const QString kLogoFile = QStringLiteral("PRMLogoFileName");
const QString kUseCompanyLogo = QStringLiteral("PRMUsarLogoEmpresa");
const QString kFitPicture = QStringLiteral("PRMAjustarImagenFondo");
// Menu captions; the main window's translation finds the items by object name.
const QString kSelectCaption = QStringLiteral("Seleccionar imagen de fondo");
const QString kFitCaption = QString::fromUtf8("Ajustar el tamaño de la imagen");
}  // namespace

TZULAppPaintBackGroundForm::TZULAppPaintBackGroundForm(const QString& appName, const TAppImages& images,
                                                       QObject* parent)
    : QObject(parent), m_painter(appName, images) {}

TZULAppPaintBackGroundForm::~TZULAppPaintBackGroundForm() { Detach(); }

QWidget* TZULAppPaintBackGroundForm::Surface() const {
  if (m_mdi) return m_mdi->viewport();
  return m_client;
}

void TZULAppPaintBackGroundForm::AttachTo(QWidget* client) {
  Detach();
  if (client == nullptr) return;
  m_client = client;
  m_mdi = qobject_cast<QMdiArea*>(client);
  // An area destroyed first is forgotten without being touched.
  connect(client, &QObject::destroyed, this, [this] {
    m_client = nullptr;
    m_mdi = nullptr;
    m_label = nullptr;
  });
  if (m_mdi) {
    m_originalBrush = m_mdi->background();
  } else {
    m_label = new QLabel(client);
    m_label->setObjectName(QStringLiteral("ZULAppPaintBackGround"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->lower();
    m_label->show();
  }
  QWidget* surface = Surface();
  m_originalPolicy = surface->contextMenuPolicy();
  surface->setContextMenuPolicy(Qt::DefaultContextMenu);
  surface->installEventFilter(this);
  Repaint();
}

void TZULAppPaintBackGroundForm::Detach() {
  if (m_client) disconnect(m_client, &QObject::destroyed, this, nullptr);
  if (QWidget* surface = Surface()) {
    surface->removeEventFilter(this);
    surface->setContextMenuPolicy(m_originalPolicy);
  }
  if (m_mdi) m_mdi->setBackground(m_originalBrush);
  delete m_label;
  m_label = nullptr;
  m_mdi = nullptr;
  m_client = nullptr;
}

void TZULAppPaintBackGroundForm::Repaint() {
  QWidget* surface = Surface();
  if (surface == nullptr || surface->width() <= 0 || surface->height() <= 0) return;
  m_picture = m_painter.Render(surface->size());
  if (m_mdi) {
    m_mdi->setBackground(QBrush(m_picture));
  } else if (m_label) {
    m_label->setGeometry(m_client->rect());
    m_label->setPixmap(QPixmap::fromImage(m_picture));
    m_label->lower();
  }
}

void TZULAppPaintBackGroundForm::ApplySettings() {
  m_painter.ApplySettings();
  Repaint();
}

void TZULAppPaintBackGroundForm::AddMenuItems(QMenu& menu) {
  QAction* select = menu.addAction(kSelectCaption);
  select->setObjectName(QStringLiteral("ZULmiSeleccionarImagenFondo"));
  connect(select, &QAction::triggered, this, &TZULAppPaintBackGroundForm::SelectPicture);
  QAction* fit = menu.addAction(kFitCaption);
  fit->setObjectName(QStringLiteral("ZULmiAjustarImagenFondo"));
  fit->setCheckable(true);
  fit->setChecked(Parametres().AsBoolean(kFitPicture, false));
  connect(fit, &QAction::triggered, this, &TZULAppPaintBackGroundForm::ToggleFitPicture);
}

void TZULAppPaintBackGroundForm::SelectPicture() {
  TParametres& prm = Parametres();
  const QString current = prm.AsString(kLogoFile);
  const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
  const QString file = Dialogs::Current().PickOpenFile(
      kSelectCaption, folder, QStringLiteral("Imágenes (*.png *.jpg *.jpeg *.bmp *.gif)"));
  if (file.isEmpty()) return;
  prm.AddParam(kLogoFile, file, true);
  prm.AddParam(kUseCompanyLogo, false, true);
  ApplySettings();
}

void TZULAppPaintBackGroundForm::ToggleFitPicture() {
  TParametres& prm = Parametres();
  prm.AddParam(kFitPicture, !prm.AsBoolean(kFitPicture, false), true);
  ApplySettings();
}

void TZULAppPaintBackGroundForm::ShowMenu(const QPoint& pos) {
  QMenu menu;
  AddMenuItems(menu);
  menu.exec(pos);
}

bool TZULAppPaintBackGroundForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Surface()) {
    if (event->type() == QEvent::Resize) {
      Repaint();
    } else if (event->type() == QEvent::ContextMenu) {
      ShowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
