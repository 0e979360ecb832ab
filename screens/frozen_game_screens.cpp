// The screens of freezing a game and of offering it back at the next start.
#include <string>

#include "console/console.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "screens/credits.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

void ShowResumeReport() {
  ClearScreen();
  GotoXY(1, 3);
  Write("Resuming  frozen game\n");
  Print("You have ", game.player.votes, " electoral votes and ", game.player.money,
        " million dollars in campaign funds\n");
  Print("I have ", game.computer.votes, " electoral votes and ", game.computer.money,
        " million dollars in campaign  funds\n");
  Print("You are in ", BoardTable[game.player.position].name, " and I am in ",
        BoardTable[game.computer.position].name, "\n");
  Print("You and your ", game.partyName, " party can go first ", game.firstName, "\n");
}

// The damaged file stays where it is, for the player to look at or keep.
void ReportDamagedFile(const std::string& problem) {
  ClearScreen();
  GotoXY(8, 10);
  Print("The frozen game in ", kFrozenGameFile, " is damaged and cannot be resumed.");
  GotoXY(8, 12);
  Write(problem);
  GotoXY(8, 14);
  Print(kFrozenGameFile, " is left as it is; a new game begins instead.");
  if (AskAt(8, 17, "Press Enter to go on ", "\r\x1b") == kKeyEscape) QuitAtStart();
}

}  // namespace

void FreezeGame() {
  if (const auto failure = SaveFrozenGame()) {
    // Nothing is lost: the game goes on at the same take-off prompt.
    ClearAt(17, 18);
    Print("The game could not be saved in ", kFrozenGameFile, ":");
    ClearAt(17, 19);
    Write(failure->substr(0, 60));
    return;
  }
  ClearScreen();
  GotoXY(16, 12);
  Write("GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION");
  SayFarewell(NamedLine{"Bye for now pal!"}, "Press ESCAPE to exit ");
}

void OfferResume() {
  std::string text;
  const ReadResult result = ReadFrozenGameFile(text);
  if (result == ReadResult::Absent) return;

  Delay(500);
  WriteTitleLines();
  int key;
  do {
    GotoXY(23, 21);
    Delay(500);
    Write("Resume frozen game  or begin new game, R or B? ");
    key = ReadPromptKey([](int k) { return k == 'r' || k == 'b' || k == kKeyEscape; });
  } while (key != 'r' && key != 'b' && key != kKeyEscape);
  if (key == kKeyEscape) QuitAtStart();
  if (key == 'b') return;

  FrozenGame frozen;
  std::string problem;
  if (result == ReadResult::TooLarge) {
    problem = "It is far larger than a frozen game can be.";
  } else if (ParseFrozenGame(text, frozen, problem)) {
    LoadFrozenGame(frozen);
    ShowResumeReport();
    return;
  }
  ReportDamagedFile(problem);
}

}  // namespace ballotrek
