#include "App/CodiComu/TSplash.h"

#include <QElapsedTimer>
#include <algorithm>

#include "App/CodiComu/CCTranslate.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"

namespace {

TSplash::TViewFactory& ViewFactory() {
  static TSplash::TViewFactory factory;
  return factory;
}

TSplash::TClock& Clock() {
  static TSplash::TClock clock;
  return clock;
}

qint64 MonotonicMs() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer.elapsed();
}

}  // namespace

TSplash::TSplash() = default;
TSplash::~TSplash() = default;

void TSplash::RegisterView(TViewFactory factory) { ViewFactory() = std::move(factory); }
bool TSplash::HasView() { return static_cast<bool>(ViewFactory()); }
void TSplash::SetClock(TClock clock) { Clock() = std::move(clock); }

qint64 TSplash::Now() const { return Clock() ? Clock()() : MonotonicMs(); }

TSplashDisplay TSplash::Display() const {
  TSplashDisplay display;
  const auto& levels = Levels();
  if (levels.empty()) return display;
  display.title = levels.front().caption;
  const std::size_t shown = std::min<std::size_t>(levels.size(), display.rows.size());
  for (std::size_t i = 0; i < shown; ++i) {
    const TSplashState& level = levels[i];
    TSplashRow& row = display.rows[i];
    row.visible = true;
    row.showNumber = level.showPercent;
    row.position = level.showPercent ? std::clamp(level.percent, 0, 100) : 50;
    row.text = level.text;
  }
  display.cancelVisible = levels.front().cancelAllowed;
  return display;
}

void TSplash::UpdateDisplay(bool checkEscape) {
  if (Levels().empty()) return;
  if (m_view) {
    const qint64 now = Now();
    const bool repaint = m_repaintDue || now - m_lastRepaint > kRepaintIntervalMs;
    if (repaint) {
      m_lastRepaint = now;
      m_repaintDue = false;
    }
    m_view->Update(Display(), repaint);
  }
  if (checkEscape && m_view && Levels().front().cancelAllowed && m_view->TakeEscape()) {
    if (Dialogs::Ask(ccTranslate(1700), TDialogIcon::Warning, dbYes | dbNo, dbNo) == dbYes) {
      throw Exception(ccTranslate(1701));
    }
  }
}

void TSplash::Refresh() { UpdateDisplay(true); }

void TSplash::Show() {
  if (!m_view && ViewFactory()) m_view = ViewFactory()();
  m_repaintDue = true;
  if (m_view) m_view->SetVisible(Visible());
  UpdateDisplay(true);
}

void TSplash::Hide() {
  if (Levels().empty()) {
    m_view.reset();
    m_repaintDue = true;
    return;
  }
  // The ended level's row goes away at once; no cancel question here, as ending a
  // level runs while an operation unwinds.
  m_repaintDue = true;
  UpdateDisplay(false);
}
