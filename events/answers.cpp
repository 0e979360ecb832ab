#include "events/answers.h"

#include <algorithm>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {

bool SameAnswer(std::string_view typed, std::string_view key) {
  return std::equal(typed.begin(), typed.end(), key.begin(), key.end(),
                    [](char a, char b) { return LowerKey(a) == LowerKey(b); });
}

void JudgePlayersAnswer(bool right, std::string_view sorry) {
  if (right) {
    if (SoundOn()) PlayClip("data\\wich.wav");
    Print("\nYou are correct ", game.firstName, ", you win a state!\n");
    GainUnclaimedStates(1);
    return;
  }
  if (SoundOn()) PlayClip("data\\wran.wav");
  Print(sorry, game.firstName, ", that is not correct, you lose a state\n");
  if (game.computer.position == SmokeRoomPosition) {
    Write("But I am in this room and cannot take any states\n");
  } else {
    TransferStateToOpponent();
  }
}

}  // namespace ballotrek
