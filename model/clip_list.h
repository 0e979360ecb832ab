// Every sound clip the build makes, each the file <name>.wav that the game
// plays as "data\<name>.wav". The clip makers and the voice clip event read
// these lists, so a clip is added or renamed here alone.
#pragma once

#include <string_view>

namespace ballotrek {

// The synthesised effects; tools/make_clips.cpp has a maker for each, in
// this order.
inline constexpr std::string_view kEffectClips[] = {
    "anth", "plwh", "cowh", "chal", "bist", "ocea", "bliz", "smin", "prco", "gosw", "goba",
    "rock", "smro", "inst", "bust", "wich", "lost", "prch", "wran", "quit", "hail", "exit"};

// A well-known public line of each President, spoken by a speech synthesizer
// at build time.
struct VoiceClip {
  std::string_view name;
  std::string_view caption;  // shown once the voice has finished
  std::string_view line;
  int pitch;  // eSpeak's 0 to 100; a little variety between the speakers
  int speed;  // words per minute
};

inline constexpr VoiceClip kVoiceClips[] = {
    {"cc", "President Coolidge", "The chief business of the American people is business.", 40, 150},
    {"hh", "President Hoover", "Blessed are the young, for they shall inherit the national debt.",
     45, 155},
    {"fdr", "President Roosevelt", "The only thing we have to fear is fear itself.", 42, 135},
    {"hst", "President Truman", "The buck stops here.", 50, 150},
    {"ike", "President Eisenhower", "Plans are worthless, but planning is everything.", 38, 150},
    {"jfk", "President Kennedy",
     "Ask not what your country can do for you; ask what you can do for your country.", 55, 160},
    {"lbj", "President Johnson", "We shall overcome.", 35, 130},
    {"rn", "President Nixon", "I am not a crook.", 45, 145},
    {"gf", "President Ford", "Our long national nightmare is over.", 48, 150},
    {"jc", "President Carter", "I will never lie to you.", 52, 155},
    {"rr", "President Reagan", "Mister Gorbachev, tear down this wall!", 40, 145},
    {"gb", "President George H.W. Bush", "Read my lips: no new taxes.", 58, 160},
    {"bc", "President Clinton", "I feel your pain.", 46, 140},
    {"gwb", "President George W. Bush", "I'm the decider, and I decide what is best.", 50, 165},
    {"bo", "President Obama", "Yes, we can.", 36, 135},
};

}  // namespace ballotrek
