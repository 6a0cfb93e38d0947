#include "App/CodiComu/users/LoginPrompt.h"

#include <utility>

namespace {

TLoginPrompt& Prompt() {
  static TLoginPrompt prompt;
  return prompt;
}

}  // namespace

TLoginPrompt SetLoginPrompt(TLoginPrompt prompt) { return std::exchange(Prompt(), std::move(prompt)); }

bool ShowLoginPrompt(TCustomZULPasswords& passwords) { return Prompt() ? Prompt()(passwords) : false; }
