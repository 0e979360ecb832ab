// Makes the game's sound effects: 16-bit mono WAV files at 44.1 kHz, built
// from oscillators, noise and envelopes. Run at build time:
//   make_clips <folder>
// writes every clip of kEffectClips (model/clip_list.h) into the folder. The
// same input always gives the same files.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "model/clip_list.h"
#include "wav_file.h"

namespace {

constexpr int kRate = kClipRate;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<float>;

// A fixed-seed generator, so that noise is the same at every build.
class Noise {
 public:
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
  }

 private:
  unsigned state_ = 20121;
};

double Midi(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

enum class Wave { Sine, Square, Saw, Triangle };

double Oscillate(Wave wave, double phase) {
  const double t = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine:
      return std::sin(2 * kPi * t);
    case Wave::Square:
      return t < 0.5 ? 0.7 : -0.7;
    case Wave::Saw:
      return 2 * t - 1;
    case Wave::Triangle:
      return 4 * std::abs(t - 0.5) - 1;
  }
  return 0;
}

// Attack and release in seconds; the level holds in between.
double Envelope(double t, double length, double attack, double release) {
  if (t < attack) return t / attack;
  if (t > length - release) return std::max(0.0, (length - t) / release);
  return 1;
}

class Clip {
 public:
  explicit Clip(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate), 0.0f) {}

  // A tone gliding from one frequency to another.
  Clip& Tone(double start, double length, double from, double to, double level, Wave wave,
             double attack = 0.01, double release = 0.05) {
    double phase = 0;
    ForEach(start, length, [&](double t, float& out) {
      const double frequency = from * std::pow(to / from, t / length);
      phase += frequency / kRate;
      out +=
          static_cast<float>(level * Envelope(t, length, attack, release) * Oscillate(wave, phase));
    });
    return *this;
  }

  Clip& Note(double start, double length, int note, double level, Wave wave = Wave::Triangle) {
    return Tone(start, length, Midi(note), Midi(note), level, wave, 0.01,
                std::min(0.08, length / 2));
  }

  // Noise through a low-pass filter whose cutoff glides from one value to
  // another (as a fraction of the sampling rate, 0 to 1).
  Clip& Hiss(double start, double length, double level, double fromCutoff, double toCutoff,
             double attack = 0.01, double release = 0.1) {
    double smooth = 0;
    ForEach(start, length, [&](double t, float& out) {
      const double cutoff = fromCutoff + (toCutoff - fromCutoff) * t / length;
      smooth += cutoff * (noise_.Next() - smooth);
      out += static_cast<float>(level * Envelope(t, length, attack, release) * smooth);
    });
    return *this;
  }

  // A drum: a quick drop in pitch, or a burst of noise.
  Clip& Kick(double start, double level) {
    return Tone(start, 0.18, 140, 45, level, Wave::Sine, 0.002, 0.15);
  }
  Clip& Snare(double start, double level) { return Hiss(start, 0.12, level, 0.6, 0.3, 0.002, 0.1); }

  // Scales the clip to a comfortable peak.
  const Samples& Finished() {
    float peak = 0;
    for (float s : samples_) peak = std::max(peak, std::abs(s));
    if (peak > 0) {
      for (float& s : samples_) s *= 0.8f / peak;
    }
    return samples_;
  }

 private:
  void ForEach(double start, double length, const std::function<void(double, float&)>& apply) {
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(length * kRate);
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
      apply(static_cast<double>(i) / kRate, samples_[first + i]);
    }
  }

  Samples samples_;
  Noise noise_;
};

// MIDI note numbers.
enum : int {
  G3 = 55,
  A3 = 57,
  B3 = 59,
  C4 = 60,
  D4 = 62,
  E4 = 64,
  F4 = 65,
  G4 = 67,
  A4 = 69,
  B4 = 71,
  C5 = 72,
  D5 = 74,
  E5 = 76,
  F5 = 77,
  G5 = 79,
  A5 = 81,
  C6 = 84
};

