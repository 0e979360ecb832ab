// The fixture of the scenario tests: a fresh game record, the scripted console, and a working
// folder of the test's own (for bkt.dat).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/scripted_console.h"
#include "tests/support/soak.h"

namespace ballotrek::testing {

// A fresh game for Al of the Whig party, sound on, the given side to move.
inline void FreshGame(int side = player) {
  ResetGameState();
  game.firstName = "Al";
  game.partyName = "Whig";
  game.soundFlag = 'y';
  game.currentSide = side;
}

// Lands a side on a state at its price, narrating from row 5 of a clear screen.
inline void Land(int side, int position) {
  ClearScreen();
  GotoXY(1, 5);
  game.currentSide = side;
  const float price = BoardTable[position].price;
  side == player ? PlayerLandsOnState(position, price) : ComputerLandsOnState(position, price);
}

// What the console shows: the rows of the game screen that are not blank, numbered, each followed
// by its colours where it has any (. for none, P the player's, C the computer's); then the clips
// and the scripted time waited.
inline std::string Shown(const ScriptedConsole& console) {
  std::ostringstream shown;
  for (int row = 1; row <= Screen::kRows; ++row) {
    std::string colours;
    for (int column = 1; column <= Screen::kColumns; ++column)
      colours += ".PC"[static_cast<int>(GameScreen().ColourAt(column, row))];
    if (!RowText(row).empty()) shown << row << "|" << RowText(row) << "\n";
    if (colours.find_first_not_of('.') != std::string::npos) shown << row << "c" << colours << "\n";
  }
  shown << "clips:";
  for (const std::string& clip : console.clips()) shown << " " << clip;
  shown << ", " << console.elapsedMs() << " ms\n";
  if (console.pausesUnshown > 0) shown << console.pausesUnshown << " pauses before the screen\n";
  return shown.str();
}

// Runs `body` until the game waits for a key not scripted or returns (""), or the process ends
// ("ended with" its status).
inline std::string Outcome(const std::function<void()>& body) {
  try {
    body();
  } catch (const OutOfKeys&) {
  } catch (const ProcessEnded& end) {
    return "ended with " + std::to_string(end.status) + "\n";
  }
  return "";
}

// Runs `body` on a clear screen with a console of its own, the keys typed and the draws forced,
// until the game waits for a key not scripted or ends; returns what was shown.
inline std::string Play(const std::function<void()>& body, const std::string& keys = "",
                        const std::vector<int>& draws = {}) {
  ScriptedConsole console;
  console.Type(keys);
  console.Force(draws);
  ClearScreen();
  std::string ended = Outcome(body);
  if (console.keysLeft() > 0) ended += std::to_string(console.keysLeft()) + " keys left\n";
  if (!console.AllForcedUsed()) ended += "draws left\n";
  return ended + Shown(console);
}

// Compares what a test saw with the file of that name in tests/golden. A run with
// BALLOTREK_UPDATE_GOLDEN=1 writes the files that differ anew, for a review of their differences,
// and still fails.
inline ::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& seen) {
  const std::string path = BALLOTREK_GOLDEN_DIR "/" + name + ".txt";
  std::ifstream file(path, std::ios::binary);
  const std::string golden(std::istreambuf_iterator<char>(file), {});
  if (golden == seen) return ::testing::AssertionSuccess();
  const auto at =
      std::mismatch(golden.begin(), golden.end(), seen.begin(), seen.end()).first - golden.begin();
  const auto line = at == 0 ? 0 : golden.rfind('\n', at - 1) + 1;  // where both first differ
  auto failure = ::testing::AssertionFailure()
                 << path << " differs at line "
                 << std::count(golden.begin(), golden.begin() + at, '\n') + 1 << ":\n  "
                 << golden.substr(line, golden.find('\n', line) - line) << "\nbut the test saw\n  "
                 << seen.substr(line, seen.find('\n', line) - line);
  if (std::getenv("BALLOTREK_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << seen;
    failure << "\nwritten anew: review its differences";
  }
  return failure;
}

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Named by the test too: under Node every process has the same id.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    ResetGameState();
    folder = std::filesystem::temp_directory_path() /
             ("ballotrek-test-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "." +
              test->name());
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
  }
  void TearDown() override {
    std::filesystem::current_path(previousFolder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  ScriptedConsole console;
  std::filesystem::path folder;

 private:
  std::filesystem::path previousFolder_ = std::filesystem::current_path();
};

}  // namespace ballotrek::testing
