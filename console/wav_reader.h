// Clips are WAV files of 8, 16, 24 or 32-bit PCM samples or of 32-bit floats,
// the game's own or ones players drop in. This reads them a block of frames at
// a time as 16-bit samples, so that no more than a block is held, and refuses
// any other file when it is opened.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace ballotrek {

class WavReader {
 public:
  // Clips are seconds long; anything far longer is not one of ours.
  static constexpr std::uint32_t kLongestFrames = 44100 * 60;
  static constexpr int kMostChannels = 8;
  static constexpr int kHighestRate = 192000;

  WavReader() = default;
  WavReader(const WavReader&) = delete;
  WavReader& operator=(const WavReader&) = delete;
  ~WavReader();

  // Takes the file over and reads up to the first sample; false when the
  // file is not a WAV file of those samples within the limits above.
  bool Open(std::FILE* file);
  int channels() const { return channels_; }
  int rate() const { return rate_; }
  std::uint32_t frames() const { return frames_; }  // as the file tells
  // Reads at most `count` frames into `samples`, which has room for
  // `count * channels()`; returns how many it read, 0 at the end of the
  // samples or of the file.
  std::size_t Read(std::int16_t* samples, std::size_t count);

 private:
  bool ReadForm();

  std::FILE* file_ = nullptr;
  int channels_ = 0;
  int rate_ = 0;
  int bytes_ = 0;  // of a sample in the file
  bool float_ = false;
  std::uint32_t frames_ = 0;
  std::uint32_t left_ = 0;          // frames not read yet
  std::vector<unsigned char> raw_;  // the file's bytes of the frames being read
};

}  // namespace ballotrek
