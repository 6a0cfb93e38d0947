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
    : m_large(DrawIcon(128)), m_small(DrawIcon(48)), m_background(DrawBackground()), m_family(DrawFamily()) {}

QColor TAppImages::BackgroundColour() const {
  if (m_background.isNull()) return QGuiApplication::palette().color(QPalette::Button);
  return m_background.pixelColor(0, m_background.height() - 1);
}

void TAppImages::SetLarge(const QImage& image) { m_large = WithTransparentColour(image); }
void TAppImages::SetSmall(const QImage& image) { m_small = WithTransparentColour(image); }

TAppImages& AppImages() {
  static TAppImages images;
  return images;
}
