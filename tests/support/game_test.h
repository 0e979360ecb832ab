// The fixture of the scenario tests: a fresh game record, the scripted console, and a working
// folder of the test's own (for bkt.dat).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "model/game_state.h"
#include "tests/support/scripted_console.h"

namespace ballotrek::testing {

// The record keeps its rules (see record_rules.h): above all, each side's votes equal the votes of
// the states it owns.
::testing::AssertionResult VotesMatchOwners();

// Gives a state to a side, votes and all.
void Give(int position, int side);
// Lands a side on a state at its price, narrating from row 5 of a clear screen.
void Land(int side, int position);

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs until the process ends and returns its status; running out of keys fails.
  int RunToEnd(const std::function<void()>& body);
  // Runs until the game waits for a key not scripted; a process end fails.
  void RunUntilIdle(const std::function<void()>& body);

  ScriptedConsole console;
  std::filesystem::path folder;

 private:
  std::filesystem::path previousFolder_;
};

}  // namespace ballotrek::testing
