// make_master PATH [--lite]: writes the empty master database of this version at
// PATH. The build runs it to put the master into the masters folder.

#include <QString>
#include <cstdio>
#include <cstring>

#include "platform/core/Exceptions.h"
#include "rules/schema/MasterDatabase.h"

int main(int argc, char** argv) {
  const bool lite = argc == 3 && std::strcmp(argv[2], "--lite") == 0;
  if (argc < 2 || (argc == 3 && !lite) || argc > 3) {
    std::fprintf(stderr, "usage: make_master PATH [--lite]\n");
    return 2;
  }
  try {
    WriteMasterFile(QString::fromLocal8Bit(argv[1]),
                    lite ? DatabaseVersion::Lite() : DatabaseVersion::Full());
  } catch (const Exception& error) {
    std::fprintf(stderr, "make_master: %s\n", error.Message().toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
