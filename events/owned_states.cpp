#include <string>

#include "console/console.h"
#include "events/events.h"
#include "events/named_line.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

constexpr std::array<NamedLine, 5> kPlayerOwnsItLines = {
    Named("You already bagged this one ", "\n"),
    NamedLine{"You already have it\n"},
    NamedLine{"You grabbed it a while ago\n"},
    Named("You obtained it earlier ", "\n"),
    Named("No need to take it again \x1E ", ", it is already yours\n"),
};

constexpr std::array<NamedLine, 3> kComputerOwnsItLines = {
    NamedLine{"I already have it\n"},
    Named("I snapped it up earlier ", "\n"),
    NamedLine{"It is already Technocrat country\n"},
};

constexpr std::array<NamedLine, 5> kOnComputerStateLines = {
    Named("Sorry ", ", I have it\n"),
    Named("This is my state. ", "\n"),
    Named("I own it ", ", so nice of you to drop by\n"),
    Named("You are in my territory ", ", but no need to hurry off\n"),
    Named("I got here first ", ", it is mine\n"),
};

constexpr std::array<NamedLine, 15> kOnPlayerStateLines = {
    Named("You beat me to it ", ", it is your baby\n"),
    NamedLine{"Looks like you got here first\n"},
    Named("It is yours ", ", I just dropped in  to visit\n"),
    Named("Nice state you have here ", "\n"),
    Named("Thanks for letting me rest here ", "\n"),
    PartyNamed("This is ", " country\n"),
    Named("I see you have spruced up the place ", "\n"),
    Named("Your state, nice decorating job ", "\n"),
    Named("Your state, looks like you had a wild party in here ", "\n"),
    Named("You own it, this ugly carpet needs replacing ", "\n"),
    Named("You own it, mind if I use your bathroom ", "\n"),
    Named("You bagged it, I will just crash here for a while ", "\n"),
    Named("Your house, but you will not mind if I raid the fridge ", "\n"),
    Named("Your country, I will just rest here a while and watch some TV ", "\n"),
    Named("Your territory, man you did some job in here ", "\n"),
};

constexpr std::array<NamedLine, 5> kPlayerChallengeFailedLines = {
    Named("Too bad ", ", you bungled it!\n"),
    Named("What a pity ", ", you did not make it\n"),
    NamedLine{"No good!  It is still mine\n"},
    Named("Nice try ", ",but you messed it up\n"),
    Named("I can breathe easier now ", ", you failed to get it\n"),
};

constexpr std::array<NamedLine, 5> kPlayerChallengeWonLines = {
    Named("Oh no \x1E you robbed me ", ", you took it\n"),
    Named("Fooey, you grabbed it ", "\n"),
    NamedLine{"Darn it!  You snatched it away\n"},
    Named("My goodness ", ", you ripped me off\n"),
    Named("Holy Moses ", ", you got it\n"),
};

constexpr std::array<NamedLine, 6> kRefusalLines = {
    NamedLine{"I will not attempt it\n"},
    Named("No ", ", it is too risky for me\n"),
    NamedLine{"You can keep it\n"},
    Named("I am not such a gambler ", "\n"),
    Named("No way ", ", I will not challenge for it\n"),
    Named("It is too much of a long shot ", "\n"),
};

// Money prints in the default format, so a cost of 7.8 shows as 7.8.
void PrintCost(float cost) {
  Print("A challenge costs ", cost, " million bucks\n");
}

bool ComputerWantsToChallenge(int stateVotes, float cost) {
  const int pv = game.player.votes;
  const int cv = game.computer.votes;
  const float money = game.computer.money;
  return (pv - cv >= 100 && stateVotes > 10) || (money >= 15.0f && stateVotes > 20) ||
         (pv >= 250 && money >= 15.0f && stateVotes > 5) ||
         (cv >= 250 && stateVotes > 10 && money >= 150.0f) ||
         (cv + stateVotes >= kWinningVotes && money - cost > 7.0f) ||
         (pv >= 220 && money >= 30.0f && stateVotes > 10);
}

void RemarkOnComputerState() {
  Write(kOnComputerStateLines[Rand() % 5]);
}

void RemarkOnPlayerState() {
  Write(kOnPlayerStateLines[Rand() % 15]);
}

}  // namespace

void RemarkAlreadyOwned() {
  if (game.currentSide == player) {
    Write(kPlayerOwnsItLines[Rand() % 5]);
  } else {
    const int k = Rand() % 3 + 1;
    Write(kComputerOwnsItLines[k - 1]);
  }
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

  ChangeMoney(game.player, -cost);
  const int roll = RollForOutcome(12);
  GotoXY(1, 11);
  Delay(1000);
  if (roll <= 9) {
    if (SoundOn()) PlayClip("data\\lost.wav");
    Write(kPlayerChallengeFailedLines[Rand() % 5]);
  } else {
    SetOwner(position, player);
    if (SoundOn()) PlayClip("data\\wich.wav");
    Write(kPlayerChallengeWonLines[Rand() % 5]);
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
    Write(kRefusalLines[Rand() % 6]);
    return;
  }

  Write("I am going to go for it!\n");
  ChangeMoney(game.computer, -cost);
  const int roll = RollForOutcome(12);
  GotoXY(1, 15);
  Delay(1000);
  if (roll <= 9) {
    if (SoundOn()) PlayClip("data\\lost.wav");
    Write("Shucks!  I blew it\n");
  } else {
    SetOwner(position, computer);
    if (SoundOn()) PlayClip("data\\wich.wav");
    Write("Yippey!  I did it \x1E it is mine now\n");
  }
  ShowStandingLine();
}

}  // namespace ballotrek
