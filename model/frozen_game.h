// The frozen game: bkt.dat in the working directory, 155 lines of text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "console/file_store.h"
#include "model/board.h"
#include "model/game_state.h"

namespace ballotrek {

inline constexpr const char* kFrozenGameFile = "bkt.dat";
inline constexpr int kFrozenGameLines = 155;
// Far more take-offs than any game lasts, and far from overflowing the count.
inline constexpr int kMostFlights = 1000000;

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
  std::array<int, kReservedValues> reservedBlock{};
};

// The file's text for the game in progress; draws the 50 filler numbers.
std::string FrozenGameText();

// Reads and checks a frozen game's text. On a damaged file returns false
// and a sentence saying what is wrong with it.
bool ParseFrozenGame(std::string_view text, FrozenGame& frozen, std::string& problem);

// Makes a checked frozen game the game in progress, as resumed.
void LoadFrozenGame(const FrozenGame& frozen);

// Replaces bkt.dat with the game in progress; on failure says why, and the
// earlier file is untouched.
std::optional<std::string> SaveFrozenGame();
// Reads bkt.dat whole, unless it is absent or far too large for a frozen game.
ReadResult ReadFrozenGameFile(std::string& text);
void DeleteFrozenGame();

}  // namespace ballotrek
