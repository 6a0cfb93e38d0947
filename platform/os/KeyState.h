#pragma once
// The state of the modifier keys at this moment. The desktop plugs in a provider
// that asks the window system; without one no key counts as held down, which is
// the right answer for tools and tests that run without a screen.

#include <functional>

namespace KeyState {

enum class Key { Shift, LeftAlt };

// Answers whether a key is held down now.
using Provider = std::function<bool(Key)>;

// Replaces the provider; an empty one removes it.
void SetProvider(Provider provider);

bool IsShiftDown();
bool IsLeftAltDown();

}  // namespace KeyState
