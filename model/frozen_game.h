// The frozen game: bkt.dat in the working directory, 155 lines of text.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/board.h"

namespace ballotrek {

inline constexpr const char* kFrozenGameFile = "bkt.dat";
inline constexpr int kFrozenGameLines = 155;

// Saves the game and ends the program; when the file cannot be written it
// says so on screen and returns, the game intact.
void FreezeGame();
// Offers to resume a frozen game, if there is one, and loads it on R.
void OfferResume();
void DeleteFrozenGame();

// What a frozen game carries.
struct FrozenGame {
  int turnCount = 0;
  int playerVotes = 0;
  int computerVotes = 0;
  int playerPosition = 0;
  int computerPosition = 0;
  float playerMoney = 0;
  float computerMoney = 0;
  std::string firstName;
  std::string partyName;
  std::array<int, kBoardSize> owner{};
  std::array<int, 30> reservedBlock{};
};

// The file's text for the game in progress; draws the 50 filler numbers.
std::string FrozenGameText();

// Reads and checks a frozen game's text. On a damaged file returns false
// and a sentence saying what is wrong with it.
bool ParseFrozenGame(std::string_view text, FrozenGame& frozen, std::string& problem);

}  // namespace ballotrek
