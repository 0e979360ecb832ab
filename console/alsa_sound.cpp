#include "console/alsa_sound.h"

#include <alsa/asoundlib.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdarg>
#include <filesystem>
#include <system_error>
#include <vector>

#include "console/clip_files.h"
#include "console/platform.h"

namespace ballotrek {
namespace {

// Clips are seconds long; anything far longer is not one of ours.
constexpr sf_count_t kLongestClipFrames = 44100 * 60;
constexpr int kMostChannels = 8;
constexpr int kHighestRate = 192000;
constexpr unsigned kLatencyMicroseconds = 100000;

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

struct Clip {
  int channels = 0;
  int rate = 0;
  std::vector<short> samples;  // interleaved
};

bool Decode(const std::string& file, Clip& clip) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  SF_INFO info{};
  SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
  if (sound == nullptr) return false;
  const bool usable = info.channels >= 1 && info.channels <= kMostChannels &&
                      info.samplerate >= 1 && info.samplerate <= kHighestRate && info.frames > 0 &&
                      info.frames <= kLongestClipFrames;
  if (usable) {
    clip.channels = info.channels;
    clip.rate = info.samplerate;
    clip.samples.resize(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t read = sf_readf_short(sound, clip.samples.data(), info.frames);
    clip.samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(read, 0)) * info.channels);
  }
  sf_close(sound);
  return usable && !clip.samples.empty();
}

void Play(const Clip& clip) {
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return;
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                         static_cast<unsigned>(clip.channels), static_cast<unsigned>(clip.rate), 1,
                         kLatencyMicroseconds) == 0) {
    const short* next = clip.samples.data();
    snd_pcm_uframes_t left = clip.samples.size() / static_cast<std::size_t>(clip.channels);
    while (left > 0) {
      snd_pcm_sframes_t written = snd_pcm_writei(pcm, next, left);
      if (written < 0) written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
      if (written < 0) break;  // the device is gone: the rest of the clip is skipped
      next += written * clip.channels;
      left -= static_cast<snd_pcm_uframes_t>(written);
    }
    snd_pcm_drain(pcm);
  }
  snd_pcm_close(pcm);
}

}  // namespace

AlsaSound::AlsaSound() {
  snd_lib_error_set_handler(IgnoreAlsaError);
}

void AlsaSound::Play(std::string_view path) {
  Clip clip;
  if (Decode(FindClipFile(path), clip)) ballotrek::Play(clip);
}

SoundPlayer& PlatformSound() {
  static AlsaSound sound;
  return sound;
}

}  // namespace ballotrek
