#include "App/CodiComu/windows/AppPaint.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

QRect FitRect(QSize source, QSize target, int mode, bool center) {
  const int w = source.width();
  const int h = source.height();
  const int tw = target.width();
  const int th = target.height();
  if (mode == fmScale2) mode = fmScale;
  if (mode == fmShrink || mode == fmShrink5) mode = (tw < w || th < h) ? fmScale : fmNone;
  QSize size;
  switch (mode) {
    case fmStretch:
      size = target;
      break;
    case fmScale: {
      const double scale = (w == 0 || h == 0) ? 0.0 : std::min(double(tw) / w, double(th) / h);
      size = QSize(int(std::lround(w * scale)), int(std::lround(h * scale)));
      break;
    }
    default:
      size = source;
      break;
  }
  QRect r(QPoint(0, 0), size);
  if (center) r.moveTo((tw - size.width()) / 2, (th - size.height()) / 2);
  return r;
}

void DrawTextAligned(QImage& bitmap, const QRect& rect, const QColor& colour, const QString& text,
                     int vertical, int horizontal, const QFont& font) {
  if (bitmap.isNull() || text.isEmpty()) return;
  Qt::Alignment align = horizontal == 1 ? Qt::AlignRight : horizontal == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
  align |= vertical == 2 ? Qt::AlignBottom : vertical == 1 ? Qt::AlignVCenter : Qt::AlignTop;
  QPainter p(&bitmap);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(rect, int(align) | Qt::TextSingleLine, text);
}

QColor ColorFromNumber(int number) {
  const auto n = static_cast<unsigned>(number);
  return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

int NumberFromColor(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QImage WithTransparentColour(const QImage& image) {
  if (image.isNull()) return image;
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = out.pixel(0, out.height() - 1);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
  }
  return out;
}
