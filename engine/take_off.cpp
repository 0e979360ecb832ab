#include <array>
#include <string_view>

#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

// Clears the rest of a row from a column and leaves the cursor there.
void ClearAt(int column, int row) {
  GotoXY(column, row);
  ClearLine();
  GotoXY(column, row);
}

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

constexpr std::array<std::string_view, 12> kHelpLines = {
    "Below is a list of letters with their definitions.  Simply press the\n",
    "letter of your choice.  Note, these options are available directly\n",
    "from the game, at the prompt to take off\n\n",
    "U = A list of the unclaimed states and their electoral votes.\n",
    "P = A list of your states and their electoral votes.\n",
    "C = A list of my states and their electoral votes.\n",
    "B = A listing of the board layout.\n",
    "S = Toggle the sound from off to on or on to off.\n",
    "F = Freeze the game.\n",
    "N = Nothing needed right now.\n",
    "D = A stiff drink.\n",
    "M = A map of the states and who holds them.\n",
};

bool ClosesHelp(int key) {
  switch (key) {
    case 'u':
    case 'p':
    case 'c':
    case 's':
    case 'f':
    case 'n':
    case 'b':
    case 'm':
    case kKeyEscape:
      return true;
    default:
      return false;
  }
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

int ShowHelp() {
  ClearScreen();
  GotoXY(1, 2);
  Print("I will help you ", game.firstName, "\n");
  for (std::string_view line : kHelpLines) Write(line);
  int key;
  do {
    ClearAt(1, 24);
    Delay(200);
    Write("Press the letter of your choice ");
    key = ReadPromptKey([](int k) { return k == 'd' || ClosesHelp(k); });
    ClearAt(1, 23);
    if (key == 'd') Print("Come on ", game.firstName, ", you know I am only kidding\n");
  } while (!ClosesHelp(key));
  ClearScreen();
  return key;
}

int RollForOutcome(int n) {
  ClearAt(17, 22);
  AskAt(17, 21, "Press Enter  for outcome \x1E ", "\r");
  if (SoundOn()) PlayClip("data\\chal.wav");
  return Rand() % n + 1;
}

}  // namespace ballotrek
