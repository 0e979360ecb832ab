// The game's own reader of its WAV clips, against files made here byte by byte.
#include "console/wav_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ballotrek {
namespace {

std::string Little(std::uint32_t value, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; ++i) text += static_cast<char>(value >> 8 * i);
  return text;
}

// A WAV file's bytes: chunks before the form, the form of the tag, channels, rate and bits with a
// sub-format after it for an extensible one, then the samples with the length told.
std::string Wav(int tag, int channels, int rate, int bits, const std::string& subFormat = "",
                const std::string& before = "", const std::string& samples = "abcdef",
                std::uint32_t told = 6) {
  std::string form = Little(tag, 2) + Little(channels, 2) + Little(rate, 4) +
                     Little(rate * channels * bits / 8, 4) + Little(channels * bits / 8, 2) +
                     Little(bits, 2);
  if (!subFormat.empty()) form += Little(22, 2) + Little(16, 2) + Little(0, 4) + subFormat;
  const std::string body = "WAVE" + before + "fmt " +
                           Little(static_cast<std::uint32_t>(form.size()), 4) + form + "data" +
                           Little(told, 4) + samples;
  return "RIFF" + Little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// A file; the frames read from it two at a time (0 when refused), its channels, its first sample.
struct Case {
  std::string bytes;
  int frames, channels, first;
};

// Each form of sample is read as 16 bits; a file cut short plays the whole frames it holds.
TEST(WavReaderTest, ReadsEachFormOfSampleAndRefusesAnythingElse) {
  const std::string guid("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);
  const std::string half = Little(0x3F000000, 4), minusThree = Little(0xC0400000, 4);  // floats
  const std::string pcm = Little(1, 2) + guid, wav = Wav(1, 1, 44100, 16), cut = wav.substr(0, 40);
  constexpr int ab = 'b' << 8 | 'a', tooLong = (WavReader::kLongestFrames + 1) * 2;
  const Case files[] = {
      {wav, 3, 1, ab},
      {Wav(1, 2, 22050, 16, "", "LIST" + Little(3, 4) + "xyz" + Little(0, 1), "abcdefgh", 8), 2, 2,
       ab},
      {Wav(0xFFFE, 2, 8000, 16, pcm, "", "abcdefgh", 8), 2, 2, ab},
      {Wav(1, 1, 44100, 16, "", "", "abcdefg", 600), 3, 1, ab},
      {Wav(1, 1, 44100, 8), 6, 1, ('a' - 128) * 256},
      {Wav(1, 1, 44100, 24, "", "", "abcdefgh", 600), 2, 1, 'c' << 8 | 'b'},
      {Wav(0xFFFE, 2, 8000, 32, pcm, "", "abcdefgh", 8), 1, 2, 'd' << 8 | 'c'},
      {Wav(3, 1, 44100, 32, "", "", half, 4), 1, 1, 16384},
      {Wav(0xFFFE, 1, 8000, 32, Little(3, 2) + guid, "", minusThree, 4), 1, 1, -32767},
      {Wav(1, 1, 44100, 12), 0, 0, 0},
      {Wav(3, 1, 44100, 64, "", "", "abcdefgh", 8), 0, 0, 0},
      {Wav(2, 1, 44100, 16), 0, 0, 0},
      {Wav(0xFFFE, 1, 8000, 16, Little(1, 2) + std::string(14, '?')), 0, 0, 0},
      {Wav(1, 2, 44100, 24).replace(32, 1, 1, '\4'), 0, 0, 0},  // told four bytes a frame
      {Wav(1, 9, 44100, 16, "", "", std::string(18, 0), 18), 0, 0, 0},
      {Wav(1, 1, 0, 16), 0, 0, 0},
      {Wav(1, 1, 44100, 16, "", "", "abcdef", tooLong), 0, 0, 0},
      {Wav(1, 1, 44100, 16, "", "", "", 0), 0, 0, 0},
      {wav.substr(0, 12) + "data" + Little(6, 4) + "abcdef" + wav.substr(12, 24), 0, 0, 0},
      {cut, 0, 0, 0},
      {std::string(100, 'Z'), 0, 0, 0}};
  const auto path = std::filesystem::temp_directory_path() / "ballotrek-wav-test.wav";
  for (const auto& [bytes, frames, channels, first] : files) {
    std::ofstream(path, std::ios::binary) << bytes;
    WavReader reader;
    ASSERT_EQ(reader.Open(std::fopen(path.string().c_str(), "rb")), frames > 0) << bytes;
    std::vector<std::int16_t> samples(16);
    std::size_t read = 0;
    for (std::size_t more; (more = reader.Read(samples.data() + read * 2, 2)) > 0;) read += more;
    EXPECT_EQ(read, static_cast<std::size_t>(frames)) << bytes;
    EXPECT_EQ(reader.channels(), channels) << bytes;
    EXPECT_EQ(samples[0], first) << bytes;
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace ballotrek
