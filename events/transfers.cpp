#include <string>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

constexpr int kNotFound = -1;

// The first position at or after the start, in flying order, with the owner
// sought; after Washington DC comes Virginia. Position 0 is examined only
// when the scan starts there.
int ScanFrom(int start, int ownerSought) {
  int position = start;
  for (int step = 0; step <= kLastPosition; ++step) {
    if (game.owner[position] == ownerSought) return position;
    position = position >= kLastPosition ? 1 : position + 1;
  }
  return kNotFound;
}

int OtherSide(int side) {
  return side == player ? computer : player;
}

void SayGrant(int grant, int side, int position) {
  const std::string_view name = BoardTable[position].name;
  const int votes = BoardTable[position].electoralVotes;
  if (side == player) {
    switch (grant) {
      case 1:
        return Print("You win ", name, " and its ", votes, " votes ", game.firstName, "\n");
      case 2:
        return Print("You also get ", name, " and its ", votes, " votes\n");
      default:
        return Print("And you get ", name, " and its ", votes, " votes\n");
    }
  }
  switch (grant) {
    case 1:
      return Print("Goodie goodie, I take ", name, " and its ", votes, " votes ", game.firstName,
                   "\n");
    case 2:
      return Print("I also take ", name, " and its ", votes, " votes\n");
    default:
      return Print("And I get ", name, " and its ", votes, " votes\n");
  }
}

void SayNoneLeft(int grant, int side) {
  const std::string& name = game.firstName;
  switch (grant) {
    case 1:
      return side == player ? Print("There are no unclaimed states left to win ", name, "\n")
                            : Print("There are no unclaimed states left for me ", name, "\n");
    case 2:
      return side == player ? Print("That is it ", name, ", there are no more states")
                            : Print("That is the last one ", name, ", no more states");
    default:
      return side == player ? Print("Unfortunately ", name, " there are no more states")
                            : Print("I got the last one ", name, ", the cupboard is bare");
  }
}

}  // namespace

void TransferStateToOpponent() {
  const int start = RollForOutcome(65);
  GotoXY(1, 14);
  const int side = game.currentSide;
  const int other = OtherSide(side);
  const std::string& name = game.firstName;
  if (CandidateOf(side).position == SmokeRoomPosition) {
    // The price of leaving the smoke filled room.
    if (SoundOn()) PlayClip("data\\smin.wav");
    Write("One for the road!\n");
  }
  const int position = ScanFrom(start, side);
  if (position == kNotFound) {
    if (side == player) {
      Print("Lucky you ", name, " you do not have any states to lose!");
    } else {
      Print("Sorry ", name, " I do not have a single state yet");
    }
    return;
  }
  const BoardPosition& state = BoardTable[position];
  if (side == player) {
    Print("Too bad ", name, " you give me ", state.name, " and its ", state.electoralVotes,
          " votes");
  } else {
    Print("Darn it ", name, ", I must give you ", state.name, " and its ", state.electoralVotes,
          " votes!");
  }
  SetOwner(position, other);
}

void GainUnclaimedStates(int count) {
  const int firstStart = RollForOutcome(65);
  GotoXY(1, 11);
  const int side = game.currentSide;
  for (int grant = 1; grant <= count; ++grant) {
    int start = firstStart;
    if (grant == 2 || (grant == 3 && side == player)) start = Rand() % 65 + 1;
    if (grant == 3 && side == computer) start = Rand() % 66;
    const int position = ScanFrom(start, Unclaimed);
    if (position == kNotFound) {
      return SayNoneLeft(grant, side);
    }
    SayGrant(grant, side, position);
    SetOwner(position, side);
  }
}

}  // namespace ballotrek