// A march of our own: eight bars of melody over a bass that walks between
// root and fifth, with a drum on every beat.
Samples Anthem() {
  constexpr double beat = 0.45;
  struct Step {
    int note;
    double beats;
  };
  const Step melody[] = {
      {G4, 1}, {C5, 1}, {C5, 0.5}, {D5, 0.5}, {E5, 1},   {E5, 1}, {D5, 0.5}, {C5, 0.5}, {D5, 1},
      {G4, 1}, {A4, 1}, {B4, 1},   {C5, 0.5}, {D5, 0.5}, {E5, 1}, {F5, 1},   {E5, 1},   {D5, 2},
      {G5, 1}, {E5, 1}, {C5, 0.5}, {D5, 0.5}, {E5, 1},   {F5, 1}, {D5, 1},   {B4, 1},   {G4, 1},
      {C5, 1}, {E5, 1}, {D5, 0.5}, {B4, 0.5}, {G4, 1},   {C5, 3},
  };
  const int bass[] = {C4, G3, C4, G3, C4, G3, G3, D4, F4, C4, C4, G3, G3, D4, G3, B3,
                      C4, G3, C4, G3, F4, C4, G3, D4, C4, G3, G3, D4, C4, G3, C4, C4};
  Clip clip(33 * beat + 0.6);
  double at = 0;
  for (const Step& step : melody) {
    clip.Note(at, step.beats * beat * 0.92, step.note, 0.5, Wave::Triangle);
    clip.Note(at, step.beats * beat * 0.92, step.note, 0.15, Wave::Saw);
    at += step.beats * beat;
  }
  for (int i = 0; i < 32; ++i) {
    clip.Note(i * beat, beat * 0.6, bass[i] - 12, 0.45, Wave::Triangle);
    if (i % 2 == 0) {
      clip.Kick(i * beat, 0.6);
    } else {
      clip.Snare(i * beat, 0.35);
    }
  }
  clip.Note(32 * beat, beat * 1.5, C4 - 12, 0.5).Kick(32 * beat, 0.7);
  return clip.Finished();
}

// A jet spooling up and taking off: rising whine over a roar.
Samples PlayerJet() {
  Clip clip(2.4);
  clip.Hiss(0, 2.4, 0.9, 0.02, 0.25, 0.6, 0.5);
  clip.Tone(0, 2.4, 300, 2400, 0.25, Wave::Sine, 0.8, 0.5);
  return clip.Finished();
}

// The computer's jet: the same roar, lower, with a beeping flight computer.
Samples ComputerJet() {
  Clip clip(2.4);
  clip.Hiss(0, 2.4, 0.9, 0.01, 0.15, 0.6, 0.5);
  clip.Tone(0, 2.4, 180, 1400, 0.22, Wave::Saw, 0.8, 0.5);
  for (int i = 0; i < 4; ++i) clip.Note(0.1 + 0.2 * i, 0.08, C6 + (i % 2) * 7, 0.25, Wave::Square);
  return clip.Finished();
}

// A drum roll speeding up, then a crash.
Samples DrumRoll() {
  Clip clip(1.4);
  double at = 0;
  for (double gap = 0.09; at < 1.0; gap *= 0.93) {
    clip.Snare(at, 0.4);
    at += gap;
  }
  clip.Hiss(1.0, 0.4, 0.8, 0.9, 0.5, 0.002, 0.35);
  return clip.Finished();
}

// Landing on a big state: a bold brass chord.
Samples BigState() {
  Clip clip(1.1);
  for (int note : {int{C4}, int{E4}, int{G4}, int{C5}}) clip.Note(0, 1.0, note, 0.3, Wave::Saw);
  clip.Note(0, 0.15, G4, 0.3, Wave::Square);
  return clip.Finished();
}

// Into the ocean: a splash, then bubbles.
Samples Splash() {
  Clip clip(1.6);
  clip.Hiss(0, 0.7, 1.0, 0.8, 0.05, 0.005, 0.6);
  for (int i = 0; i < 9; ++i) {
    const double start = 0.5 + 0.11 * i;
    clip.Tone(start, 0.06, 500 + 90 * (i % 4), 1100 + 120 * (i % 3), 0.25, Wave::Sine, 0.005, 0.03);
  }
  return clip.Finished();
}

