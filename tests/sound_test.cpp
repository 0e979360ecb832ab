#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "console/alsa_sound.h"

namespace ballotrek::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Points ALSA at a configuration of the test's own and captures what the
// process writes to standard error meanwhile.
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("ballotrek-sound-" + std::to_string(::getpid()));
    fs::create_directories(folder_ / "data");
    sink_ = folder_ / "out.raw";
  }
  void TearDown() override {
    snd_config_update_free_global();
    ::unsetenv("ALSA_CONFIG_PATH");
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void UseAlsaConfig(const std::string& text) {
    const fs::path config = folder_ / "asound.conf";
    std::ofstream(config) << text;
    ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    snd_config_update_free_global();
  }
  void UseFileSink() {
    UseAlsaConfig("pcm.!default { type file; slave.pcm { type null }; file \"" + sink_.string() +
                  "\"; format \"raw\" }\n");
  }

  // Plays the clip and returns what reached standard error.
  std::string PlayCapturingErrors(const std::string& path) {
    const fs::path errors = folder_ / "stderr.txt";
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int file = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ::close(file);
    AlsaSound sound;
    sound.Play(path);
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    return ReadAll(errors);
  }

  fs::path folder_;
  fs::path sink_;
};

std::vector<short> WriteTone(const fs::path& file, int frames) {
  std::vector<short> samples(frames);
  for (int i = 0; i < frames; ++i) samples[i] = static_cast<short>((i * 37) % 20000 - 10000);
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
  sf_writef_short(sound, samples.data(), frames);
  sf_close(sound);
  return samples;
}

TEST(ClipPath, BackslashesBecomeFolders) {
  EXPECT_EQ(ClipFilePath("data\\anth.wav"), "data/anth.wav");
  EXPECT_EQ(ClipFilePath("plain.wav"), "plain.wav");
}

TEST_F(SoundTest, PlaysTheDecodedSamplesToTheEnd) {
  const auto samples = WriteTone(folder_ / "data" / "tone.wav", 5000);
  UseFileSink();
  const std::string errors = PlayCapturingErrors((folder_ / "data" / "tone.wav").string());
  EXPECT_EQ(errors, "");
  const std::string raw = ReadAll(sink_);
  ASSERT_EQ(raw.size(), samples.size() * sizeof(short));
  EXPECT_EQ(std::memcmp(raw.data(), samples.data(), raw.size()), 0);
}

TEST_F(SoundTest, BackslashPathsFindTheFile) {
  WriteTone(folder_ / "data" / "tone.wav", 100);
  UseFileSink();
  const fs::path previous = fs::current_path();
  fs::current_path(folder_);
  PlayCapturingErrors("data\\tone.wav");
  fs::current_path(previous);
  EXPECT_EQ(fs::file_size(sink_), 200u);
}

TEST_F(SoundTest, NoDeviceIsSilentAndQuiet) {
  WriteTone(folder_ / "data" / "tone.wav", 1000);
  UseAlsaConfig("pcm.!default { type hw; card 0 }\n");
  EXPECT_EQ(PlayCapturingErrors((folder_ / "data" / "tone.wav").string()), "");
}

TEST_F(SoundTest, BrokenClipsPlayNothing) {
  UseFileSink();
  const fs::path data = folder_ / "data";
  std::ofstream(data / "empty.wav");
  WriteTone(data / "whole.wav", 4000);
  const std::string whole = ReadAll(data / "whole.wav");
  std::ofstream(data / "truncated.wav", std::ios::binary) << whole.substr(0, 30);
  std::string noise(3000, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>(i * 131 + 7);
  std::ofstream(data / "random.wav", std::ios::binary) << noise;
  fs::create_directory(data / "folder.wav");

  for (const char* name :
       {"missing.wav", "empty.wav", "truncated.wav", "random.wav", "folder.wav"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(PlayCapturingErrors((data / name).string()), "");
    EXPECT_FALSE(fs::exists(sink_) && fs::file_size(sink_) > 0);
  }
}

}  // namespace
}  // namespace ballotrek::testing
