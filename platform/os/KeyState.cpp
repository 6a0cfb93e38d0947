#include "platform/os/KeyState.h"

#include <utility>

namespace {
KeyState::Provider& CurrentProvider() {
  static KeyState::Provider provider;
  return provider;
}

bool IsDown(KeyState::Key key) {
  const KeyState::Provider& provider = CurrentProvider();
  return provider ? provider(key) : false;
}
}  // namespace

namespace KeyState {

void SetProvider(Provider provider) { CurrentProvider() = std::move(provider); }

bool IsShiftDown() { return IsDown(Key::Shift); }

bool IsLeftAltDown() { return IsDown(Key::LeftAlt); }

}  // namespace KeyState
