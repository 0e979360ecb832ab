#include "console/wav_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ballotrek {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;
// The sub-format of an extensible file after its first two bytes, which are
// the tag it stands for.
constexpr unsigned char kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint32_t Little(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

bool ReadBytes(std::FILE* file, unsigned char* bytes, std::size_t count) {
  return std::fread(bytes, 1, count, file) == count;
}

// Passes over the rest of a chunk; no clip holds a chunk of a gigabyte.
bool Skip(std::FILE* file, std::uint64_t count) {
  return count < (1u << 30) && std::fseek(file, static_cast<long>(count), SEEK_CUR) == 0;
}

// Samples are little-endian; a wider one keeps its top 16 bits and an 8-bit
// one is unsigned.
std::int16_t Sample(const unsigned char* bytes, int size, bool isFloat) {
  if (isFloat) {
    const std::uint32_t bits = Little(bytes, 4);
    float value;
    std::memcpy(&value, &bits, 4);
    if (std::isnan(value)) return 0;
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767));
  }
  if (size == 1) return static_cast<std::int16_t>((bytes[0] - 128) * 256);
  return static_cast<std::int16_t>(Little(bytes + size - 2, 2));
}

}  // namespace

WavReader::~WavReader() {
  if (file_ != nullptr) std::fclose(file_);
}

// A RIFF file: "RIFF", its length, "WAVE", then chunks of a four-letter name
// and a length. The "fmt " chunk tells the samples' form; the samples are
// the "data" chunk, which must come after it. Other chunks are passed over.
bool WavReader::Open(std::FILE* file) {
  if (file_ != nullptr) std::fclose(file_);
  file_ = file;
  if (file_ != nullptr && ReadForm()) return true;
  channels_ = rate_ = 0;
  frames_ = left_ = 0;
  return false;
}

bool WavReader::ReadForm() {
  unsigned char header[12];
  if (!ReadBytes(file_, header, 12) || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "WAVE", 4) != 0) {
    return false;
  }
  int blockAlign = 0;
  for (;;) {
    unsigned char chunk[8];
    if (!ReadBytes(file_, chunk, 8)) return false;
    const std::uint32_t length = Little(chunk + 4, 4);
    const std::uint64_t padded = std::uint64_t{length} + (length & 1);  // odd ones are padded
    if (std::memcmp(chunk, "data", 4) == 0) {
      if (blockAlign == 0) return false;  // no form told yet
      frames_ = left_ = length / static_cast<std::uint32_t>(blockAlign);
      return frames_ > 0 && frames_ <= kLongestFrames;
    }
    if (std::memcmp(chunk, "fmt ", 4) != 0 || blockAlign != 0) {
      if (!Skip(file_, padded)) return false;
      continue;
    }
    unsigned char form[40] = {};
    const auto told = std::min<std::uint32_t>(length, sizeof form);
    if (length < 16 || !ReadBytes(file_, form, told) || !Skip(file_, padded - told)) return false;
    const auto tag = static_cast<std::uint16_t>(Little(form, 2));
    const auto kind = tag == kExtensible && told == 40 && std::memcmp(form + 26, kGuidTail, 14) == 0
                          ? Little(form + 24, 2)
                          : tag;
    const auto bits = Little(form + 14, 2);
    float_ = kind == kFloat;
    bytes_ = static_cast<int>(bits / 8);
    channels_ = static_cast<int>(Little(form + 2, 2));
    rate_ = static_cast<int>(std::min<std::uint32_t>(Little(form + 4, 4), kHighestRate + 1));
    const bool known = (kind == kPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                       (float_ && bits == 32);
    if (!known || channels_ < 1 || channels_ > kMostChannels || rate_ < 1 || rate_ > kHighestRate ||
        Little(form + 12, 2) != static_cast<std::uint32_t>(bytes_ * channels_)) {
      return false;
    }
    blockAlign = bytes_ * channels_;
  }
}

std::size_t WavReader::Read(std::int16_t* samples, std::size_t count) {
  if (file_ == nullptr || left_ == 0) return 0;
  const std::size_t frameBytes = static_cast<std::size_t>(bytes_ * channels_);
  count = std::min<std::size_t>(count, left_);
  raw_.resize(count * frameBytes);
  // A frame cut short by the end of the file is not played.
  const std::size_t frames = std::fread(raw_.data(), 1, raw_.size(), file_) / frameBytes;
  left_ = frames < count ? 0 : left_ - static_cast<std::uint32_t>(frames);
  for (std::size_t i = 0; i < frames * static_cast<std::size_t>(channels_); ++i) {
    samples[i] = Sample(&raw_[i * static_cast<std::size_t>(bytes_)], bytes_, float_);
  }
  return frames;
}

}  // namespace ballotrek
