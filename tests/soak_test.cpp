// Whole games played with random keys, checking the record at every key
// the game waits for.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "engine/engine.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

::testing::AssertionResult RecordIsSound() {
  if (auto votes = VotesMatchOwners(); !votes) return votes;
  for (const Candidate* c : {&game.player, &game.computer}) {
    if (c->position < 0 || c->position > kLastPosition) {
      return ::testing::AssertionFailure() << "position " << c->position;
    }
    if (!std::isfinite(c->money)) return ::testing::AssertionFailure() << "money " << c->money;
  }
  return ::testing::AssertionSuccess();
}

// Types random keys for as long as the game asks, Enter most often.
class RandomPlayer : public ScriptedConsole {
 public:
  RandomPlayer(unsigned seed, std::string keys) : keys_(std::move(keys)), engine_(seed) {}

  int GetKey() override {
    EXPECT_TRUE(RecordIsSound());
    if (++typed_ > kMostKeys) throw OutOfKeys(GameScreen().Dump());
    if (keysLeft() > 0) return ScriptedConsole::GetKey();
    if (engine_() % 3000 == 0) return 27;  // concedes, or leaves a last screen
    const std::size_t pick = engine_() % (keys_.size() + 6);
    return pick < keys_.size() ? static_cast<unsigned char>(keys_[pick]) : '\r';
  }

 private:
  static constexpr int kMostKeys = 1000000;
  std::string keys_;
  std::mt19937 engine_;
  int typed_ = 0;
};

class SoakTest : public GameTest {};

TEST_F(SoakTest, RandomGamesAlwaysEndThroughAWayOut) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    ResetGameState();
    std::filesystem::remove("bkt.dat");
    // Without s, sound stays off; f sometimes freezes the game, another way out.
    const std::string keys = seed % 5 == 0 ? "ynynyn unpcbhdrxf" : "ynyn ynynupcbhdrxq1";
    RandomPlayer keyboard(seed, keys);
    keyboard.Type("nn");  // no instructions, no sound
    keyboard.Type("Pat\rGreen\r");
    const int status = RunToEnd([] { RunGame(); });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(keyboard.clips().empty());
  }
}

}  // namespace
}  // namespace ballotrek::testing
