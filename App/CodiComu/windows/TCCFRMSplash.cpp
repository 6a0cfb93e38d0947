#include "App/CodiComu/windows/TCCFRMSplash.h"

#include "App/CodiComu/windows/TAppImages.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "App/CodiComu/TSplash.h"
#include "platform/translate/TZULTranslate.h"

namespace {

const QColor kBackground(0xDB, 0xDB, 0xDB);  // the window colour of the shell's dialogs
const QColor kInk(0x1F, 0x4E, 0x79);         // dark blue, the emblem's ink: the window frame
constexpr int kImageSize = 96;

}  // namespace

TCCFRMSplash::TCCFRMSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("CCFRMSplash"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kBackground);
  setPalette(pal);

  m_image = new QLabel(this);
  m_image->setObjectName(QStringLiteral("Image1"));
  m_image->setPixmap(QPixmap::fromImage(DrawImage(kImageSize)));
  m_image->setFixedSize(kImageSize, kImageSize);

  m_title = new QLabel(this);
  m_title->setObjectName(QStringLiteral("lblTitle"));
  QFont bold = m_title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  m_title->setFont(bold);
  m_title->setWordWrap(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(m_image, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);
  grid->addWidget(m_title, 0, 1, Qt::AlignVCenter);
  auto* rows = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) {
    auto* description = new QLabel(this);
    description->setObjectName(QStringLiteral("lblDescription%1").arg(i + 1));
    auto* gauge = new QProgressBar(this);
    gauge->setObjectName(QStringLiteral("Gauge%1").arg(i + 1));
    gauge->setRange(0, 100);
    gauge->setMinimumWidth(320);
    rows->addWidget(description);
    rows->addWidget(gauge);
    m_descriptions[i] = description;
    m_gauges[i] = gauge;
  }
  grid->addLayout(rows, 1, 1);
  m_escape = new QLabel(QStringLiteral("Presione ESC para cancelar el proceso"), this);
  m_escape->setObjectName(QStringLiteral("lblEscape"));
  m_escape->setAlignment(Qt::AlignCenter);
  grid->addWidget(m_escape, 2, 0, 1, 2);

  BPLTranslate().Execute(this, QStringLiteral("CC_TCCFRMSplash"));
  qApp->installEventFilter(this);
}

TCCFRMSplash::~TCCFRMSplash() { qApp->removeEventFilter(this); }

void TCCFRMSplash::SetVisible(bool visible) {
  if (visible) {
    adjustSize();
    Centre();
    show();
    raise();
  } else {
    hide();
  }
}

void TCCFRMSplash::Update(const TSplashDisplay& display, bool repaintNow) {
  setUpdatesEnabled(false);
  m_title->setText(display.title);
  for (int i = 0; i < 3; ++i) {
    const TSplashRow& row = display.rows[static_cast<size_t>(i)];
    m_gauges[i]->setValue(row.position);
    m_gauges[i]->setTextVisible(row.showNumber);
    m_descriptions[i]->setText(row.text);
    m_gauges[i]->setVisible(row.visible);
    m_descriptions[i]->setVisible(row.visible);
  }
  m_escape->setVisible(display.cancelVisible);
  m_escape->setEnabled(display.cancelVisible);
  setUpdatesEnabled(true);
  if (repaintNow && isVisible()) {
    adjustSize();
    repaint();
    // Long operations run on the main thread: let the window paint and Escape arrive.
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
  }
}

bool TCCFRMSplash::TakeEscape() {
  const bool pressed = m_escapePressed;
  m_escapePressed = false;
  return pressed;
}

bool TCCFRMSplash::eventFilter(QObject* watched, QEvent* event) {
  // A modal question (the cancel confirmation among them) keeps its own Escape.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      QApplication::activeModalWidget() == nullptr) {
    m_escapePressed = true;
    return true;  // consumed: Escape must not also close the window below
  }
  return QWidget::eventFilter(watched, event);
}

void TCCFRMSplash::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter p(this);
  p.setPen(kInk);  // the window has no frame of its own
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TCCFRMSplash::Centre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return;
  }
  QRect r = frameGeometry();
  r.moveCenter(screen->availableGeometry().center());
  move(r.topLeft());
}

QImage TCCFRMSplash::DrawImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  TAppImages::DrawEmblem(p, QRectF(0, 0, size, size));
  return image;
}

void RegisterSplashWindow() {
  TSplash::RegisterView([] { return std::make_unique<TCCFRMSplash>(); });
}
