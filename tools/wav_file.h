// Writes the game's clips in their one format: 16-bit mono WAV at 44.1 kHz.
// Shared by the clip maker (float samples) and the voice maker (16-bit ones).
#pragma once

#include <sndfile.h>

#include <string>
#include <type_traits>
#include <vector>

inline constexpr int kClipRate = 44100;

template <typename Sample>
bool WriteWav(const std::string& file, const std::vector<Sample>& samples) {
  SF_INFO info{};
  info.samplerate = kClipRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
  if (sound == nullptr) return false;
  const auto frames = static_cast<sf_count_t>(samples.size());
  sf_count_t written = 0;
  if constexpr (std::is_same_v<Sample, float>) {
    written = sf_writef_float(sound, samples.data(), frames);
  } else {
    written = sf_writef_short(sound, samples.data(), frames);
  }
  return sf_close(sound) == 0 && written == frames;
}
