#pragma once
// The application's own pictures, drawn once per process at first use: the product
// emblem (a graduation cap over an open book, dark blue and amber) in a large and a
// small size, the background picture of the main window and the family image; and
// the pictures other windows use: the plain canvas the main window falls back on
// without a background picture, the users picture of the login and users windows,
// and a sample child window for the previews of the window style.
// Qt Gui only, so headless code and tests can draw with them.

#include <QColor>
#include <QImage>

class QPainter;
class QRect;
class QRectF;

class TAppImages {
public:
  TAppImages();

  // With alpha: every pixel of the bottom-left pixel's colour is transparent.
  const QImage& Large() const { return m_large; }
  const QImage& Small() const { return m_small; }
  // Opaque.
  const QImage& Background() const { return m_background; }
  const QImage& Family() const { return m_family; }
  const QImage& MainFormBackground() const { return m_canvas; }
  const QImage& PasswordsUser() const { return m_user; }
  const QImage& MdiFormGrid() const { return m_childWindow; }
  // The sample child window drawn smoothly into a rectangle (window-style previews).
  void DrawMdiFormGrid(QPainter& p, const QRect& r) const;

  // The large image, or the small one when the large is empty (what dialogs show).
  const QImage& ApplicationImage() const { return m_large.isNull() ? m_small : m_large; }
  // The background picture's bottom-left pixel, or the button face colour without one.
  QColor BackgroundColour() const;

  // Replaces a picture (tests and products with other artwork); a null image empties it.
  void SetLarge(const QImage& image);
  void SetSmall(const QImage& image);
  void SetBackground(const QImage& image) { m_background = image; }
  void SetFamily(const QImage& image) { m_family = image; }
  void SetMainFormBackground(const QImage& image) { m_canvas = image; }

  static const QColor kInk;    // dark blue
  static const QColor kPaper;  // amber
  // The emblem drawn to fill a square box.
  static void DrawEmblem(QPainter& p, const QRectF& box);

private:
  QImage m_large;
  QImage m_small;
  QImage m_background;
  QImage m_family;
  QImage m_canvas;
  QImage m_user;
  QImage m_childWindow;
};

// The process's images, created at first use.
TAppImages& AppImages();
