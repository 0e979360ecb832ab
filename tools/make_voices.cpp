// Makes the presidential voice clips: the line of each of kVoiceClips
// (model/clip_list.h), spoken by the eSpeak NG synthesizer, written as the
// effect clips are (16-bit mono WAV at 44.1 kHz). Run at build time:
//   make_voices <folder>
#include <espeak-ng/speak_lib.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "model/clip_list.h"
#include "wav_file.h"

namespace {

constexpr int kRate = kClipRate;

std::vector<short> spoken;

int Collect(short* samples, int count, espeak_EVENT*) {
  if (samples != nullptr) spoken.insert(spoken.end(), samples, samples + count);
  return 0;
}

// eSpeak speaks at its own rate (22.05 kHz); the game's clips are all at
// 44.1 kHz, so the speech is resampled by linear interpolation and brought
// to a steady level.
std::vector<short> Resample(const std::vector<short>& in, int from) {
  const std::size_t frames = in.size() * kRate / static_cast<std::size_t>(from);
  std::vector<float> out(frames);
  float peak = 1;
  for (std::size_t i = 0; i < frames; ++i) {
    const double at = static_cast<double>(i) * from / kRate;
    const std::size_t left = static_cast<std::size_t>(at);
    const std::size_t right = std::min(left + 1, in.size() - 1);
    const double share = at - left;
    out[i] = static_cast<float>(in[left] * (1 - share) + in[right] * share);
    peak = std::max(peak, std::abs(out[i]));
  }
  std::vector<short> result(frames);
  const float gain = 24000.0f / peak;
  for (std::size_t i = 0; i < frames; ++i) result[i] = static_cast<short>(out[i] * gain);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_voices <folder>\n");
    return 2;
  }
  const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
  if (rate <= 0 || espeak_SetVoiceByName("en-us") != EE_OK) {
    std::fprintf(stderr, "make_voices: the speech synthesizer could not start\n");
    return 1;
  }
  espeak_SetSynthCallback(Collect);
  for (const ballotrek::VoiceClip& voice : ballotrek::kVoiceClips) {
    spoken.clear();
    espeak_SetParameter(espeakPITCH, voice.pitch, 0);
    espeak_SetParameter(espeakRATE, voice.speed, 0);
    const std::string line(voice.line), name(voice.name);
    if (espeak_Synth(line.c_str(), line.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     nullptr) != EE_OK ||
        espeak_Synchronize() != EE_OK || spoken.empty()) {
      std::fprintf(stderr, "make_voices: could not speak %s\n", name.c_str());
      return 1;
    }
    const std::string file = std::string(argv[1]) + "/" + name + ".wav";
    if (!WriteWav(file, Resample(spoken, rate))) {
      std::fprintf(stderr, "make_voices: cannot write %s: %s\n", file.c_str(),
                   sf_strerror(nullptr));
      return 1;
    }
  }
  espeak_Terminate();
  return 0;
}
