#include "engine/engine.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {

void RunGame() {
  OfferResume();
  ShowTitleAndOptions();
  if (game.resumedGame != 1) AskNamesAndWelcome();
  TurnLoop();
}

}  // namespace ballotrek
