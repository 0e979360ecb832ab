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

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Plays the clip on the given default device; returns what reached stderr.
std::string Play(const std::string& device, const std::string& clip) {
  std::ofstream("asound.conf") << "pcm.!default { " << device << " }\n";
  ::setenv("ALSA_CONFIG_PATH", (fs::current_path() / "asound.conf").c_str(), 1);
  snd_config_update_free_global();
  ::testing::internal::CaptureStderr();
  AlsaSound().Play(clip);
  return ::testing::internal::GetCapturedStderr();
}

// In a folder of the test's own: a tone, a clip cut short and a folder named like a clip.
TEST(SoundTest, OnlyWholeFramesReachTheDeviceAndNothingReachesStderr) {
  const fs::path previous = fs::current_path(),
                 folder =
                     fs::temp_directory_path() / ("ballotrek-sound-" + std::to_string(getpid()));
  fs::create_directories(folder / "data/folder.wav");
  fs::current_path(folder);
  std::vector<short> samples(5000);
  for (int i = 0; i < 5000; ++i) samples[i] = static_cast<short>((i * 37) % 20000 - 10000);
  SF_INFO info{0, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
  SNDFILE* tone = sf_open("data/tone.wav", SFM_WRITE, &info);
  sf_writef_short(tone, samples.data(), 5000);
  sf_close(tone);
  const std::string wav = ReadAll("data/tone.wav");
  // 1500 frames and a byte of the next.
  std::ofstream("data/short.wav", std::ios::binary) << wav.substr(0, wav.size() - 6999);

  const std::string toFile = "type file; slave.pcm { type null }; file out.raw; format raw";
  for (const char* name : {"missing", "folder"}) {
    EXPECT_EQ(Play(toFile, std::string("data/") + name + ".wav"), "") << name;
    EXPECT_FALSE(fs::exists("out.raw") && fs::file_size("out.raw") > 0) << name;
  }
  EXPECT_EQ(Play(toFile, "data/short.wav"), "");
  EXPECT_EQ(ReadAll("out.raw"), std::string(reinterpret_cast<const char*>(samples.data()), 3000));
  EXPECT_EQ(Play("type hw; card 0", "data/tone.wav"), "");    // no such device here
  EXPECT_EQ(Play("type nosuchplugin", "data/tone.wav"), "");  // ALSA would complain
  EXPECT_EQ(Play(toFile, "data\\tone.wav"), "");
  EXPECT_EQ(ReadAll("out.raw"), std::string(reinterpret_cast<const char*>(samples.data()), 10000));
  fs::current_path(previous);
  snd_config_update_free_global();
  ::unsetenv("ALSA_CONFIG_PATH");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace ballotrek
