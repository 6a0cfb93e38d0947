#pragma once
// The progress window: borderless and centred, the application image, the title of
// the outermost operation, three gauges with their descriptions and the Escape
// label. Escape presses reach it through an application event filter, so they count
// whichever window has the focus. When it goes, the window that was active before
// comes back to the front.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

#include "App/CodiComu/TSplashView.h"

class QLabel;
class QProgressBar;

class TCCFRMSplash : public QWidget, public TSplashView {
  Q_OBJECT
public:
  explicit TCCFRMSplash(QWidget* parent = nullptr);
  ~TCCFRMSplash() override;

  void SetVisible(bool visible) override;
  void Update(const TSplashDisplay& display, bool repaint) override;
  bool TakeEscape() override;

  // The product's own image: an open book under a graduation cap, in two colours.
  static QImage DrawImage(int size);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void Centre();

  QLabel* m_image;
  QLabel* m_title;
  std::array<QProgressBar*, 3> m_gauges{};
  std::array<QLabel*, 3> m_descriptions{};
  QLabel* m_escape;
  bool m_escapePressed = false;
  QPointer<QWidget> m_previous;  // the window brought back to the front at the end
};

// Makes TCCFRMSplash the progress window of the program (called at start-up).
void RegisterSplashWindow();
