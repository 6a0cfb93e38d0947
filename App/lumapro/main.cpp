// lumapro: the desktop program. Options:
//   --quit-after-start  starts without a person (no window waits for an answer,
//                       messages go to the error stream) and ends after the first
//                       activation; the status is 1 when an error was reported.
#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "App/CodiComu/CompanyData.h"
#include "App/CodiComu/CurrencyFormat.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/windows/QtDialogs.h"
#include "App/CodiComu/windows/TCCFRMSplash.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "App/CodiComu/windows/TccFRMPassword.h"
#include "platform/core/Dialogs.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/TZULDisplayFormats.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZUL-Lumaresca"));
  QApplication::setApplicationDisplayName(QStringLiteral("ZUL-Lumaresca"));

  // Qt has taken its own options (-platform...) out of the list.
  bool unattended = false;
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args.at(i) == QLatin1String("--quit-after-start")) {
      unattended = true;
    } else {
      QTextStream(stderr) << "lumapro [--quit-after-start]\n";
      return 2;
    }
  }

  TUnattendedDialogs* console = nullptr;
  if (unattended) {
    auto dialogs = std::make_unique<TUnattendedDialogs>();
    console = dialogs.get();
    Dialogs::Install(std::move(dialogs));
  } else {
    Dialogs::Install(std::make_unique<TQtDialogs>());
    RegisterPasswordWindow();
  }
  RegisterSplashWindow();
  RegisterCompanyDeclarations();
  TZULDisplayFormats::SetCurrencyFormatter([](Currency amount) { return FormatCurrency(amount); });

  TZULAppConfig& config = AppConfig();
  StartUp::ConfigureFullEdition(config, ExecutableFolder::Path());
  config.ExecutableFile = QApplication::applicationFilePath();

  int status = 0;
  {
    // The progress window closes before the main window shows: that must not end the
    // program as the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    TFRMMenuLevel0Ext window;
    if (unattended) window.SetModalRunner([](QDialog&) { return 0; });
    if (!window.Start()) {
      window.Shutdown();
      status = 1;
    } else {
      window.ShowAsLastTime();
      QApplication::setQuitOnLastWindowClosed(true);
      if (unattended) {
        // The first activation may never come without a window manager: run it at
        // the latest once the window is up, then end.
        QTimer::singleShot(0, &window, [&window] {
          window.EnsureFirstActivation();
          window.Shutdown();
          QApplication::exit(0);
        });
      }
      app.exec();
      window.Shutdown();
    }
  }
  TZULDisplayFormats::SetCurrencyFormatter({});
  UnregisterCompanyDeclarations();
  FreeAppConfig();
  if (console && console->Faults() > 0) status = 1;
  Dialogs::Install(nullptr);
  return status;
}
