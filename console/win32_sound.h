#pragma once

#include "console/seams.h"

namespace ballotrek {

class Win32Sound : public SoundPlayer {
 public:
  void Play(std::string_view path) override;
};

}  // namespace ballotrek
