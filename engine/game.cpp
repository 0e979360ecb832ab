#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "screens/credits.h"
#include "screens/screens.h"

namespace ballotrek {

void RunGame() {
  OfferResume();
  ShowTitleAndOptions();
  if (game.resumedGame != 1) AskNamesAndWelcome();
  TurnLoop();
}

void QuitAtStart() {
  ClearScreen();
  GotoXY(16, 12);
  Write("Too bad, your campaign  never got off the ground!");
  Delay(1000);
  GotoXY(34, 22);
  Write("Press ESCAPE to exit ");
  WaitForEscape();
  EndProcess(0);
}

}  // namespace ballotrek
