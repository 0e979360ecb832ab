#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <set>
#include <string_view>
#include <vector>

#include "console/alsa_sound.h"
#include "console/wav_reader.h"
#include "model/clip_list.h"

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

// In a folder of the test's own: a tone, clips cut short, noise and a folder named like a clip.
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
  std::ofstream("data/cut.wav", std::ios::binary) << wav.substr(0, 30);
  // 1500 frames and a byte of the next.
  std::ofstream("data/short.wav", std::ios::binary) << wav.substr(0, wav.size() - 6999);
  std::ofstream("data/noise.wav") << std::string(3000, 'Z');

  const std::string toFile = "type file; slave.pcm { type null }; file out.raw; format raw";
  for (const char* name : {"missing", "cut", "noise", "folder"}) {
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

#ifdef BALLOTREK_DATA_DIR
// Every clip the build makes plays through the game's reader: mono at 44.1 kHz, the anthem through
// the title and the rest a few seconds at most, well above silence, and unlike any other.
TEST(Clips, EveryClipPlaysIsAudibleAndDiffersFromTheOthers) {
  std::set<std::vector<short>> seen;
  std::vector<std::string_view> names(std::begin(kEffectClips), std::end(kEffectClips));
#ifdef BALLOTREK_VOICES
  for (const VoiceClip& voice : kVoiceClips) names.push_back(voice.name);
#endif
  for (std::string_view name : names) {
    const std::string file = BALLOTREK_DATA_DIR "/" + std::string(name) + ".wav";
    WavReader reader;
    ASSERT_TRUE(reader.Open(std::fopen(file.c_str(), "rb"))) << name;
    EXPECT_TRUE(reader.channels() == 1 && reader.rate() == 44100) << name;
    std::vector<short> samples(reader.frames());
    samples.resize(reader.Read(samples.data(), samples.size()));
    const double seconds = samples.size() / 44100.0;
    EXPECT_TRUE(seconds >= 0.2 && seconds <= (name == "anth" ? 30 : 5)) << name << seconds;
    const double energy = std::inner_product(samples.begin(), samples.end(), samples.begin(), 0.0);
    EXPECT_GT(std::sqrt(energy / samples.size()), 1000.0) << name;
    EXPECT_TRUE(seen.insert(samples).second) << name;
  }
}
#endif

}  // namespace
}  // namespace ballotrek
