#include "App/CodiComu/windows/TAppImages.h"

#include <gtest/gtest.h>

namespace {

TEST(TAppImagesTest, IconsAreTransparentAroundTheEmblemAndPicturesOpaque) {
  const TAppImages& images = AppImages();
  for (const QImage* icon : {&images.Large(), &images.Small()}) {
    ASSERT_FALSE(icon->isNull());
    EXPECT_TRUE(icon->hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon->pixel(0, icon->height() - 1)), 0);  // the transparent corner
    // The cap's board, left of the tassel, is dark blue.
    const QColor board = icon->pixelColor(icon->width() * 30 / 100, icon->height() * 24 / 100);
    EXPECT_EQ(board, TAppImages::kInk);
  }
  EXPECT_GT(images.Large().width(), images.Small().width());
  EXPECT_FALSE(images.Background().hasAlphaChannel());
  EXPECT_FALSE(images.Family().hasAlphaChannel());
  EXPECT_EQ(&images.ApplicationImage(), &images.Large());
  EXPECT_EQ(images.BackgroundColour(), images.Background().pixelColor(0, images.Background().height() - 1));
  // The pictures of other windows: an opaque canvas and sample window, a users picture
  // that is transparent around the person.
  EXPECT_FALSE(images.MainFormBackground().isNull());
  EXPECT_FALSE(images.MainFormBackground().hasAlphaChannel());
  EXPECT_FALSE(images.MdiFormGrid().isNull());
  EXPECT_EQ(qAlpha(images.PasswordsUser().pixel(0, 0)), 0);
  EXPECT_EQ(images.PasswordsUser().pixelColor(23, 12), TAppImages::kInk);  // the head
}

TEST(TAppImagesTest, EmptyPicturesFallBack) {
  TAppImages images;
  images.SetLarge(QImage());
  EXPECT_EQ(&images.ApplicationImage(), &images.Small());
  images.SetBackground(QImage());
  EXPECT_TRUE(images.BackgroundColour().isValid());  // the button face colour
}

}  // namespace
