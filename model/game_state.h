// The one record of the game in progress, read and written directly by every
// part of the game. Nobody keeps a copy.
#pragma once

#include <array>
#include <string>

#include "model/board.h"

namespace ballotrek {

enum Side : int { NoSide = 0, player = 1, computer = 2 };

struct Candidate {
  float money = 100.0f;  // millions of dollars; may go below zero
  int votes = 0;
  int position = 0;
  bool inSmokeRoom = false;
};

// Deals the numbers 1 to size once each, in random order, then starts over.
struct NoRepeatDeck {
  static constexpr int kMaxSize = 30;
  int size;
  std::array<int, kMaxSize> slots{};  // slot k holds the k-th number dealt, 0 when empty
};

struct GameState {
  Candidate player;
  Candidate computer;
  std::array<int, kBoardSize> owner{};
  int currentSide = NoSide;
  char soundFlag = 0;  // 'y' on, 'n' off, anything else counts as off
  int resumedGame = 0;
  int turnCount = 0;  // the player's take-offs so far
  std::string firstName;
  std::string partyName;
  std::array<int, 30> reservedBlock{};  // carried by the frozen game, nothing else
  NoRepeatDeck newsDeck{30};
  NoRepeatDeck roomDeck{8};
  NoRepeatDeck triviaDeck{28};
  NoRepeatDeck voiceDeck{15};
};

extern GameState game;

// Puts the record back to the start of a new game.
void ResetGameState();

Candidate& CandidateOf(int side);

// Money is kept to the cent (0.01 million). Every amount of the rules is a
// whole number of tenths, but single-precision sums drift (7.39999 for 7.4)
// and a drifted amount can fall on the wrong side of a threshold.
float ToTheCent(double money);
// Adds the change (negative for a payment) to the candidate's money, to the
// cent. Every change of money goes through here.
void ChangeMoney(Candidate& candidate, float change);
bool SoundOn();

// A number from 1 to the deck's size not dealt since the deck last emptied;
// the draw that deals the last number empties the deck again.
int DrawFromDeck(NoRepeatDeck& deck);

}  // namespace ballotrek
