// The board: the start position and the 65 squares the jets fly around,
// counterclockwise from Virginia to Washington DC.
#pragma once

#include <array>
#include <string_view>

namespace ballotrek {

enum class PositionKind {
  Start,
  State,
  TryState,  // New York, California, Texas, Florida: the price buys a try
  EveningNews,
  Atlantic,
  Blizzard,
  SmokeFilledRoom,
  PressConference,
  GolfOuting,
  Scandal,
};

// Owner codes; the two sides use their Side numbers.
inline constexpr int Unclaimed = 0;
inline constexpr int NotOwnable = 3;

struct BoardPosition {
  std::string_view name;
  PositionKind kind;
  int electoralVotes;
  float price;
  int initialOwner;
};

inline constexpr int kBoardSize = 66;  // position 0 and the squares 1 to 65
inline constexpr int kLastPosition = 65;
inline constexpr int SmokeRoomPosition = 33;
// Where a jet called back to Washington is put down: the capital's airport,
// Reagan National, stands across the river in Virginia, square 1, and the
// flight goes on from there (Washington DC itself is square 65).
inline constexpr int kWashingtonAirportPosition = 1;

inline constexpr int TotalElectoralVotes = 538;
// More than half of the votes wins; half each is a tie that the House breaks.
inline constexpr int kTiedVotes = TotalElectoralVotes / 2;
inline constexpr int kWinningVotes = kTiedVotes + 1;
inline constexpr double BrokeThreshold = 0.05;

extern const std::array<BoardPosition, kBoardSize> BoardTable;

// Below the threshold a candidate is out of money; 0.05 itself still counts.
inline bool IsBroke(float money) { return static_cast<double>(money) < BrokeThreshold; }

}  // namespace ballotrek
