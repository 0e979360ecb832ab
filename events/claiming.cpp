#include <array>
#include <string>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

bool IsTryState(int position) {
  return BoardTable[position].kind == PositionKind::TryState;
}

void WriteAt(int column, int row, const std::string& text) {
  GotoXY(column, row);
  Write(text);
}

std::string PlayerWinLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "It is your baby\n";
    case 1:
      return "Put it in your shopping bag " + name + "\n";
    case 2:
      return "You  have it, shove it in your shorts\n";
    case 3:
      return "You bagged it\n";
    case 4:
      return "You are racking them up " + name + "\n";
    case 5:
      return "Toss it into your basket\n";
    case 6:
      return "Okay, you have nailed it\n";
    case 7:
      return "You have harpooned it\n";
    case 8:
      return "Stuff it in your pocket " + name + "\n";
    case 9:
      return "It is now " + game.partyName + " territory\n";
    case 10:
      return "It is now the land of " + name + "\n";
    case 11:
      return "You got it " + name + " but do not get greedy\n";
    case 12:
      return "Take it away " + name + " but leave a few for me please\n";
    case 13:
      return "Jam it in your briefcase " + name + "\n";
    case 14:
      return "Here you are " + name + ", hang it around your neck\n";
    case 15:
      return "Here " + name + ", put it under your hat\n";
    case 16:
      return "Shove it in your knapsack " + name + "\n";
    case 17:
      return "Stick it under your shirt " + name + "\n";
    case 18:
      return "Here " + name + ", put it under your arm\n";
    default:
      return "Slip it into your wallet " + name + "\n";
  }
}

std::string ComputerWinLine(int draw) {
  const std::string& name = game.firstName;
  switch (draw) {
    case 0:
      return "I will take it \x1E it goes in my column\n";
    case 1:
      return "I am grabbing it\n";
    case 2:
      return "It is a deal, it is now my territory\n";
    case 3:
      return "I want it " + name + "\n";
    case 4:
      return "I am claiming it right now " + name + "\n";
    default:
      return "I put it in my back pocket " + name + "\n";
  }
}

std::string ThinkingLine(int k) {
  switch (k) {
    case 1:
      return "Let me see \x1E what shall I do \x1E it is a tough decision\n";
    case 2:
      return "Pardon me while I think, wow my wires are getting hot\n";
    case 3:
      return "Hum dee dum \x1E\x1E do I want it?\n";
    case 4:
      return "Shoot, this is a hard decision\n";
    case 5:
      return "Gee willickers!  What is best for me?\n";
    case 6:
      return "One second please, hum dee dum dee dum dee dum\n";
    case 7:
      return "Golly " + game.firstName + ", please be quiet while I concentrate\n";
    case 8:
      return "Holy moley \x1E I must decide\n";
    default:
      return "";  // most of the time the computer thinks in silence
  }
}

void OfferPurchase(int position, float price) {
  const int key = AskAt(17, 21, "Want it?  Y or N  ", "yn");
  GotoXY(1, 7);
  if (key == 'n') return;

  game.player.money -= price;  // paid whatever follows
  const bool tryState = IsTryState(position);
  const int roll = tryState ? RollForOutcome(12) : Rand() % 10 + 1;
  const bool won = tryState ? roll <= 8 : roll <= 9;
  const int votes = BoardTable[position].electoralVotes;
  const std::string& name = game.firstName;

  if (won) {
    if (SoundOn()) {
      if (tryState) {
        Delay(1000);
        PlayClip("data\\wich.wav");
      } else {
        PlayClip("data\\bust.wav");
      }
    }
    game.player.votes += votes;
    WriteAt(1, 7, PlayerWinLine(Rand() % 20));
    game.owner[position] = player;
  } else if (!tryState) {
    if (SoundOn()) PlayClip("data\\lost.wav");
    WriteAt(1, 7, "No good " + name + ", you dropped it and it rolled away\n");
    Write("It remains unclaimed\n");
  } else {
    Delay(1000);
    if (SoundOn()) PlayClip("data\\lost.wav");
    WriteAt(1, 7, "You failed to get it " + name + "\n");
    if (game.computer.position == SmokeRoomPosition) {
      Write("I am in this room and cannot take any states\n");
    } else {
      Write("It comes over to me " + name + ", thanks for the gift\n");
      game.owner[position] = computer;
      game.computer.votes += votes;
    }
  }
  ShowStandingLine();
}

bool ComputerWantsToBuy(int stateVotes) {
  const int d = Rand() % 3 + 1;  // drawn before any rule is tested
  const int cv = game.computer.votes;
  const int pv = game.player.votes;
  const float money = game.computer.money;
  return cv >= 200 || stateVotes > 10 || (cv >= 160 && cv <= 199 && stateVotes > 5) ||
         (pv >= 200 && money >= 7.0f) ||
         (cv < 160 && stateVotes >= 6 && stateVotes <= 10 && d >= 2) || (stateVotes <= 5 && d == 3);
}

void DecidePurchase(int position, float price) {
  const int votes = BoardTable[position].electoralVotes;
  const std::string& name = game.firstName;
  if (!ComputerWantsToBuy(votes)) {
    ThinkAloud();
    switch (Rand() % 3 + 1) {
      case 1:
        Write("I will pass on this one\n");
        break;
      case 2:
        Write("I will let it go " + name + "\n");
        break;
      default:
        Write("I am not interested\n");
        break;
    }
    return;
  }

  ThinkAloud();
  game.computer.money -= price;
  const bool tryState = IsTryState(position);
  int roll;
  if (tryState) {
    Write("I will take a stab at it\n");
    roll = RollForOutcome(12);
    GotoXY(1, 7);
  } else {
    roll = Rand() % 10 + 1;
  }
  const bool won = tryState ? roll <= 10 : roll <= 9;

  if (won) {
    game.computer.votes += votes;
    if (tryState) {
      Delay(1000);
      if (SoundOn()) PlayClip("data\\wich.wav");
      Write("I got it " + name + "\n");
    } else {
      WriteAt(1, 9, ComputerWinLine(Rand() % 6));
    }
    game.owner[position] = computer;
  } else if (!tryState) {
    WriteAt(1, 7, "Oh no " + name + ", I grabbed it and it slipped through my wiry fingers\n");
    Write("It is still an unclaimed state\n");
  } else {
    Delay(1000);
    if (SoundOn()) PlayClip("data\\lost.wav");
    WriteAt(1, 7, "Nuts!  I lost it " + name + "\n");
    if (game.player.position == SmokeRoomPosition) {
      Write("You are in the smoke filled room and do not get it\n");
    } else {
      Write("You get it " + name + ", you owe me one now\n");
      game.owner[position] = player;
      game.player.votes += votes;
    }
  }
  ShowStandingLine();
}

}  // namespace

void PlayerLandsOnState(int position, float price) {
  const int owner = game.owner[position];
  if (owner == Unclaimed) {
    if (price <= game.player.money) {
      OfferPurchase(position, price);
    } else {
      Write("You cannot afford it\n");
    }
  } else if (owner == computer) {
    OfferChallenge(position, price);
  }
}

void ComputerLandsOnState(int position, float price) {
  const int owner = game.owner[position];
  if (owner == Unclaimed) {
    if (price <= game.computer.money) {
      DecidePurchase(position, price);
    } else {
      Write("I do not have sufficient funds for it\n");
    }
  } else if (owner == player) {
    DecideChallenge(position, price);
  }
}

void ThinkAloud() {
  Write(ThinkingLine(Rand() % 24 + 1));
  Delay(3000);
}

}  // namespace ballotrek
