#pragma once
// What a progress window shows, and the interface through which the progress stack
// drives it. The program registers its window at start-up; code without a user
// interface (or a test) registers another, or none.

#include <QString>
#include <array>

// One of the three rows: a gauge and its description.
struct TSplashRow {
  bool visible = false;
  int position = 0;         // 0..100
  bool showNumber = false;  // the gauge writes its percentage
  QString text;
};

struct TSplashDisplay {
  QString title;
  std::array<TSplashRow, 3> rows;
  bool cancelVisible = false;  // "Presione ESC para cancelar el proceso"
};

class TSplashView {
public:
  virtual ~TSplashView() = default;
  virtual void SetVisible(bool visible) = 0;
  // New contents; `repaint` asks for an immediate repaint (rate-limited by the caller).
  virtual void Update(const TSplashDisplay& display, bool repaint) = 0;
  // True when Escape is down now or was pressed since the previous call.
  virtual bool TakeEscape() = 0;
};
