#include "App/CodiComu/Progress.h"

#include <limits>
#include <memory>

#include "App/CodiComu/ESplash.h"
#include "App/CodiComu/TSplash.h"
#include "platform/zul/TSQLDataSet.h"

namespace {

std::unique_ptr<TSplash>& Instance() {
  static std::unique_ptr<TSplash> instance;
  return instance;
}

[[noreturn]] void RaiseSplash(const char* className, const QString& text) {
  throw ESplash(QString::fromLatin1(className) + QStringLiteral(" ERROR\n") + text);
}

}  // namespace

TSplash* ProgressInstance() { return Instance().get(); }

void FreeProgress() { Instance().reset(); }

void BeginProgress(const QString& caption, const QString& text, bool cancelAllowed, int percent,
                   bool showPercent) {
  if (!Instance()) Instance() = std::make_unique<TSplash>();
  TSplash& splash = *Instance();
  splash.Levels().push_back({caption, text, cancelAllowed, showPercent, percent});
  try {
    splash.Show();
  } catch (...) {
    splash.Levels().pop_back();
    if (splash.Levels().empty()) splash.Hide();
    throw;
  }
}

void SetProgress(const QString& text, int percent) {
  TSplash* splash = Instance().get();
  if (!splash || splash->Levels().empty()) {
    RaiseSplash(splash ? splash->ClassName() : "TSplash",
                QStringLiteral("No hay ningún Splash para modificar"));
  }
  TSplashState& top = splash->Levels().back();
  top.text = text;
  top.percent = percent;
  splash->Refresh();
}

void SetProgressCount(const QString& text, int index, int count) {
  const qint64 divisor = count == 0 ? std::numeric_limits<int>::max() : count;
  SetProgress(text, static_cast<int>((static_cast<qint64>(index) + 1) * 100 / divisor));
}

void SetProgressRecord(const QString& text, TSQLDataSet* dataSet) {
  if (!dataSet) {
    SetProgress(text, 0);
    return;
  }
  const int count = dataSet->RecordCount();
  if (count <= 0) {
    SetProgress(text, 100);
    return;
  }
  const int recNo = dataSet->RecNo();
  SetProgress(QStringLiteral("(%1/%2) ").arg(recNo).arg(count) + text,
              static_cast<int>(static_cast<qint64>(recNo) * 100 / count));
}

void EndProgress() {
  TSplash* splash = Instance().get();
  if (!splash) return;
  if (splash->Levels().empty())
    RaiseSplash(splash->ClassName(), QStringLiteral("No hay ningún Splash para finalizar"));
  splash->Levels().pop_back();
  splash->Hide();
}
