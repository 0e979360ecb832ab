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

// The cards of each deck: one for each line of its table, which says so
// where it is written.
inline constexpr int kNewsStories = 30;
inline constexpr int kRoomScenes = 8;
inline constexpr int kTriviaFacts = 28;
inline constexpr int kPresidentVoices = 15;

// Values the frozen game carries that nothing in the game uses.
inline constexpr int kReservedValues = 30;

// Deals the numbers 1 to size once each, in random order, then starts over.
struct NoRepeatDeck {
  static constexpr int kMaxSize = kNewsStories;
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
  std::array<int, kReservedValues> reservedBlock{};
  NoRepeatDeck newsDeck{kNewsStories};
  NoRepeatDeck roomDeck{kRoomScenes};
  NoRepeatDeck triviaDeck{kTriviaFacts};
  NoRepeatDeck voiceDeck{kPresidentVoices};
};

extern GameState game;

// Puts the record back to the start of a new game.
void ResetGameState();

Candidate& CandidateOf(int side);

// Gives the state at the position to the owner (a side, or Unclaimed), the
// votes going with it, so that each side's votes stay those of its states.
// Every change of owner goes through here.
void SetOwner(int position, int owner);

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
