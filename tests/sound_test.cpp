#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "console/alsa_sound.h"

namespace ballotrek {
namespace {

namespace fs = std::filesystem;

constexpr char kFileSink[] = "type file; slave.pcm { type null }; file out.raw; format raw";

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Works in a folder of its own, where it also keeps an ALSA configuration.
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "data");
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    snd_config_update_free_global();
    ::unsetenv("ALSA_CONFIG_PATH");
    fs::remove_all(folder_);
  }
  // Plays the clip on the given default device; returns what reached stderr.
  std::string Play(const std::string& device, const std::string& clip) {
    std::ofstream("asound.conf") << "pcm.!default { " << device << " }\n";
    ::setenv("ALSA_CONFIG_PATH", (folder_ / "asound.conf").c_str(), 1);
    snd_config_update_free_global();
    ::testing::internal::CaptureStderr();
    AlsaSound().Play(clip);
    return ::testing::internal::GetCapturedStderr();
  }
  std::vector<short> WriteTone(const fs::path& file, int frames) {
    std::vector<short> samples(frames);
    for (int i = 0; i < frames; ++i) samples[i] = static_cast<short>((i * 37) % 20000 - 10000);
    SF_INFO info{0, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
    sf_writef_short(sound, samples.data(), frames);
    sf_close(sound);
    return samples;
  }

  const fs::path previous_ = fs::current_path();
  const fs::path folder_ =
      fs::temp_directory_path() / ("ballotrek-sound-" + std::to_string(getpid()));
};

TEST_F(SoundTest, OnlyWholeClipsReachTheDeviceAndNothingReachesStderr) {
  const std::vector<short> samples = WriteTone("data/tone.wav", 5000);
  std::ofstream("data/cut.wav", std::ios::binary) << ReadAll("data/tone.wav").substr(0, 30);
  std::ofstream("data/noise.wav") << std::string(3000, 'Z');
  fs::create_directory("data/folder.wav");
  for (const char* name : {"missing", "cut", "noise", "folder"}) {
    EXPECT_EQ(Play(kFileSink, std::string("data/") + name + ".wav"), "") << name;
    EXPECT_FALSE(fs::exists("out.raw") && fs::file_size("out.raw") > 0) << name;
  }
  EXPECT_EQ(Play("type hw; card 0", "data/tone.wav"), "");    // no such device here
  EXPECT_EQ(Play("type nosuchplugin", "data/tone.wav"), "");  // ALSA would complain
  EXPECT_EQ(Play(kFileSink, "data\\tone.wav"), "");
  const auto* bytes = reinterpret_cast<const char*>(samples.data());
  EXPECT_TRUE(ReadAll("out.raw") == std::string(bytes, samples.size() * sizeof(short)));
}

}  // namespace
}  // namespace ballotrek
