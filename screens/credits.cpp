#include "screens/credits.h"

#include "console/build_info.h"
#include "console/console.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

// The two lines about the game's makers, followed by an empty line.
void WriteMakersLines() {
  GotoXY(1, 18);
  Write("Ballotrek is made by its developers as free software for all to enjoy.\n");
  Write("Tell us how your campaign went through the project's issue tracker.\n");
  Write("\n");
}

}  // namespace

void WriteTitleLines() {
  GotoXY(33, 7);
  Write("BALLOTREK");
  GotoXY(28, 9);
  const std::string_view version = kVersion;
  Write("Version ");
  Write(version.substr(0, version.find('.', version.find('.') + 1)));  // no patch number
  Write(" for ");
  Write(kSystemName);
  GotoXY(12, 12);
  Write("A campaign game by the Ballotrek developers");
  GotoXY(40, 13);
  Write("Made to be played and shared");
}

void SayFarewell(const NamedLine& farewell, std::string_view exitPrompt) {
  WriteMakersLines();
  GotoXY(34, 21);
  Write(farewell);
  Delay(3000);
  GotoXY(34, 22);
  Write(exitPrompt);
  WaitForEscape();
  if (SoundOn()) PlayClip("data\\exit.wav");
  EndProcess(0);
}

void WaitForEscape() {
  while (ReadKey() != kKeyEscape) {
  }
}

}  // namespace ballotrek
