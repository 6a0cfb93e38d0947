#pragma once
// The windows lumashots draws. Each area of the program lists its windows in a file
// of its own (Shots*.cpp) with a static ShotRegistration, so adding a window never
// touches another area's list. Pictures are saved in registration order per file.

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

struct Shot {
  const char* file;
  // Returns the window to grab; `keep` holds whatever must live until the grab.
  // A scratch company database is open as the default parameters database.
  std::function<QWidget*(std::unique_ptr<QWidget>& keep)> make;
};

std::vector<Shot>& Shots();

struct ShotRegistration {
  ShotRegistration(std::initializer_list<Shot> shots);
};
