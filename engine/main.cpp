#include <iostream>

#include "console/clip_files.h"
#include "console/file_store.h"
#include "console/platform.h"
#include "console/system_backends.h"
#include "engine/engine.h"
#include "engine/options.h"

int main(int argc, char** argv) {
  using namespace ballotrek;
  const int status = HandleOptions(argc, argv, std::cout, std::cerr);
  if (status != kPlayTheGame && status != kPlayFromMenu) return status;
  if (status == kPlayFromMenu && !EnterPlayersDataFolder()) return 1;
  // Two games in one folder would freeze over each other's game.
  if (!LockWorkingFolder()) return 1;

  SetInstalledClipFolder(InstalledDataFolder());
  Terminal* terminal = StartPlatformTerminal();
  if (terminal == nullptr) return 1;

  static SteadyClock clock;
  static SeededRandom random(NewGameSeed());
  static ExitProcess process;
  InstallBackends({terminal, &clock, &random, &PlatformSound(), &process});

  RunGame();  // ends the process from inside the game
}
