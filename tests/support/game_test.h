// The fixture of the scenario tests: a fresh game record, the scripted console, and a working
// folder of the test's own (for bkt.dat).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/scripted_console.h"
#include "tests/support/soak.h"

namespace ballotrek::testing {

// The record keeps its rules (see soak.h): above all, each side's votes equal the votes of the
// states it owns.
inline ::testing::AssertionResult VotesMatchOwners() {
  const std::string broken = BrokenRecordRule();
  if (broken.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << broken;
}

// Gives a state to a side, votes and all.
inline void Give(int position, int side) {
  game.owner[position] = side;
  CandidateOf(side).votes += BoardTable[position].electoralVotes;
}

// Lands a side on a state at its price, narrating from row 5 of a clear screen.
inline void Land(int side, int position) {
  ClearScreen();
  GotoXY(1, 5);
  game.currentSide = side;
  const float price = BoardTable[position].price;
  side == player ? PlayerLandsOnState(position, price) : ComputerLandsOnState(position, price);
}

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    ResetGameState();
    folder = std::filesystem::temp_directory_path() /
             ("ballotrek-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
  }
  void TearDown() override {
    std::filesystem::current_path(previousFolder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // Runs until the process ends and returns its status; running out of keys fails with the screen.
  int RunToEnd(const std::function<void()>& body) {
    try {
      body();
      ADD_FAILURE() << "the game returned instead of ending the process\n" << ScreenDump();
    } catch (const ProcessEnded& end) {
      return end.status;
    }
    return -1;
  }
  // Runs until the game waits for a key not scripted; a process end fails.
  void RunUntilIdle(const std::function<void()>& body) {
    try {
      body();
    } catch (const OutOfKeys&) {
    } catch (const ProcessEnded& end) {
      ADD_FAILURE() << "the process ended with status " << end.status << "\n" << ScreenDump();
    }
  }

  ScriptedConsole console;
  std::filesystem::path folder;

 private:
  std::filesystem::path previousFolder_ = std::filesystem::current_path();
};

}  // namespace ballotrek::testing
