#include "tools/windows/lumashots/ShotRegistry.h"

std::vector<Shot>& Shots() {
  static std::vector<Shot> shots;
  return shots;
}

ShotRegistration::ShotRegistration(std::initializer_list<Shot> shots) {
  Shots().insert(Shots().end(), shots.begin(), shots.end());
}
