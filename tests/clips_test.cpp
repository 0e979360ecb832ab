#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

// The clips the game plays, and how long each may last in seconds.
struct Expected {
  const char* name;
  double shortest;
  double longest;
};

constexpr Expected kClips[] = {
    {"anth", 5, 30},  {"plwh", 0.5, 4}, {"cowh", 0.5, 4}, {"chal", 0.3, 3}, {"bist", 0.3, 3},
    {"ocea", 0.3, 3}, {"bliz", 0.5, 4}, {"smin", 0.3, 3}, {"prco", 0.3, 3}, {"gosw", 0.2, 2},
    {"goba", 0.2, 2}, {"rock", 0.5, 4}, {"smro", 0.3, 3}, {"inst", 0.3, 3}, {"bust", 0.3, 3},
    {"wich", 0.3, 3}, {"lost", 0.3, 3}, {"prch", 0.3, 3}, {"wran", 0.2, 2}, {"quit", 0.5, 4},
    {"hail", 0.5, 5}, {"exit", 0.3, 3},
};

TEST(Clips, EveryClipDecodesIsAudibleAndFitsItsMoment) {
  std::map<std::vector<short>, std::string> seen;
  for (const Expected& clip : kClips) {
    SCOPED_TRACE(clip.name);
    const std::string file = std::string(BALLOTREK_DATA_DIR) + "/" + clip.name + ".wav";
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    ASSERT_NE(sound, nullptr) << sf_strerror(nullptr);
    EXPECT_EQ(info.samplerate, 44100);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
    EXPECT_EQ(sf_readf_short(sound, samples.data(), info.frames), info.frames);
    sf_close(sound);

    const double seconds = static_cast<double>(info.frames) / info.samplerate;
    EXPECT_GE(seconds, clip.shortest);
    EXPECT_LE(seconds, clip.longest);
    double energy = 0;
    for (short s : samples) energy += static_cast<double>(s) * s;
    EXPECT_GT(std::sqrt(energy / samples.size()), 1000.0);  // well above silence

    const auto [where, fresh] = seen.emplace(samples, clip.name);
    EXPECT_TRUE(fresh) << "the same as " << where->second;
  }
}

}  // namespace
