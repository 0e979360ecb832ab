#include <string>

#include "console/console.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "screens/credits.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

template <typename... Pieces>
void WriteAt(int column, int row, const Pieces&... pieces) {
  GotoXY(column, row);
  Print(pieces...);
}

// The side that did not go broke takes every state still unclaimed and
// with them every vote nobody holds.
void GiveRemainingStatesTo(int side) {
  for (int position = 1; position <= kLastPosition; ++position) {
    if (game.owner[position] == Unclaimed) SetOwner(position, side);
  }
}

bool Tied() {
  return game.player.votes == kTiedVotes && game.computer.votes == kTiedVotes;
}

void PlayerWinsByVotes(const std::string& name) {
  WriteAt(22, 3, "Congratulations ", name, ", you beat me!");
  WriteAt(17, 5, "You have brought the ", game.partyName, " party to victory");
  GotoXY(23, 7);
  Print("You win with ", game.player.votes, " votes, i have ", game.computer.votes);
}

void ComputerWinsByVotes(const std::string& name) {
  WriteAt(21, 3, "I beat you ", name, " fair and square!");
  WriteAt(18, 5, "I have brought the Technocrat Party to victory");
  GotoXY(23, 7);
  Print("I win with ", game.computer.votes, " votes, you have ", game.player.votes);
}

void ComputerWentBroke(const std::string& name) {
  WriteAt(19, 3, "Congratulations ", name, ", you beat me!");
  WriteAt(21, 5, "I lost my shirt and i feel pretty hurt.");
  WriteAt(17, 7, "You have brought the ", game.partyName, " party to victory");
  WriteAt(23, 9, "But ", name, ", i will get you next time for sure!");
  WriteAt(12, 11, "You get the remaining states and electoral votes");
  GiveRemainingStatesTo(player);
  GotoXY(23, 13);
  Print("You win with ", game.player.votes, " votes, I have ", game.computer.votes, " votes");
  if (Tied()) {
    WriteAt(11, 15, "The House of Representatives broke the tie in your favor!");
    WriteAt(11, 17, "They say i cannot handle money, heh heh ha ha ho ho heh he ha ho ho he he ha");
  }
}

void PlayerWentBroke(const std::string& name) {
  WriteAt(30, 3, "I beat you ", name);
  WriteAt(13, 5, "Your campaign is now trash since you ran out of cash.");
  WriteAt(20, 7, "I have brought the Technocrats to sweet victory.");
  WriteAt(24, 9, "Oh ", name, ", you are no match for me");
  WriteAt(17, 11, "I get the remaining states and electoral votes");
  GiveRemainingStatesTo(computer);
  GotoXY(23, 13);
  Print("I win with ", game.computer.votes, " votes, you have ", game.player.votes, " votes");
  if (Tied()) {
    WriteAt(11, 15, "The House of Representatives broke the tie in my favor!");
    WriteAt(11, 17, "They know that i am better with a buck!  Oh yes, they are right");
    WriteAt(5, 19, "I will enjoy my term in office, better luck next time ", name);
  }
}

// A 269-269 tie goes to the House, which looks at the money.
void HouseBreaksTheTie(const std::string& name) {
  WriteAt(30, 3, "It is an electoral vote tie at 269 votes each");
  GotoXY(11, 5);
  if (game.player.money < game.computer.money) {
    Write("The House of Representatives broke the tie in my favor!");
    WriteAt(11, 7, "They know that i am better with a buck!  oh yes, they are right");
    WriteAt(5, 9, "I will enjoy my term in office, better luck next time ", name);
  } else if (game.computer.money < game.player.money) {
    Write("The House of Representatives broke the tie in your favor!");
    WriteAt(1, 7,
            "They say  that you are better with a buck!\n"
            "Oh well, that is a dubious assertion at best");
    WriteAt(5, 10, "So enjoy your term in office, I will win  next time ", name);
  } else {
    Write("The House of Representatives broke the tie in your favor!");
    WriteAt(1, 7, "They say  that it is better to have a human as President than a computer!");
    WriteAt(1, 9, "That is blatant discrimination ", name, " and I object");
    WriteAt(5, 11, "So enjoy your term in office, I will win  next time ", name);
  }
}

void ShowOutcome() {
  const std::string& name = game.firstName;
  if (game.player.votes >= kWinningVotes) {
    PlayerWinsByVotes(name);
  } else if (game.computer.votes >= kWinningVotes) {
    ComputerWinsByVotes(name);
  } else if (IsBroke(game.computer.money)) {
    ComputerWentBroke(name);
  } else if (IsBroke(game.player.money)) {
    PlayerWentBroke(name);
  } else if (Tied()) {
    HouseBreaksTheTie(name);
  }
}

// Lists on request until the space bar; H opens the help screen, whose
// chosen letter counts as if typed here.
void OfferFinalLists() {
  for (;;) {
    Delay(200);
    ClearAt(20, 24);
    Write("Press a letter for a state listing or space bar to end ");
    int key = ReadPromptKey([](int k) {
      return k == 'h' || k == 'u' || k == 'p' || k == 'c' || k == 'b' || k == 'm' || k == kKeySpace;
    });
    if (key == 'h') key = ShowHelp();
    if (key == 'u' || key == 'p' || key == 'c' || key == 'b') {
      ShowList(key);
    } else if (key == 'm') {
      ShowMap();
    } else if (key == kKeySpace) {
      return;
    }
  }
}

}  // namespace

void EndGame() {
  Delay(3000);  // the last landing stays readable
  ClearScreen();
  if (SoundOn()) PlayClip("data\\hail.wav");
  ShowOutcome();
  Print("\nYou took ", game.turnCount, " flights in your campaign");
  OfferFinalLists();
  DeleteFrozenGame();

  ClearScreen();
  ClearAt(1, 24);
  SayFarewell(Named("Happy campaigning ", ""), "Press escape to exit ");
}

}  // namespace ballotrek
