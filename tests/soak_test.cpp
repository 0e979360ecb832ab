#include <filesystem>
#include <random>

#include "engine/engine.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

// Types random keys, Enter most often, checking the votes at every prompt.
class RandomPlayer : public ScriptedConsole {
 public:
  RandomPlayer(unsigned seed, std::string keys) : keys_(std::move(keys)), engine_(seed) {}
  int GetKey() override {
    EXPECT_TRUE(VotesMatchOwners());
    if (++typed_ > 1000000) throw OutOfKeys(GameScreen().Dump());
    if (keysLeft() > 0) return ScriptedConsole::GetKey();
    if (engine_() % 3000 == 0) return 27;  // concedes, or leaves a last screen
    const std::size_t pick = engine_() % (keys_.size() + 6);
    return pick < keys_.size() ? static_cast<unsigned char>(keys_[pick]) : '\r';
  }

 private:
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
    RandomPlayer keyboard(
        seed, seed % 5 == 0 ? "ynynyn unpcbhdrxf" : "ynyn ynynupcbhdrxq1");  // f freezes
    keyboard.Type("nnPat\rGreen\r");  // no instructions, no sound, the names
    EXPECT_EQ(RunToEnd([] { RunGame(); }), 0);
    EXPECT_TRUE(keyboard.clips().empty());
  }
}

}  // namespace
}  // namespace ballotrek::testing
