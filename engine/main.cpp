#include <ctime>
#include <iostream>

#include "console/clip_files.h"
#include "console/platform.h"
#include "console/system_backends.h"
#include "engine/engine.h"
#include "engine/options.h"

int main(int argc, char** argv) {
  using namespace ballotrek;
  const int status = HandleOptions(argc, argv, std::cout, std::cerr);
  if (status != kPlayTheGame) return status;

  SetInstalledClipFolder(InstalledDataFolder());
  Terminal* terminal = StartPlatformTerminal();
  if (terminal == nullptr) return 1;

  static SteadyClock clock;
  static SeededRandom random(static_cast<unsigned>(std::time(nullptr)));
  static ExitProcess process;
  InstallBackends({terminal, &clock, &random, &PlatformSound(), &process});

  RunGame();  // ends the process from inside the game
}
