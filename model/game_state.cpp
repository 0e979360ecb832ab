#include "model/game_state.h"

#include <algorithm>
#include <cmath>

#include "console/console.h"

namespace ballotrek {

namespace {

GameState NewGame() {
  GameState state;
  for (int position = 0; position < kBoardSize; ++position) {
    state.owner[position] = BoardTable[position].initialOwner;
  }
  return state;
}

}  // namespace

GameState game = NewGame();

void ResetGameState() {
  game = NewGame();
}

Candidate& CandidateOf(int side) {
  return side == player ? game.player : game.computer;
}

void SetOwner(int position, int owner) {
  const int votes = BoardTable[position].electoralVotes;
  if (const int before = game.owner[position]; before == player || before == computer) {
    CandidateOf(before).votes -= votes;
  }
  game.owner[position] = owner;
  if (owner == player || owner == computer) CandidateOf(owner).votes += votes;
}

float ToTheCent(double money) {
  return static_cast<float>(std::round(money * 100.0) / 100.0);
}

void ChangeMoney(Candidate& candidate, float change) {
  candidate.money = ToTheCent(static_cast<double>(candidate.money) + change);
}

bool SoundOn() {
  return game.soundFlag == 'y';
}

int DrawFromDeck(NoRepeatDeck& deck) {
  const auto first = deck.slots.begin();
  const auto last = first + deck.size;
  for (;;) {
    const int drawn = Rand() % deck.size + 1;
    const auto slot = std::find_if(first, last, [&](int s) { return s == drawn || s == 0; });
    if (slot == last) {  // cannot happen while every full deck is emptied at once
      std::fill(first, last, 0);
      continue;
    }
    if (*slot == drawn) continue;
    *slot = drawn;
    if (deck.slots[deck.size - 1] != 0) std::fill(first, last, 0);
    return drawn;
  }
}

}  // namespace ballotrek
