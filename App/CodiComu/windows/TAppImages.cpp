#include "App/CodiComu/windows/TAppImages.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRectF>

#include "App/CodiComu/windows/AppPaint.h"

const QColor TAppImages::kInk(0x1F, 0x4E, 0x79);
const QColor TAppImages::kPaper(0xF2, 0xA9, 0x00);

namespace {

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    TAppImages::DrawEmblem(p, QRectF(0, 0, size, size));
  }
  return WithTransparentColour(image);
}

// A calm blue-grey field, lighter at the top, with a thin amber line above a darker
// band at the bottom; the bottom-left pixel gives the application background colour.
QImage DrawBackground() {
  const int w = 1024;
  const int h = 768;
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0.0, QColor(0xF4, 0xF7, 0xFB));
  sky.setColorAt(1.0, QColor(0xC9, 0xD6, 0xE6));
  p.fillRect(image.rect(), sky);
  const int band = h / 10;
  p.fillRect(QRect(0, h - band, w, band), QColor(0xB4, 0xC5, 0xDA));
  p.fillRect(QRect(0, h - band - 3, w, 3), TAppImages::kPaper);
  // A faint emblem in the middle, as a watermark.
  p.setOpacity(0.10);
  TAppImages::DrawEmblem(p, QRectF(w / 2.0 - 200, h / 2.0 - 220, 400, 400));
  return image;
}

// The framework family's mark: the emblem in amber on a dark blue tile.
QImage DrawFamily() {
  const int size = 32;
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(TAppImages::kInk);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(TAppImages::kPaper);
  // An open book only: two amber pages.
  p.drawRect(QRectF(4, 11, 11, 14));
  p.drawRect(QRectF(17, 11, 11, 14));
  p.setBrush(QColor(0xFF, 0xE6, 0xA8));
  p.drawRect(QRectF(15, 9, 2, 18));
  return image;
}

// A quiet woven canvas in light grey: fine crossing threads.
QImage DrawCanvas() {
  const int w = 1024;
  const int h = 768;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(0xE4, 0xE6, 0xE9));
  QPainter p(&image);
  p.setPen(QColor(0xDA, 0xDD, 0xE1));
  for (int x = 0; x < w; x += 4) p.drawLine(x, 0, x, h);
  p.setPen(QColor(0xEC, 0xEE, 0xF0));
  for (int y = 2; y < h; y += 4) p.drawLine(0, y, w, y);
  return image;
}

// A person (head and shoulders) in dark blue with an amber key in front.
QImage DrawUser() {
  const int size = 48;
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(TAppImages::kInk);
    p.drawEllipse(QRectF(14, 3, 18, 18));
    QPainterPath body;
    body.moveTo(4, 46);
    body.cubicTo(4, 30, 14, 24, 23, 24);
    body.cubicTo(32, 24, 42, 30, 42, 46);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(TAppImages::kPaper);
    p.setPen(QPen(QColor(0x8A, 0x5F, 0x00), 1.2));
    p.drawEllipse(QRectF(26, 28, 12, 12));
    p.drawRect(QRectF(37, 32, 10, 4));
    p.drawRect(QRectF(43, 36, 3, 4));
    p.setBrush(TAppImages::kInk);
    p.drawEllipse(QRectF(30, 32, 4, 4));
  }
  return image;
}

// A data window as the previews show it: title bar, a row of fields and a grid.
QImage DrawChildWindow() {
  const int w = 360;
  const int h = 250;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, w, 22), TAppImages::kInk);
  p.fillRect(QRect(w - 18, 5, 12, 12), TAppImages::kPaper);
  p.fillRect(QRect(0, 22, w, 34), QColor(0xEE, 0xF1, 0xF5));
  p.setPen(QColor(0x9A, 0xA8, 0xB8));
  for (int x = 8; x + 100 < w; x += 116) p.drawRect(QRect(x, 30, 100, 18));
  p.fillRect(QRect(0, 60, w, 18), QColor(0xD5, 0xDE, 0xE9));
  p.setPen(QColor(0xC0, 0xC8, 0xD4));
  for (int y = 78; y < h; y += 18) p.drawLine(0, y, w, y);
  for (int x = 90; x < w; x += 90) p.drawLine(x, 60, x, h);
  p.fillRect(QRect(1, 97, w - 2, 17), QColor(0xFC, 0xE8, 0xB2));
  p.setPen(TAppImages::kInk);
  p.drawRect(QRect(0, 0, w - 1, h - 1));
  return image;
}

}  // namespace

void TAppImages::DrawEmblem(QPainter& p, const QRectF& box) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.topLeft());
  p.scale(box.width() / 100.0, box.height() / 100.0);

  // The open book: two pages bending down to the spine.
  QPainterPath left;
  left.moveTo(50, 58);
  left.cubicTo(38, 50, 22, 50, 8, 54);
  left.lineTo(8, 88);
  left.cubicTo(22, 84, 38, 84, 50, 92);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(50, 58);
  right.cubicTo(62, 50, 78, 50, 92, 54);
  right.lineTo(92, 88);
  right.cubicTo(78, 84, 62, 84, 50, 92);
  right.closeSubpath();
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kPaper);
  p.drawPath(left);
  p.drawPath(right);
  p.setPen(QPen(kInk, 1.5));
  for (int y : {64, 71, 78}) {
    p.drawLine(QPointF(16, y), QPointF(42, y + 3));
    p.drawLine(QPointF(58, y + 3), QPointF(84, y));
  }

  // The graduation cap: a board in perspective over a rounded crown, and the tassel.
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  QPainterPath crown;
  crown.moveTo(30, 28);
  crown.lineTo(30, 42);
  crown.cubicTo(38, 50, 62, 50, 70, 42);
  crown.lineTo(70, 28);
  crown.closeSubpath();
  p.drawPath(crown);
  const QPointF board[] = {{50, 6}, {92, 24}, {50, 40}, {8, 24}};
  p.drawPolygon(board, 4);
  p.setPen(QPen(kPaper, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50, 23), QPointF(80, 30));
  p.drawLine(QPointF(80, 30), QPointF(80, 46));
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(50, 23), 3, 3);
  p.drawRoundedRect(QRectF(77, 44, 6, 9), 2, 2);
  p.restore();
}

TAppImages::TAppImages()
    : m_large(DrawIcon(128)),
      m_small(DrawIcon(48)),
      m_background(DrawBackground()),
      m_family(DrawFamily()),
      m_canvas(DrawCanvas()),
      m_user(DrawUser()),
      m_childWindow(DrawChildWindow()) {}

QColor TAppImages::BackgroundColour() const {
  if (m_background.isNull()) return QGuiApplication::palette().color(QPalette::Button);
  return m_background.pixelColor(0, m_background.height() - 1);
}

void TAppImages::DrawMdiFormGrid(QPainter& p, const QRect& r) const {
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(r, m_childWindow);
  p.restore();
}

void TAppImages::SetLarge(const QImage& image) { m_large = WithTransparentColour(image); }
void TAppImages::SetSmall(const QImage& image) { m_small = WithTransparentColour(image); }

TAppImages& AppImages() {
  static TAppImages images;
  return images;
}
