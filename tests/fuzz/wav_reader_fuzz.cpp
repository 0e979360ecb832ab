// The clip reader against any file at all: nothing may crash it, and a file it accepts keeps the
// limits it promises and gives no more frames than it tells or holds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "console/wav_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using ballotrek::WavReader;
  WavReader reader;
  if (size == 0 || !reader.Open(fmemopen(const_cast<std::uint8_t*>(data), size, "rb"))) return 0;
  const auto channels = static_cast<std::size_t>(reader.channels());
  if (channels < 1 || channels > WavReader::kMostChannels || reader.rate() < 1 ||
      reader.rate() > WavReader::kHighestRate || reader.frames() < 1 ||
      reader.frames() > WavReader::kLongestFrames) {
    std::abort();
  }
  std::vector<std::int16_t> block(7 * channels);
  std::size_t frames = 0;
  for (std::size_t read; (read = reader.Read(block.data(), 7)) > 0; frames += read) {
    if (read > 7) std::abort();
  }
  // A sample takes a byte of the file at least.
  if (frames > reader.frames() || frames * channels > size) std::abort();
  return 0;
}
