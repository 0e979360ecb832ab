#include "console/alsa_sound.h"

#include <alsa/asoundlib.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "console/clip_files.h"
#include "console/platform.h"
#include "console/wav_reader.h"

namespace ballotrek {
namespace {

constexpr unsigned kLatencyMicroseconds = 100000;
// A clip goes from the file to the device this many frames at a time.
constexpr std::size_t kBlockFrames = 1024;

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Writes the frames, waiting for room on the device; false when it is gone.
bool WriteFrames(snd_pcm_t* pcm, const std::int16_t* next, snd_pcm_uframes_t left, int channels) {
  while (left > 0) {
    snd_pcm_sframes_t written = snd_pcm_writei(pcm, next, left);
    if (written < 0) written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
    if (written < 0) return false;
    next += written * channels;
    left -= static_cast<snd_pcm_uframes_t>(written);
  }
  return true;
}

// Reads the clip block by block into the device, so that only a block is ever
// held; the block is on the heap and as wide as the clip's frames.
void Stream(snd_pcm_t* pcm, WavReader& clip) {
  if (snd_pcm_nonblock(pcm, 0) != 0 ||
      snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                         static_cast<unsigned>(clip.channels()), static_cast<unsigned>(clip.rate()),
                         1, kLatencyMicroseconds) != 0) {
    return;
  }
  std::vector<std::int16_t> block(kBlockFrames * static_cast<std::size_t>(clip.channels()));
  for (std::size_t read; (read = clip.Read(block.data(), kBlockFrames)) > 0;) {
    // A device that went away skips the rest of the clip.
    if (!WriteFrames(pcm, block.data(), read, clip.channels())) break;
  }
  snd_pcm_drain(pcm);
}

}  // namespace

AlsaSound::AlsaSound() {
  snd_lib_error_set_handler(IgnoreAlsaError);
}

// The device comes first: when there is none to hear the clip, the clip is
// not even opened.
void AlsaSound::Play(std::string_view path) {
  const std::string file = FindClipFile(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  snd_pcm_t* pcm = nullptr;
  // A device held by another program must not hold up the game: the open
  // gives up at once rather than waiting for it, and only the writes wait.
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
  if (WavReader clip; clip.Open(std::fopen(file.c_str(), "rb"))) Stream(pcm, clip);
  snd_pcm_close(pcm);
}

SoundPlayer& PlatformSound() {
  static AlsaSound sound;
  return sound;
}

}  // namespace ballotrek
