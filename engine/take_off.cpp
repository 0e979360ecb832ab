#include <string_view>

#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

void ToggleSound() {
  ClearAt(17, 20);
  if (game.soundFlag == 'y') {
    game.soundFlag = 'n';
    Write("* Sound off *");
  } else if (game.soundFlag == 'n') {
    game.soundFlag = 'y';
    Write("* Sound on *");
  }
}

void AskToFreeze() {
  const int key = AskAt(17, 19, "Want to freeze the game?  Y or N  ", "yn");
  ClearAt(17, 19);
  if (key == 'y') FreezeGame();
}

// Every key that TakeOff's switch acts on.
bool IsTakeOffKey(int key) {
  switch (key) {
    case kKeyEnter:
    case kKeyEscape:
    case kKeyCtrlC:
    case 'h':
    case 's':
    case 'u':
    case 'p':
    case 'c':
    case 'b':
    case 'm':
    case 'f':
      return true;
    default:
      return false;
  }
}

}  // namespace

int TakeOff() {
  for (;;) {
    ClearAt(17, 21);
    Delay(200);
    Write(game.currentSide == player ? std::string_view("Your takeoff  ")
                                     : std::string_view("Please launch  me "));
    const int key = ReadPromptKey(IsTakeOffKey);
    switch (key) {
      case kKeyEscape:
      case kKeyCtrlC:
        ConcedeGame();
        break;
      case 'h':
        ShowHelp();  // the letter chosen there only closes the help screen
        break;
      case 's':
        ToggleSound();
        break;
      case 'u':
      case 'p':
      case 'c':
      case 'b':
        ShowList(key);
        break;
      case 'm':
        ShowMap();
        break;
      case 'f':
        AskToFreeze();
        break;
      case kKeyEnter:
        ClearScreen();
        if (SoundOn()) PlayClip(game.currentSide == player ? "data\\plwh.wav" : "data\\cowh.wav");
        return Rand() % 10 + 1;
      default:
        break;
    }
  }
}

}  // namespace ballotrek
