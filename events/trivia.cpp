#include <array>

#include "console/console.h"
#include "events/events.h"
#include "model/clip_list.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

constexpr const char* kFacts[] = {
    "Eight Presidents never attended college",
    "The Presidential oath of office has been taken 55 times",
    "Fifteen Presidents have been re-elected to two or more terms",
    "Four Presidents were assassinated",
    "Four Presidents died in office of illness",
    "The only President who assumed office without  being elected\nPresident or vice president was "
    "Gerald Ford",
    "Only William Henry Harrison and James Garfield\nserved as President for less than a year",
    "Andrew Johnson and Bill Clinton were  impeached but acquitted after trial",
    "William Henry Harrison died after  only thirty days in office",
    "Abraham Lincoln was assassinated in April 1865, one month into his second term",
    "James Garfield was assassinated in September 1881, only\nhis seventh month in office",
    "William McKinley was assassinated in September 1901, the seventh month of\nhis second term",
    "John F. Kennedy was assassinated in November 1963, his third year in office",
    "Zachary Taylor died in office in July 1850,\na bit more than a year after taking office",
    "Warren Harding died in August 1923, his third year in office",
    "Franklin Roosevelt  died in April  1945, one month into his fourth term",
    "Franklin Roosevelt  was the only President to be elected to a third term",
    "The 22nd Amendment limits the President to two elected terms or\none elected term if six "
    "years overall in office",
    "Richard Nixon resigned in August 1974, the only President to resign",
    "Grover Cleveland was the only President to serve two non-consecutive terms",
    "The oldest President inaugurated was Ronald Reagan at age 69",
    "The youngest President inaugurated was John Kennedy at age 43",
    "The tallest President was Abraham Lincoln at 6'4 tall",
    "Fourteen Presidents were prior Vice-Presidents",
    "James Madison was the shortest President at 5'4 tall",
    "James Buchanan was the only President who never got married",
    "Six Presidents never had children",
    "The only President who was divorced was Ronald Reagan",
};
static_assert(std::size(kFacts) == kTriviaFacts, "a fact for each card of the trivia deck");
static_assert(std::size(kVoiceClips) == kPresidentVoices, "a voice for each card of its deck");

}  // namespace

void ShowTrivia() {
  const int k = DrawFromDeck(game.triviaDeck);
  Delay(500);
  ClearAt(1, 18);
  ClearAt(1, 17);
  Write(kFacts[k - 1]);
  Delay(500);
}

// The caption appears once the voice has finished.
void PlayVoiceClip() {
  const VoiceClip& clip = kVoiceClips[DrawFromDeck(game.voiceDeck) - 1];
  GotoXY(1, 1);
  PlayClip("data\\" + std::string(clip.name) + ".wav");
  Write(clip.caption);
  Delay(1000);
}

}  // namespace ballotrek
