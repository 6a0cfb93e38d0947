#include "App/CodiComu/windows/TccFRMAsistenteMDI.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "App/CodiComu/windows/TAppImages.h"
#include "platform/core/IniFile.h"
#include "platform/translate/TZULTranslate.h"

namespace {

const QSize kPreview(320, 240);

QPushButton* ChoiceButton(const QString& title, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(title + QLatin1Char('\n') + text, parent);
  button->setMinimumHeight(64);
  button->setStyleSheet(QStringLiteral("text-align: left; padding: 6px;"));
  return button;
}

}  // namespace

TccFRMAsistenteMDI::TccFRMAsistenteMDI(TIniFile& ini, const QString& appName, const QImage& background,
                                       QWidget* parent)
    : QDialog(parent), m_ini(ini), m_background(background.scaled(kPreview)) {
  setObjectName(QStringLiteral("TccFRMAsistenteMDI"));
  setWindowTitle(QStringLiteral("¿Cómo deseas trabajar?"));
  m_samples[0] = SamplePicture(m_background, true);
  m_samples[1] = SamplePicture(m_background, false);

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("imgApplication"));
  image->setPixmap(QPixmap::fromImage(
      AppImages().ApplicationImage().scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  auto* name = new QLabel(appName, this);
  name->setObjectName(QStringLiteral("lblAppName"));
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.4);
  name->setFont(bold);

  m_single = ChoiceButton(
      QStringLiteral("1 - Ventana única"),
      QStringLiteral(
          "Mayor facilidad en el uso del programa, con un único espacio de trabajo y ventanas emergentes"),
      this);
  m_single->setObjectName(QStringLiteral("btnVentanaUnica"));
  m_multiple =
      ChoiceButton(QStringLiteral("2 - Múltiples ventanas (MDI)"),
                   QStringLiteral("Usuarios experimentados. Permite tener varias ventanas abiertas a la vez. "
                                  "(Resolución mínima 1024*768)"),
                   this);
  m_multiple->setObjectName(QStringLiteral("btnMultiplesVentanas"));
  m_remember = new QCheckBox(QStringLiteral("&Recuerda mi selección y no me lo preguntes más"), this);
  m_remember->setObjectName(QStringLiteral("chkRecordar"));
  m_remember->setChecked(m_ini.ReadBool(QStringLiteral("INIT"), QStringLiteral("RememberMDIOption"), false));
  m_preview = new QLabel(this);
  m_preview->setObjectName(QStringLiteral("imgPreview"));
  m_preview->setFixedSize(kPreview);
  ShowPreview(m_background);

  auto* grid = new QGridLayout(this);
  grid->addWidget(image, 0, 0);
  grid->addWidget(name, 0, 1);
  grid->addWidget(m_single, 1, 0, 1, 2);
  grid->addWidget(m_multiple, 2, 0, 1, 2);
  grid->addWidget(m_remember, 3, 0, 1, 2);
  grid->addWidget(m_preview, 0, 2, 4, 1);

  connect(m_single, &QPushButton::clicked, this, [this] { Choose(false); });
  connect(m_multiple, &QPushButton::clicked, this, [this] { Choose(true); });
  connect(m_remember, &QCheckBox::toggled, this, [this](bool on) {
    m_ini.WriteBool(QStringLiteral("INIT"), QStringLiteral("RememberMDIOption"), on);
  });
  m_single->installEventFilter(this);
  m_multiple->installEventFilter(this);

  BPLTranslate().Execute(this, QStringLiteral("CC_TccFRMAsistenteMDI"));
}

QImage TccFRMAsistenteMDI::SamplePicture(const QImage& background, bool multiple) {
  QImage out = background.isNull() ? QImage(kPreview, QImage::Format_RGB32) : background.scaled(kPreview);
  if (background.isNull()) out.fill(Qt::lightGray);
  out = out.convertToFormat(QImage::Format_RGB32);
  QPainter p(&out);
  if (multiple) {
    AppImages().DrawMdiFormGrid(p, QRect(20, 24, 170, 120));
    AppImages().DrawMdiFormGrid(p, QRect(110, 80, 180, 130));
  } else {
    AppImages().DrawMdiFormGrid(p, QRect(8, 8, kPreview.width() - 16, kPreview.height() - 16));
  }
  return out;
}

void TccFRMAsistenteMDI::Choose(bool mdi) {
  m_ini.WriteBool(QStringLiteral("INIT"), QStringLiteral("MDI"), mdi);
  accept();
}

void TccFRMAsistenteMDI::ShowPreview(const QImage& image) { m_preview->setPixmap(QPixmap::fromImage(image)); }

void TccFRMAsistenteMDI::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_1:
    case Qt::Key_F1:
      Choose(false);
      return;
    case Qt::Key_2:
    case Qt::Key_F2:
      Choose(true);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

bool TccFRMAsistenteMDI::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    ShowPreview(watched == m_multiple ? m_samples[0] : m_samples[1]);
  } else if (event->type() == QEvent::Leave) {
    ShowPreview(m_background);
  }
  return QDialog::eventFilter(watched, event);
}
