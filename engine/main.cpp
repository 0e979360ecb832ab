#include <ctime>

#include "console/file_store.h"
#include "console/platform.h"
#include "console/system_backends.h"
#include "engine/engine.h"

int main() {
  using namespace ballotrek;
  // Two games in one folder would freeze over each other's game.
  if (!LockWorkingFolder()) return 1;
  Terminal* terminal = StartPlatformTerminal();
  if (terminal == nullptr) return 1;

  static SteadyClock clock;
  static SeededRandom random(static_cast<unsigned>(std::time(nullptr)));
  static ExitProcess process;
  InstallBackends({terminal, &clock, &random, &PlatformSound(), &process});

  RunGame();  // ends the process from inside the game
}
