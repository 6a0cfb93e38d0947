#pragma once
// Asking a person to log in to a users' object. The programs plug the login dialog;
// tests plug a function that logs in (or not) without a window. Without a prompt
// plugged, a login that is needed is refused.

#include <functional>

class TCustomZULPasswords;

// Shows the login for the object; true when the person logged in and confirmed.
using TLoginPrompt = std::function<bool(TCustomZULPasswords& passwords)>;

// Plugs a prompt (an empty one unplugs); returns the previous one.
TLoginPrompt SetLoginPrompt(TLoginPrompt prompt);
bool ShowLoginPrompt(TCustomZULPasswords& passwords);
