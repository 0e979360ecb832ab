#include <string>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

std::string PlayerOwnsItLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "You already bagged this one " + name + "\n";
    case 1:
      return "You already have it\n";
    case 2:
      return "You grabbed it a while ago\n";
    case 3:
      return "You obtained it earlier " + name + "\n";
    default:
      return "No need to take it again \x1E " + name + ", it is already yours\n";
  }
}

std::string ComputerOwnsItLine(int draw) {
  switch (draw) {
    case 1:
      return "I already have it\n";
    case 2:
      return "I snapped it up earlier " + game.firstName + "\n";
    default:
      return "It is already Technocrat country\n";
  }
}

std::string OnComputerStateLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "Sorry " + name + ", I have it\n";
    case 1:
      return "This is my state. " + name + "\n";
    case 2:
      return "I own it " + name + ", so nice of you to drop by\n";
    case 3:
      return "You are in my territory " + name + ", but no need to hurry off\n";
    default:
      return "I got here first " + name + ", it is mine\n";
  }
}

std::string OnPlayerStateLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "You beat me to it " + name + ", it is your baby\n";
    case 1:
      return "Looks like you got here first\n";
    case 2:
      return "It is yours " + name + ", I just dropped in  to visit\n";
    case 3:
      return "Nice state you have here " + name + "\n";
    case 4:
      return "Thanks for letting me rest here " + name + "\n";
    case 5:
      return "This is " + game.partyName + " country\n";
    case 6:
      return "I see you have spruced up the place " + name + "\n";
    case 7:
      return "Your state, nice decorating job " + name + "\n";
    case 8:
      return "Your state, looks like you had a wild party in here " + name + "\n";
    case 9:
      return "You own it, this ugly carpet needs replacing " + name + "\n";
    case 10:
      return "You own it, mind if I use your bathroom " + name + "\n";
    case 11:
      return "You bagged it, I will just crash here for a while " + name + "\n";
    case 12:
      return "Your house, but you will not mind if I raid the fridge " + name + "\n";
    case 13:
      return "Your country, I will just rest here a while and watch some TV " + name + "\n";
    default:
      return "Your territory, man you did some job in here " + name + "\n";
  }
}

std::string PlayerChallengeFailedLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "Too bad " + name + ", you bungled it!\n";
    case 1:
      return "What a pity " + name + ", you did not make it\n";
    case 2:
      return "No good!  It is still mine\n";
    case 3:
      return "Nice try " + name + ",but you messed it up\n";
    default:
      return "I can breathe easier now " + name + ", you failed to get it\n";
  }
}

std::string PlayerChallengeWonLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "Oh no \x1E you robbed me " + name + ", you took it\n";
    case 1:
      return "Fooey, you grabbed it " + name + "\n";
    case 2:
      return "Darn it!  You snatched it away\n";
    case 3:
      return "My goodness " + name + ", you ripped me off\n";
    default:
      return "Holy Moses " + name + ", you got it\n";
  }
}

std::string RefusalLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "I will not attempt it\n";
    case 1:
      return "No " + name + ", it is too risky for me\n";
    case 2:
      return "You can keep it\n";
    case 3:
      return "I am not such a gambler " + name + "\n";
    case 4:
      return "No way " + name + ", I will not challenge for it\n";
    default:
      return "It is too much of a long shot " + name + "\n";
  }
}

// Money prints in the default format, so a cost of 7.8 shows as 7.8.
void PrintCost(float cost) {
  Print("A challenge costs ", cost, " million bucks\n");
}

void MoveState(int position, int from, int to) {
  const int votes = BoardTable[position].electoralVotes;
  CandidateOf(from).votes -= votes;
  CandidateOf(to).votes += votes;
  game.owner[position] = to;
}

bool ComputerWantsToChallenge(int stateVotes, float cost) {
  const int pv = game.player.votes;
  const int cv = game.computer.votes;
  const float money = game.computer.money;
  return (pv - cv >= 100 && stateVotes > 10) || (money >= 15.0f && stateVotes > 20) ||
         (pv >= 250 && money >= 15.0f && stateVotes > 5) ||
         (cv >= 250 && stateVotes > 10 && money >= 150.0f) ||
         (cv + stateVotes >= 270 && money - cost > 7.0f) ||
         (pv >= 220 && money >= 30.0f && stateVotes > 10);
}

}  // namespace

void RemarkAlreadyOwned() {
  if (game.currentSide == player) {
    Write(PlayerOwnsItLine(Rand() % 5));
  } else {
    Write(ComputerOwnsItLine(Rand() % 3 + 1));
  }
}

void RemarkOnComputerState() {
  Write(OnComputerStateLine(Rand() % 5));
}

void RemarkOnPlayerState() {
  Write(OnPlayerStateLine(Rand() % 15));
}

void OfferChallenge(int position, float price) {
  const float cost = 2 * price;
  RemarkOnComputerState();
  if (game.player.money < cost) {
    Write("You cannot afford to challenge\n");
    return;
  }
  PrintCost(cost);
  if (AskAt(17, 21, "Want to try for it " + game.firstName + "?  Y or N  ", "yn") == 'n') return;

  game.player.money -= cost;
  const int roll = RollForOutcome(12);
  GotoXY(1, 11);
  Delay(1000);
  if (roll <= 9) {
    if (SoundOn()) PlayClip("data\\lost.wav");
    Write(PlayerChallengeFailedLine(Rand() % 5));
  } else {
    MoveState(position, computer, player);
    if (SoundOn()) PlayClip("data\\wich.wav");
    Write(PlayerChallengeWonLine(Rand() % 5));
  }
  ShowStandingLine();
}

void DecideChallenge(int position, float price) {
  const float cost = 2 * price;
  const int votes = BoardTable[position].electoralVotes;
  RemarkOnPlayerState();
  if (game.computer.money < cost) {
    Write("I do not have the bucks for it\n");
    return;
  }
  PrintCost(cost);
  ThinkAloud();
  if (!ComputerWantsToChallenge(votes, cost)) {
    Write(RefusalLine(Rand() % 6));
    return;
  }

  Write("I am going to go for it!\n");
  game.computer.money -= cost;
  const int roll = RollForOutcome(12);
  GotoXY(1, 15);
  Delay(1000);
  if (roll <= 9) {
    if (SoundOn()) PlayClip("data\\lost.wav");
    Write("Shucks!  I blew it\n");
  } else {
    MoveState(position, player, computer);
    if (SoundOn()) PlayClip("data\\wich.wav");
    Write("Yippey!  I did it \x1E it is mine now\n");
  }
  ShowStandingLine();
}

}  // namespace ballotrek