// A blizzard: wind rising and falling.
Samples Wind() {
  Clip clip(2.5);
  clip.Hiss(0, 1.3, 0.8, 0.02, 0.12, 0.6, 0.4);
  clip.Hiss(1.0, 1.5, 0.9, 0.12, 0.03, 0.5, 0.8);
  clip.Tone(0.2, 2.1, 700, 1000, 0.06, Wave::Sine, 0.8, 0.8);
  return clip.Finished();
}

// The smoke filled room: a lazy trombone slide down over a murmur.
Samples SmokeRoomIn() {
  Clip clip(1.8);
  clip.Hiss(0, 1.8, 0.3, 0.01, 0.02, 0.3, 0.5);
  clip.Tone(0, 0.5, Midi(F4), Midi(E4), 0.4, Wave::Saw, 0.03, 0.1);
  clip.Tone(0.5, 0.5, Midi(E4), Midi(D4), 0.4, Wave::Saw, 0.03, 0.1);
  clip.Tone(1.0, 0.8, Midi(D4), Midi(A3), 0.4, Wave::Saw, 0.03, 0.4);
  return clip.Finished();
}

// The press conference: camera shutters clicking.
Samples Cameras() {
  Clip clip(1.2);
  for (double at : {0.0, 0.18, 0.3, 0.55, 0.62, 0.85}) {
    clip.Hiss(at, 0.03, 0.9, 0.9, 0.9, 0.001, 0.02);
    clip.Hiss(at + 0.05, 0.04, 0.6, 0.7, 0.7, 0.001, 0.03);
  }
  clip.Tone(0.9, 0.25, 2000, 3200, 0.15, Wave::Sine, 0.01, 0.1);
  return clip.Finished();
}

// A golf swing: a whoosh through the air.
Samples Swing() {
  Clip clip(0.6);
  clip.Hiss(0, 0.6, 1.0, 0.05, 0.5, 0.35, 0.2);
  return clip.Finished();
}

// The ball: a sharp click and a high ping as it flies.
Samples Ball() {
  Clip clip(0.8);
  clip.Hiss(0, 0.02, 1.0, 1.0, 1.0, 0.001, 0.015);
  clip.Tone(0.01, 0.75, 2600, 1800, 0.35, Wave::Sine, 0.002, 0.6);
  return clip.Finished();
}

// The rock concert: a driving power chord with drums.
Samples RockConcert() {
  Clip clip(2.4);
  for (int bar = 0; bar < 4; ++bar) {
    const double at = bar * 0.55;
    for (int note : {E4 - 12, int{B3}, int{E4}}) clip.Note(at, 0.5, note, 0.3, Wave::Square);
    clip.Kick(at, 0.7).Snare(at + 0.27, 0.5);
  }
  clip.Hiss(2.2, 0.2, 0.4, 0.8, 0.4);
  return clip.Finished();
}

// Sneaking out of the room: tiptoeing plucked notes, down the scale.
Samples SneakOut() {
  Clip clip(1.3);
  const int notes[] = {G5, E5, C5, A4, F4, D4};
  for (int i = 0; i < 6; ++i) clip.Note(i * 0.2, 0.09, notes[i], 0.5, Wave::Triangle);
  return clip.Finished();
}

// An intruder: a two-tone siren.
Samples Siren() {
  Clip clip(1.6);
  for (int i = 0; i < 4; ++i) {
    clip.Tone(i * 0.4, 0.2, 880, 880, 0.4, Wave::Square, 0.01, 0.02);
    clip.Tone(i * 0.4 + 0.2, 0.2, 660, 660, 0.4, Wave::Square, 0.01, 0.02);
  }
  return clip.Finished();
}

// A bought state: a cash drawer and a bell.
Samples CashRegister() {
  Clip clip(1.1);
  clip.Hiss(0, 0.08, 0.8, 0.5, 0.5, 0.002, 0.05);
  clip.Hiss(0.1, 0.06, 0.6, 0.6, 0.6, 0.002, 0.04);
  clip.Tone(0.18, 0.9, 2093, 2093, 0.4, Wave::Sine, 0.003, 0.85);
  clip.Tone(0.18, 0.9, 3136, 3136, 0.2, Wave::Sine, 0.003, 0.6);
  return clip.Finished();
}

