#pragma once
// Drawing helpers of the main window's background and the application images:
// fitting a picture into an area and writing aligned text. Qt Gui only.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QImage;

// How a picture of one size fills an area of another: 0 its own size, 1 the area's
// size, 2 and 3 scaled keeping the aspect to fit, 4 and 5 scaled down when it does
// not fit, else its own size.
enum TFitMode { fmNone = 0, fmStretch = 1, fmScale2 = 2, fmScale = 3, fmShrink = 4, fmShrink5 = 5 };

// The rectangle (origin 0, 0 unless centred) a source of this size takes in the
// target with this mode. With center, it is moved by half the free width and height.
QRect FitRect(QSize source, QSize target, int mode, bool center);

// Horizontal 0 left, 1 right, 2 centre; vertical 0 top, 2 bottom, 1 centre. The text
// is drawn anti-aliased in the colour with the font, on one line.
void DrawTextAligned(QImage& bitmap, const QRect& rect, const QColor& colour, const QString& text,
                     int vertical, int horizontal, const QFont& font = QFont());

// The colour of a colour number as stored in the settings (blue in the high byte,
// red in the low byte), opaque.
QColor ColorFromNumber(int number);
int NumberFromColor(const QColor& colour);

// Copies the image as ARGB with every pixel of the bottom-left pixel's colour made
// transparent (an empty image stays empty).
QImage WithTransparentColour(const QImage& image);
