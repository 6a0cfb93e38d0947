#include "App/CodiComu/windows/AppPaint.h"

#include <gtest/gtest.h>
#include <QImage>

namespace {

struct FitCase {
  QSize source, target;
  int mode;
  bool center;
  QRect expected;
};

TEST(FitRectTest, EveryModeOverATableOfCases) {
  const FitCase cases[] = {
      // 0: own size, centred or not (a source larger than the target goes negative).
      {{40, 20}, {100, 50}, 0, false, {0, 0, 40, 20}},
      {{40, 20}, {100, 50}, 0, true, {30, 15, 40, 20}},
      {{200, 100}, {100, 50}, 0, true, {-50, -25, 200, 100}},
      // 1: the target's size.
      {{40, 20}, {100, 50}, 1, false, {0, 0, 100, 50}},
      {{40, 20}, {100, 50}, 1, true, {0, 0, 100, 50}},
      // 3 (and 2): scaled by the smaller ratio, sides rounded, integer halves.
      {{40, 20}, {100, 80}, 3, false, {0, 0, 100, 50}},
      {{40, 20}, {100, 80}, 3, true, {0, 15, 100, 50}},
      {{40, 20}, {100, 80}, 2, true, {0, 15, 100, 50}},
      {{30, 70}, {100, 100}, 3, true, {28, 0, 43, 100}},  // 42.86 rounds up
      {{3, 3}, {10, 7}, 3, true, {1, 0, 7, 7}},
      {{0, 20}, {100, 80}, 3, true, {50, 40, 0, 0}},  // no width: scale 0
      {{40, 0}, {100, 80}, 3, false, {0, 0, 0, 0}},
      // 4 and 5: own size when it fits, scaled when wider or taller.
      {{40, 20}, {100, 80}, 4, true, {30, 30, 40, 20}},
      {{40, 20}, {100, 80}, 5, false, {0, 0, 40, 20}},
      {{40, 20}, {40, 20}, 4, true, {0, 0, 40, 20}},
      {{200, 50}, {100, 80}, 4, true, {0, 27, 100, 25}},  // wider only
      {{50, 160}, {100, 80}, 5, true, {37, 0, 25, 80}},   // taller only
      // Free space of odd size: the half rounds toward zero, also when negative.
      {{41, 21}, {100, 50}, 0, true, {29, 14, 41, 21}},
      {{101, 51}, {100, 50}, 1, true, {0, 0, 100, 50}},
      {{103, 53}, {100, 50}, 0, true, {-1, -1, 103, 53}},
  };
  for (const FitCase& c : cases) {
    const QRect r = FitRect(c.source, c.target, c.mode, c.center);
    EXPECT_EQ(r, c.expected) << "source " << c.source.width() << "x" << c.source.height() << " target "
                             << c.target.width() << "x" << c.target.height() << " mode " << c.mode
                             << " center " << c.center;
  }
}

TEST(ColorNumberTest, LowByteIsRedAndRoundTrips) {
  EXPECT_EQ(ColorFromNumber(12615680), QColor(0x00, 0x80, 0xC0));
  EXPECT_EQ(ColorFromNumber(0x0000FF), QColor(Qt::red));
  for (int n : {0, 12615680, 14408667, 0xFFFFFF}) EXPECT_EQ(NumberFromColor(ColorFromNumber(n)), n);
}

TEST(TransparentColourTest, BottomLeftColourBecomesTransparent) {
  QImage img(4, 3, QImage::Format_RGB32);
  img.fill(QColor(Qt::magenta));
  img.setPixel(1, 1, qRgb(10, 20, 30));
  const QImage out = WithTransparentColour(img);
  EXPECT_EQ(qAlpha(out.pixel(0, 2)), 0);
  EXPECT_EQ(qAlpha(out.pixel(3, 0)), 0);
  EXPECT_EQ(out.pixel(1, 1), qRgb(10, 20, 30));
  EXPECT_TRUE(WithTransparentColour(QImage()).isNull());
}

// Where the ink lands: the bounding box of the non-transparent pixels.
QRect InkBox(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) != 0) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(DrawTextAlignedTest, AlignmentsPlaceTheTextInTheRightCorner) {
  struct Case {
    int vertical, horizontal;
    bool left, top;  // which half of the area the ink must stay in
  };
  const Case cases[] = {{0, 0, true, true}, {2, 1, false, false}, {0, 1, false, true}, {2, 0, true, false}};
  QFont font;
  font.setPixelSize(12);
  for (const Case& c : cases) {
    QImage img(300, 120, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    DrawTextAligned(img, img.rect(), Qt::black, QStringLiteral("Centro"), c.vertical, c.horizontal, font);
    const QRect ink = InkBox(img);
    ASSERT_FALSE(ink.isNull());
    EXPECT_EQ(ink.right() < 150, c.left) << c.vertical << "/" << c.horizontal;
    EXPECT_EQ(ink.bottom() < 60, c.top) << c.vertical << "/" << c.horizontal;
  }
  QImage img(300, 120, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  DrawTextAligned(img, img.rect(), Qt::red, QStringLiteral("Centro"), 1, 2, font);
  const QRect ink = InkBox(img);
  EXPECT_NEAR(ink.center().x(), 150, 6);
  EXPECT_NEAR(ink.center().y(), 60, 6);
}

}  // namespace
