#pragma once
// The stack of progress levels (the first entry is the outermost) and the hooks a
// progress display overrides.

#include <QString>
#include <vector>

struct TSplashState {
  QString caption;  // only the outermost level's caption is shown
  QString text;
  bool cancelAllowed = false;  // only the outermost level's value counts
  bool showPercent = true;     // otherwise the gauge stays at the middle without number
  int percent = 0;             // 0..100
};

class TCustomSplash {
public:
  TCustomSplash() = default;
  virtual ~TCustomSplash() = default;
  TCustomSplash(const TCustomSplash&) = delete;
  TCustomSplash& operator=(const TCustomSplash&) = delete;

  virtual const char* ClassName() const { return "TCustomSplash"; }

  const std::vector<TSplashState>& Levels() const { return m_levels; }
  std::vector<TSplashState>& Levels() { return m_levels; }
  bool Visible() const { return m_visible; }
  void SetVisible(bool visible) { m_visible = visible; }

  virtual void Refresh() {}  // the top level changed
  virtual void Show() {}     // a level was added
  virtual void Hide() {}     // a level was removed

private:
  std::vector<TSplashState> m_levels;
  bool m_visible = true;
};
