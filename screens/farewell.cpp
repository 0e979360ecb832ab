#include "screens/farewell.h"

#include "console/console.h"

namespace ballotrek {

void WriteMakersLines() {
  GotoXY(1, 18);
  Write("Ballotrek is made by its developers as free software for all to enjoy.\n");
  Write("Tell us how your campaign went through the project's issue tracker.\n");
  Write("\n");
}

void WaitForEscape() {
  while (ReadKey() != kKeyEscape) {
  }
}

}  // namespace ballotrek
