// The game in a web page. The page (web/page.js) starts this once it has
// taken the game's lock and put the frozen game, if any, into the working
// folder.
#include "console/browser.h"
#include "console/console.h"
#include "console/platform.h"
#include "console/system_backends.h"
#include "engine/engine.h"

int main() {
  using namespace ballotrek;
  static SeededRandom random(NewGameSeed());
  InstallBackends(
      {StartPlatformTerminal(), &BrowserClock(), &random, &PlatformSound(), &BrowserProcess()});
  // The tabs of one browser share the frozen game, as the games of one folder
  // do: a second one could freeze over the first one's game.
  if (!BrowserHoldsGameLock()) {
    GotoXY(1, 1);
    Write("Another game of Ballotrek is already running in this browser.\n");
    Write("Finish that one first (or close its tab), then press Try again.");
    EndProcess(1);
  }
  RunGame();  // ends the process from inside the game
}
