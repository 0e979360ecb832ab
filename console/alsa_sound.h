// Sound on Linux: clips read a block at a time and streamed to ALSA's
// default device, each to its end before the game goes on.
#pragma once

#include <string>
#include <string_view>

#include "console/seams.h"

namespace ballotrek {

class AlsaSound : public SoundPlayer {
 public:
  // Silences ALSA's own diagnostics, so that nothing it says ever reaches
  // the game screen. Touches no device: that waits for the first clip.
  AlsaSound();
  void Play(std::string_view path) override;
};

}  // namespace ballotrek