// A won state: a fanfare climbing to its top note.
Samples Fanfare() {
  Clip clip(1.3);
  const int notes[] = {C5, E5, G5, C6};
  for (int i = 0; i < 3; ++i) clip.Note(i * 0.14, 0.13, notes[i], 0.45, Wave::Saw);
  clip.Note(0.42, 0.8, C6, 0.45, Wave::Saw).Note(0.42, 0.8, G5, 0.25, Wave::Saw);
  return clip.Finished();
}

// A lost state: a falling tune that droops at the end.
Samples FallingTune() {
  Clip clip(1.8);
  const int notes[] = {G4, F4 + 1, F4};
  for (int i = 0; i < 3; ++i) clip.Note(i * 0.35, 0.32, notes[i], 0.4, Wave::Saw);
  clip.Tone(1.05, 0.7, Midi(E4), Midi(E4) * 0.94, 0.4, Wave::Saw, 0.02, 0.3);
  return clip.Finished();
}

// The airport reporter: an attention chime.
Samples Chime() {
  Clip clip(1.2);
  clip.Tone(0, 0.6, Midi(E5), Midi(E5), 0.4, Wave::Sine, 0.005, 0.5);
  clip.Tone(0.3, 0.8, Midi(C5), Midi(C5), 0.4, Wave::Sine, 0.005, 0.7);
  return clip.Finished();
}

// A wrong answer: a harsh buzzer.
Samples Buzzer() {
  Clip clip(0.8);
  clip.Tone(0, 0.75, 110, 104, 0.5, Wave::Saw, 0.005, 0.05);
  clip.Tone(0, 0.75, 116, 110, 0.4, Wave::Square, 0.005, 0.05);
  return clip.Finished();
}

// Conceding: a slow, sad descent in a minor key.
Samples GiveUp() {
  Clip clip(2.6);
  const int notes[] = {A4, G4, F4, E4};
  for (int i = 0; i < 4; ++i) {
    clip.Note(i * 0.55, 0.6, notes[i], 0.4, Wave::Triangle);
    clip.Note(i * 0.55, 0.6, notes[i] - 9, 0.2, Wave::Sine);
  }
  return clip.Finished();
}

// The final result: a longer fanfare with drums.
Samples Victory() {
  Clip clip(3.2);
  const int notes[] = {G4, C5, E5, G5, E5, G5};
  const double lengths[] = {0.2, 0.2, 0.2, 0.5, 0.2, 1.4};
  double at = 0;
  for (int i = 0; i < 6; ++i) {
    clip.Note(at, lengths[i] * 0.95, notes[i], 0.4, Wave::Saw);
    clip.Note(at, lengths[i] * 0.95, notes[i] - 12, 0.2, Wave::Square);
    clip.Snare(at, 0.25);
    at += lengths[i];
  }
  clip.Kick(at - 1.4, 0.6).Hiss(at - 1.4, 1.0, 0.3, 0.7, 0.3, 0.005, 0.8);
  return clip.Finished();
}

// Leaving the game: a short goodbye jingle.
Samples Goodbye() {
  Clip clip(1.0);
  const int notes[] = {C5, G4, E4, C4};
  for (int i = 0; i < 4; ++i) clip.Note(i * 0.18, 0.2, notes[i], 0.45, Wave::Triangle);
  clip.Note(0.72, 0.25, C4 - 12, 0.3, Wave::Sine);
  return clip.Finished();
}

// One for each of kEffectClips, in its order.
constexpr Samples (*kMakers[])() = {
    Anthem,      PlayerJet, ComputerJet, DrumRoll,    BigState, Splash,  Wind,         SmokeRoomIn,
    Cameras,     Swing,     Ball,        RockConcert, SneakOut, Siren,   CashRegister, Fanfare,
    FallingTune, Chime,     Buzzer,      GiveUp,      Victory,  Goodbye,
};
static_assert(std::size(kMakers) == std::size(ballotrek::kEffectClips));

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_clips <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (std::size_t i = 0; i < std::size(kMakers); ++i) {
    const std::string file = folder + "/" + std::string(ballotrek::kEffectClips[i]) + ".wav";
    if (!WriteWav(file, kMakers[i]())) {
      std::fprintf(stderr, "make_clips: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
