// The main window from its creation until it is shown and the start-up sequence has
// run (the first activation included): on an empty program folder, and with a company
// database opened at start as the INI file's default company.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDialog>
#include <memory>

#include "App/CodiComu/CompanyData.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/windows/QtDialogs.h"
#include "App/CodiComu/windows/TCCFRMSplash.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "bench/BenchProgramFolder.h"
#include "platform/core/Dialogs.h"

namespace {

TUnattendedDialogs* g_dialogs = nullptr;

// Creates, starts and shows the window; false when the start-up failed.
bool StartWindow(std::unique_ptr<TFRMMenuLevel0Ext>& window) {
  window = std::make_unique<TFRMMenuLevel0Ext>();
  window->SetModalRunner([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
  if (!window->Start()) return false;
  window->show();
  window->activateWindow();
  for (int i = 0; i < 20 && !window->FirstActivationDone(); ++i) QApplication::processEvents();
  window->EnsureFirstActivation();
  return true;
}

void RunStartup(benchmark::State& state, bool withCompany) {
  const int faultsBefore = g_dialogs->Faults();
  bool connected = false;
  for (auto _ : state) {
    state.PauseTiming();
    auto folder = std::make_unique<BenchProgramFolder>();
    if (withCompany)
      folder->AddDefaultCompany(QStringLiteral("Academia Norte"),
                                folder->CopyMaster(QStringLiteral("Norte")));
    std::unique_ptr<TFRMMenuLevel0Ext> window;
    state.ResumeTiming();

    if (!StartWindow(window)) {
      state.SkipWithError("the start-up failed");
      break;
    }

    state.PauseTiming();
    connected = AppConfig().IsConnected();
    window->Shutdown();
    window.reset();
    folder.reset();
    state.ResumeTiming();
  }
  state.counters["connected"] = connected ? 1 : 0;
  state.counters["faults"] = g_dialogs->Faults() - faultsBefore;
}

void BM_StartupEmptyFolder(benchmark::State& state) { RunStartup(state, false); }
void BM_StartupWithDefaultCompany(benchmark::State& state) { RunStartup(state, true); }

}  // namespace

BENCHMARK(BM_StartupEmptyFolder)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartupWithDefaultCompany)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
  PrepareBenchEnvironment();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  auto dialogs = std::make_unique<TUnattendedDialogs>();
  g_dialogs = dialogs.get();
  Dialogs::Install(std::move(dialogs));
  RegisterSplashWindow();
  RegisterCompanyDeclarations();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
