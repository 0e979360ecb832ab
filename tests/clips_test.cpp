#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

TEST(Clips, EveryClipDecodesIsAudibleAndDiffersFromTheOthers) {
  std::map<std::vector<short>, std::string> seen;
  std::vector<std::string> names = {"anth", "plwh", "cowh", "chal", "bist", "ocea", "bliz", "smin",
                                    "prco", "gosw", "goba", "rock", "smro", "inst", "bust", "wich",
                                    "lost", "prch", "wran", "quit", "hail", "exit"};
#ifdef BALLOTREK_VOICES
  for (const char* voice : {"cc", "hh", "fdr", "hst", "ike", "jfk", "lbj", "rn", "gf", "jc", "rr",
                            "gb", "bc", "gwb", "bo"}) {
    names.push_back(voice);
  }
#endif
  for (const std::string& name : names) {
    SF_INFO info{};
    SNDFILE* sound = sf_open((BALLOTREK_DATA_DIR "/" + name + ".wav").c_str(), SFM_READ, &info);
    ASSERT_NE(sound, nullptr) << name << ": " << sf_strerror(nullptr);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name;
    EXPECT_EQ(info.samplerate, 44100) << name;
    EXPECT_EQ(info.channels, 1) << name;
    std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
    EXPECT_EQ(sf_readf_short(sound, samples.data(), info.frames), info.frames) << name;
    sf_close(sound);
    // The anthem plays through the title; the rest are a few seconds at most.
    const double seconds = static_cast<double>(info.frames) / info.samplerate;
    EXPECT_TRUE(seconds >= 0.2 && seconds <= (name == "anth" ? 30 : 5)) << name << seconds;
    double energy = 0;
    for (short s : samples) energy += static_cast<double>(s) * s;
    EXPECT_GT(std::sqrt(energy / samples.size()), 1000.0) << name;  // well above silence
    EXPECT_TRUE(seen.emplace(samples, name).second) << name;
  }
}

}  // namespace
