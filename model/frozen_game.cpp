#include "model/frozen_game.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "console/console.h"
#include "console/file_store.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

constexpr int kFillerLines = 50;
constexpr int kFirstOwnerLine = 60;
constexpr int kFirstReservedLine = 126;
// A frozen game is a few kilobytes at most; anything far larger is not one.
constexpr std::size_t kLargestFile = 64 * 1024;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Reads the lines of a frozen game, numbered from 1 as in the file, and
// remembers the first thing wrong with them.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

  bool ok() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }

  int Whole(int line, int lowest, int highest, const char* what) {
    if (!ok()) return 0;
    const std::string_view text = Trimmed(lines_[line - 1]);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
      Fail(line, "should hold a whole number");
    } else if (value < lowest || value > highest) {
      Fail(line, std::string("should hold ") + what);
    }
    return value;
  }

  // Money as the game writes it: a minus perhaps, digits with a point among
  // them perhaps, and perhaps an exponent. strtof takes more (a plus, blanks,
  // hex), so the form is checked first; it reads in the "C" locale, which the
  // game never leaves for numbers.
  float Money(int line) {
    if (!ok()) return 0;
    const std::string text(Trimmed(lines_[line - 1]));
    std::size_t at = 0;
    const auto digits = [&] {
      const std::size_t first = at;
      while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
      return at - first;
    };
    if (at < text.size() && text[at] == '-') ++at;
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') ++at, mantissa += digits();
    bool form = mantissa > 0;
    if (form && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
      ++at;
      if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
      form = digits() > 0;
    }
    errno = 0;
    const float value = form && at == text.size() ? std::strtof(text.c_str(), nullptr) : 0;
    // A number too small for a float, read as 0, is not what was written.
    if (!form || at != text.size() || !std::isfinite(value) || (errno == ERANGE && value == 0)) {
      Fail(line, "should hold a sum of money");
    }
    return value;
  }

  // Bytes 0x80 to 0x9F are letters where a file was written in a code page,
  // so they are kept (and shown as "?"); other control codes are refused.
  std::string Name(int line) {
    if (!ok()) return {};
    const std::string_view text = lines_[line - 1];
    if (text.size() > kLongestTypedLine) Fail(line, "holds a name that is far too long");
    for (unsigned char c : text) {
      if (c < 0x20 || c == 0x7F) Fail(line, "holds a name with control characters in it");
    }
    return std::string(text);
  }

  void Fail(int line, const std::string& what) {
    if (ok()) problem_ = "Line " + std::to_string(line) + " " + what + ".";
  }
  void Fail(const std::string& what) {
    if (ok()) problem_ = what;
  }

 private:
  std::vector<std::string_view> lines_;
  std::string problem_;
};

int VotesOwnedBy(const FrozenGame& frozen, int side) {
  int votes = 0;
  for (int position = 0; position < kBoardSize; ++position) {
    if (frozen.owner[position] == side) votes += BoardTable[position].electoralVotes;
  }
  return votes;
}

}  // namespace

std::string FrozenGameText() {
  std::string text;
  const auto line = [&text](const std::string& value) { text += value + kLineEnd; };
  for (int filler = 1; filler <= kFillerLines; ++filler) line(std::to_string(Rand() % 400 + 1));
  for (int value : {game.turnCount, game.player.votes, game.computer.votes, game.player.position,
                    game.computer.position}) {
    line(std::to_string(value));
  }
  line(FloatText(game.player.money));
  line(FloatText(game.computer.money));
  line(game.firstName);
  line(game.partyName);
  for (int code : game.owner) line(std::to_string(code));
  for (int value : game.reservedBlock) line(std::to_string(value));
  return text;
}

bool ParseFrozenGame(std::string_view text, FrozenGame& frozen, std::string& problem) {
  std::vector<std::string_view> lines = SplitLines(text);
  if (static_cast<int>(lines.size()) != kFrozenGameLines) {
    problem = "It has " + std::to_string(lines.size()) + " lines instead of " +
              std::to_string(kFrozenGameLines) + ".";
    return false;
  }
  LineReader read(std::move(lines));
  constexpr int kAny = std::numeric_limits<int>::max();
  constexpr int kLeast = std::numeric_limits<int>::min();
  for (int line = 1; line <= kFillerLines; ++line) read.Whole(line, kLeast, kAny, "");
  frozen.turnCount = read.Whole(51, 0, kMostFlights, "a count of flights from 0 to 1000000");
  frozen.playerVotes = read.Whole(52, 0, TotalElectoralVotes, "electoral votes from 0 to 538");
  frozen.computerVotes = read.Whole(53, 0, TotalElectoralVotes, "electoral votes from 0 to 538");
  frozen.playerPosition = read.Whole(54, 0, kLastPosition, "a board position from 0 to 65");
  frozen.computerPosition = read.Whole(55, 0, kLastPosition, "a board position from 0 to 65");
  frozen.playerMoney = read.Money(56);
  frozen.computerMoney = read.Money(57);
  frozen.firstName = read.Name(58);
  frozen.partyName = read.Name(59);
  for (int position = 0; position < kBoardSize; ++position) {
    const int line = kFirstOwnerLine + position;
    if (BoardTable[position].electoralVotes > 0) {
      frozen.owner[position] = read.Whole(line, 0, 2, "an owner code from 0 to 2 for a state");
    } else {
      frozen.owner[position] =
          read.Whole(line, NotOwnable, NotOwnable, "the owner code 3 of a square nobody can own");
    }
  }
  for (int slot = 0; slot < kReservedValues; ++slot) {
    frozen.reservedBlock[slot] = read.Whole(kFirstReservedLine + slot, kLeast, kAny, "");
  }
  if (read.ok() && VotesOwnedBy(frozen, player) != frozen.playerVotes) {
    read.Fail(52, "does not match the votes of the player's states");
  }
  if (read.ok() && VotesOwnedBy(frozen, computer) != frozen.computerVotes) {
    read.Fail(53, "does not match the votes of the computer's states");
  }
  problem = read.problem();
  return read.ok();
}

void LoadFrozenGame(const FrozenGame& frozen) {
  game.resumedGame = 1;
  game.turnCount = frozen.turnCount;
  game.player.votes = frozen.playerVotes;
  game.computer.votes = frozen.computerVotes;
  game.player.position = frozen.playerPosition;
  game.computer.position = frozen.computerPosition;
  // As the file has it: only what changes in play is kept to the cent.
  game.player.money = frozen.playerMoney;
  game.computer.money = frozen.computerMoney;
  game.firstName = frozen.firstName;
  game.partyName = frozen.partyName;
  game.owner = frozen.owner;
  game.reservedBlock = frozen.reservedBlock;
}

std::optional<std::string> SaveFrozenGame() {
  return ReplaceFile(kFrozenGameFile, FrozenGameText());
}

ReadResult ReadFrozenGameFile(std::string& text) {
  return ReadSmallFile(kFrozenGameFile, kLargestFile, text);
}

void DeleteFrozenGame() {
  std::error_code ignored;  // an absent file is no error, and nothing is reported
  std::filesystem::remove(kFrozenGameFile, ignored);
}

}  // namespace ballotrek
