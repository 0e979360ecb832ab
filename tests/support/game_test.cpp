#include "tests/support/game_test.h"

#include <unistd.h>

#include <atomic>
#include <string>

#include "console/console.h"
#include "events/events.h"
#include "tests/support/record_rules.h"

namespace ballotrek::testing {

::testing::AssertionResult VotesMatchOwners() {
  const std::string broken = BrokenRecordRule();
  if (broken.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << broken;
}

void Give(int position, int side) {
  game.owner[position] = side;
  CandidateOf(side).votes += BoardTable[position].electoralVotes;
}

void Land(int side, int position) {
  ClearScreen();
  GotoXY(1, 5);
  game.currentSide = side;
  const float price = BoardTable[position].price;
  side == player ? PlayerLandsOnState(position, price) : ComputerLandsOnState(position, price);
}

void GameTest::SetUp() {
  static std::atomic<int> counter{0};
  ResetGameState();
  previousFolder_ = std::filesystem::current_path();
  folder = std::filesystem::temp_directory_path() /
           ("ballotrek-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
}

void GameTest::TearDown() {
  std::filesystem::current_path(previousFolder_);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

int GameTest::RunToEnd(const std::function<void()>& body) {
  try {
    body();
    ADD_FAILURE() << "the game returned instead of ending the process\n" << ScreenDump();
  } catch (const ProcessEnded& end) {
    return end.status;
  }
  return -1;  // running out of keys fails the test with the screen
}

void GameTest::RunUntilIdle(const std::function<void()>& body) {
  try {
    body();
  } catch (const OutOfKeys&) {
    return;
  } catch (const ProcessEnded& end) {
    ADD_FAILURE() << "the process ended with status " << end.status << "\n" << ScreenDump();
  }
}

}  // namespace ballotrek::testing
