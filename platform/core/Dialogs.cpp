#include "platform/core/Dialogs.h"

namespace {

class TSilentDialogs : public TDialogs {
public:
  TDialogButton Ask(const QString&, const QString&, TDialogIcon, int, TDialogButton defaultButton) override {
    return defaultButton;
  }
  void Notify(const QString&, const QString&, TDialogIcon) override {}
  void Error(const QString&, const QString&) override {}
  QString PickOpenFile(const QString&, const QString&, const QString&) override { return QString(); }
  QString PickSaveFile(const QString&, const QString&, const QString&) override { return QString(); }
  bool InputText(const QString&, const QString&, QString&) override { return false; }
};

std::unique_ptr<TDialogs>& Slot() {
  static std::unique_ptr<TDialogs> current = std::make_unique<TSilentDialogs>();
  return current;
}

QString& Title() {
  static QString title;
  return title;
}

}  // namespace

namespace Dialogs {

TDialogs& Current() { return *Slot(); }

std::unique_ptr<TDialogs> Install(std::unique_ptr<TDialogs> dialogs) {
  std::unique_ptr<TDialogs> previous = std::move(Slot());
  Slot() = dialogs ? std::move(dialogs) : std::make_unique<TSilentDialogs>();
  return previous;
}

QString AppTitle() { return Title(); }
void SetAppTitle(const QString& title) { Title() = title; }

TDialogButton Ask(const QString& text, TDialogIcon icon, int buttons, TDialogButton defaultButton) {
  return Current().Ask(AppTitle(), text, icon, buttons, defaultButton);
}

bool AskYesNo(const QString& text, TDialogIcon icon, TDialogButton defaultButton) {
  return Ask(text, icon, dbYes | dbNo, defaultButton) == dbYes;
}

void Notify(const QString& text, TDialogIcon icon) { Current().Notify(AppTitle(), text, icon); }

}  // namespace Dialogs
