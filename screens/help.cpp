#include <array>
#include <string_view>

#include "console/console.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

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

}  // namespace

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

}  // namespace ballotrek
