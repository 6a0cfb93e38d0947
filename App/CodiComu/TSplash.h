#pragma once
// The process-wide progress display: shows up to three levels through the registered
// view, created with the first level and freed with the last; repaints at most once
// every 100 ms; asks whether to cancel when Escape was pressed on a cancellable
// operation and raises "Proceso cancelado por el usuario" on yes.

#include <QtGlobal>
#include <functional>
#include <memory>

#include "App/CodiComu/TCustomSplash.h"
#include "App/CodiComu/TSplashView.h"

class TSplash : public TCustomSplash {
public:
  using TViewFactory = std::function<std::unique_ptr<TSplashView>()>;
  using TClock = std::function<qint64()>;  // milliseconds, monotonic

  static constexpr qint64 kRepaintIntervalMs = 100;

  TSplash();
  ~TSplash() override;

  const char* ClassName() const override { return "TSplash"; }

  // The window class, registered once at start-up; none shows nothing.
  static void RegisterView(TViewFactory factory);
  static bool HasView();
  // Replaces the clock (tests); an empty function restores the monotonic clock.
  static void SetClock(TClock clock);

  void Refresh() override;
  void Show() override;
  void Hide() override;

  TSplashView* View() const { return m_view.get(); }
  // What the rows show for the current levels.
  TSplashDisplay Display() const;

private:
  void UpdateDisplay(bool checkEscape);
  qint64 Now() const;

  std::unique_ptr<TSplashView> m_view;
  qint64 m_lastRepaint = 0;
  bool m_repaintDue = true;
};
