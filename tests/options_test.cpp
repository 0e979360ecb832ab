#include "engine/options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "console/clip_files.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

TEST(OptionsTest, HelpAndVersionAnswerAndAnythingElseIsRefused) {
  struct Row {
    std::vector<const char*> args;
    int status;
    const char* out;  // the start of what reaches standard output
    const char* err;  // the first line on standard error
  };
  const Row rows[] = {
      {{}, kPlayTheGame, "", ""},
      {{"-h"}, 0, "Usage: ballotrek [OPTION]\n", ""},
      {{"--help"}, 0, "Usage: ballotrek [OPTION]\n", ""},
      {{"-v"}, 0, "ballotrek 4.1.0\n", ""},
      {{"--version"}, 0, "ballotrek 4.1.0\n", ""},
      {{"--versions"}, 2, "", "ballotrek: unknown option '--versions'\n"},
      {{"-x"}, 2, "", "ballotrek: unknown option '-x'\n"},
      {{"bkt.dat"}, 2, "", "ballotrek: unexpected argument 'bkt.dat'\n"},
      {{"-h", "-v"}, 2, "", "ballotrek: unknown option '-v'\n"},
      {{"-v", "now"}, 2, "", "ballotrek: unexpected argument 'now'\n"},
  };
  for (const Row& row : rows) {
    std::vector<const char*> argv{"ballotrek"};
    argv.insert(argv.end(), row.args.begin(), row.args.end());
    std::ostringstream out, err;
    EXPECT_EQ(HandleOptions(static_cast<int>(argv.size()), argv.data(), out, err), row.status);
    EXPECT_EQ(out.str().substr(0, std::string(row.out).size()), row.out);
    EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1), row.err);
    if (row.status == 2) {
      EXPECT_NE(err.str().find("\nTry 'ballotrek --help' for more information.\n"),
                std::string::npos);
    }
  }
}

class ClipFilesTest : public GameTest {
 protected:
  void TearDown() override {
    SetInstalledClipFolder({});
    GameTest::TearDown();
  }
};

TEST_F(ClipFilesTest, TheWorkingFolderComesFirstThenTheInstalledClips) {
  namespace fs = std::filesystem;
  fs::create_directories("data");
  fs::create_directories("share/games/ballotrek/data.wav");
  for (const char* file : {"data/anth.wav", "share/games/ballotrek/anth.wav",
                           "share/games/ballotrek/exit.wav", "data/wich.wav"}) {
    std::ofstream(file) << "RIFF";
  }
  EXPECT_EQ(FindClipFile("data\\exit.wav"), "");  // nothing installed to look in
  SetInstalledClipFolder(folder / "share/games/ballotrek");
  EXPECT_EQ(FindClipFile("data\\anth.wav"), "data/anth.wav");
  EXPECT_EQ(FindClipFile("data\\exit.wav"),
            (folder / "share/games/ballotrek" / "exit.wav").string());
  EXPECT_EQ(FindClipFile("data\\wich.wav"), "data/wich.wav");
  EXPECT_EQ(FindClipFile("data\\hail.wav"), "");
  EXPECT_EQ(FindClipFile("data\\data.wav"), "");  // a folder is no clip
}

}  // namespace
}  // namespace ballotrek::testing
