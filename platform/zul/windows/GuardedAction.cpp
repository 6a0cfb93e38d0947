#include "platform/zul/windows/GuardedAction.h"

#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"

bool GuardedAction(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
  } catch (const std::exception& e) {
    Dialogs::Current().Error(Dialogs::AppTitle(), QString::fromUtf8(e.what()));
  }
  return false;
}
