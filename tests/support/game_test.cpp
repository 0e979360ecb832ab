#include "tests/support/game_test.h"

#include <unistd.h>

#include <atomic>
#include <string>

#include "console/console.h"
#include "events/events.h"

namespace ballotrek::testing {

::testing::AssertionResult VotesMatchOwners() {
  int votes[4] = {0, 0, 0, 0};
  for (int position = 0; position < kBoardSize; ++position) {
    const int owner = game.owner[position], stateVotes = BoardTable[position].electoralVotes;
    if (owner < 0 || owner > NotOwnable || (stateVotes > 0) == (owner == NotOwnable)) {
      return ::testing::AssertionFailure() << "position " << position << " has owner " << owner;
    }
    votes[owner] += stateVotes;
  }
  return ::testing::AssertionResult(votes[player] == game.player.votes &&
                                    votes[computer] == game.computer.votes)
         << "votes " << game.player.votes << "/" << game.computer.votes << " but states hold "
         << votes[player] << "/" << votes[computer];
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
