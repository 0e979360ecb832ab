// What asking for a clip costs when it cannot be heard: no sound device,
// or no clip file. The game must not stall on either.
#include <alsa/asoundlib.h>
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "console/alsa_sound.h"

namespace {

namespace fs = std::filesystem;

fs::path Folder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / ("ballotrek-bench-" + std::to_string(::getpid()));
    fs::create_directories(f);
    std::vector<short> samples(44100 / 2, 1000);
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sound = sf_open((f / "clip.wav").c_str(), SFM_WRITE, &info);
    sf_writef_short(sound, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(sound);
    std::ofstream(f / "asound.conf") << "pcm.!default { type hw; card 0 }\n";
    return f;
  }();
  return folder;
}

void UseMissingDevice() {
  ::setenv("ALSA_CONFIG_PATH", (Folder() / "asound.conf").c_str(), 1);
  snd_config_update_free_global();
}

void BM_PlayClipWithoutDevice(benchmark::State& state) {
  UseMissingDevice();
  ballotrek::AlsaSound sound;
  const std::string clip = (Folder() / "clip.wav").string();
  for (auto _ : state) sound.Play(clip);
}
BENCHMARK(BM_PlayClipWithoutDevice)->Unit(benchmark::kMicrosecond);

void BM_PlayMissingClip(benchmark::State& state) {
  UseMissingDevice();
  ballotrek::AlsaSound sound;
  for (auto _ : state) sound.Play("data\\no-such-clip.wav");
}
BENCHMARK(BM_PlayMissingClip)->Unit(benchmark::kMicrosecond);

// The machine's own configuration; here, typically, no sound card at all.
void BM_PlayClipMachineDefault(benchmark::State& state) {
  ::unsetenv("ALSA_CONFIG_PATH");
  snd_config_update_free_global();
  ballotrek::AlsaSound sound;
  const std::string clip = (Folder() / "clip.wav").string();
  for (auto _ : state) sound.Play(clip);
}
BENCHMARK(BM_PlayClipMachineDefault)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
