#pragma once
// Runs what a person started from a window (a click, a key) the way the event loop
// does: an error is shown through the dialogs interface with the application title,
// a silent abort shows nothing, and nothing leaves the slot.

#include <functional>

// True when the action ran to the end.
bool GuardedAction(const std::function<void()>& action);
