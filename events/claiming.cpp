#include <array>
#include <string>

#include "console/console.h"
#include "events/events.h"
#include "events/named_line.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

bool IsTryState(int position) {
  return BoardTable[position].kind == PositionKind::TryState;
}

constexpr std::array<NamedLine, 20> kPlayerWinLines = {
    NamedLine{"It is your baby\n"},
    Named("Put it in your shopping bag ", "\n"),
    NamedLine{"You  have it, shove it in your shorts\n"},
    NamedLine{"You bagged it\n"},
    Named("You are racking them up ", "\n"),
    NamedLine{"Toss it into your basket\n"},
    NamedLine{"Okay, you have nailed it\n"},
    NamedLine{"You have harpooned it\n"},
    Named("Stuff it in your pocket ", "\n"),
    PartyNamed("It is now ", " territory\n"),
    Named("It is now the land of ", "\n"),
    Named("You got it ", " but do not get greedy\n"),
    Named("Take it away ", " but leave a few for me please\n"),
    Named("Jam it in your briefcase ", "\n"),
    Named("Here you are ", ", hang it around your neck\n"),
    Named("Here ", ", put it under your hat\n"),
    Named("Shove it in your knapsack ", "\n"),
    Named("Stick it under your shirt ", "\n"),
    Named("Here ", ", put it under your arm\n"),
    Named("Slip it into your wallet ", "\n"),
};

constexpr std::array<NamedLine, 6> kComputerWinLines = {
    NamedLine{"I will take it \x1E it goes in my column\n"},
    NamedLine{"I am grabbing it\n"},
    NamedLine{"It is a deal, it is now my territory\n"},
    Named("I want it ", "\n"),
    Named("I am claiming it right now ", "\n"),
    Named("I put it in my back pocket ", "\n"),
};

constexpr std::array<NamedLine, 8> kThinkingLines = {
    NamedLine{"Let me see \x1E what shall I do \x1E it is a tough decision\n"},
    NamedLine{"Pardon me while I think, wow my wires are getting hot\n"},
    NamedLine{"Hum dee dum \x1E\x1E do I want it?\n"},
    NamedLine{"Shoot, this is a hard decision\n"},
    NamedLine{"Gee willickers!  What is best for me?\n"},
    NamedLine{"One second please, hum dee dum dee dum dee dum\n"},
    Named("Golly ", ", please be quiet while I concentrate\n"),
    NamedLine{"Holy moley \x1E I must decide\n"},
};

void OfferPurchase(int position, float price) {
  const int key = AskAt(17, 21, "Want it?  Y or N  ", "yn");
  GotoXY(1, 7);
  if (key == 'n') return;

  ChangeMoney(game.player, -price);  // paid whatever follows
  const bool tryState = IsTryState(position);
  const int roll = tryState ? RollForOutcome(12) : Rand() % 10 + 1;
  const bool won = tryState ? roll <= 8 : roll <= 9;
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
    SetOwner(position, player);
    GotoXY(1, 7);
    Write(kPlayerWinLines[Rand() % 20]);
  } else if (!tryState) {
    if (SoundOn()) PlayClip("data\\lost.wav");
    GotoXY(1, 7);
    Print("No good ", name, ", you dropped it and it rolled away\n");
    Write("It remains unclaimed\n");
  } else {
    Delay(1000);
    if (SoundOn()) PlayClip("data\\lost.wav");
    GotoXY(1, 7);
    Print("You failed to get it ", name, "\n");
    if (game.computer.position == SmokeRoomPosition) {
      Write("I am in this room and cannot take any states\n");
    } else {
      Print("It comes over to me ", name, ", thanks for the gift\n");
      SetOwner(position, computer);
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
        Print("I will let it go ", name, "\n");
        break;
      default:
        Write("I am not interested\n");
        break;
    }
    return;
  }

  ThinkAloud();
  ChangeMoney(game.computer, -price);
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
    SetOwner(position, computer);
    if (tryState) {
      Delay(1000);
      if (SoundOn()) PlayClip("data\\wich.wav");
      Print("I got it ", name, "\n");
    } else {
      GotoXY(1, 9);
      Write(kComputerWinLines[Rand() % 6]);
    }
  } else if (!tryState) {
    GotoXY(1, 7);
    Print("Oh no ", name, ", I grabbed it and it slipped through my wiry fingers\n");
    Write("It is still an unclaimed state\n");
  } else {
    Delay(1000);
    if (SoundOn()) PlayClip("data\\lost.wav");
    GotoXY(1, 7);
    Print("Nuts!  I lost it ", name, "\n");
    if (game.player.position == SmokeRoomPosition) {
      Write("You are in the smoke filled room and do not get it\n");
    } else {
      Print("You get it ", name, ", you owe me one now\n");
      SetOwner(position, player);
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
  // Most of the time the computer thinks in silence.
  const int k = Rand() % 24 + 1;
  if (k <= static_cast<int>(kThinkingLines.size())) Write(kThinkingLines[k - 1]);
  Delay(3000);
}

}  // namespace ballotrek
