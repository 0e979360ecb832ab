#include <array>

#include "console/console.h"
#include "events/answers.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

// The answer for each state square, written without blanks; the squares
// nobody owns, and Washington DC, are never asked.
constexpr std::array<const char*, kBoardSize> CapitalTable = {
    "null",           // 0
    "Richmond",       // 1
    "Charleston",     // 2
    "Annapolis",      // 3
    "Dover",          // 4
    "Null",           // 5
    "Trenton",        // 6
    "Albany",         // 7
    "Hartford",       // 8
    "Providence",     // 9
    "Null",           // 10
    "Boston",         // 11
    "Montpelier",     // 12
    "Concord",        // 13
    "Augusta",        // 14
    "Null",           // 15
    "Harrisburg",     // 16
    "Columbus",       // 17
    "Frankfort",      // 18
    "Indianapolis",   // 19
    "Lansing",        // 20
    "Madison",        // 21
    "Null",           // 22
    "Springfield",    // 23
    "JeffersonCity",  // 24
    "Null",           // 25
    "DesMoines",      // 26
    "St.Paul",        // 27
    "Bismarck",       // 28
    "Pierre",         // 29
    "Lincoln",        // 30
    "Topeka",         // 31
    "Denver",         // 32
    "Null",           // 33
    "Cheyenne",       // 34
    "Null",           // 35
    "Helena",         // 36
    "Boise",          // 37
    "Juneau",         // 38
    "Olympia",        // 39
    "Salem",          // 40
    "Sacramento",     // 41
    "Honolulu",       // 42
    "CarsonCity",     // 43
    "SaltLakeCity",   // 44
    "Null",           // 45
    "Phoenix",        // 46
    "Null",           // 47
    "SantaFe",        // 48
    "Austin",         // 49
    "OklahomaCity",   // 50
    "LittleRock",     // 51
    "BatonRouge",     // 52
    "Jackson",        // 53
    "Nashville",      // 54
    "Null",           // 55
    "Montgomery",     // 56
    "Tallahassee",    // 57
    "Null",           // 58
    "Atlanta",        // 59
    "Null",           // 60
    "Columbia",       // 61
    "Raleigh",        // 62
    "Null",           // 63
    "Null",           // 64
    "Null",           // 65
};

constexpr int kLastAskedPosition = 62;
// The search for a state goes on at Virginia after the scandal square, so
// neither it nor Washington DC is ever asked.
constexpr int kQuizWrapPosition = 63;

int NextSquare(int p) {
  return p >= kQuizWrapPosition ? 1 : p + 1;
}

// The state at p, or the first one after it.
int StateFrom(int p) {
  while (game.owner[p] == NotOwnable) p = NextSquare(p);
  return p;
}

void PlayerAnswers(int p) {
  const std::string answer = ReadWord();
  DiscardPendingWords();  // a capital typed in two words must not answer the next quiz
  JudgePlayersAnswer(SameAnswer(answer, CapitalTable[p]), "\nSo sorry ");
}

// Right seven times in ten; a wrong answer is the capital of the next state.
void ComputerAnswers(int p) {
  const bool right = Rand() % 10 + 1 >= 4;
  Write("\nMy answer is ");
  Print(right ? CapitalTable[p] : CapitalTable[StateFrom(NextSquare(p))], "\n");
  AskAt(17, 21, "Press space bar to check my answer \x1E ", " ");
  if (right) {
    if (SoundOn()) PlayClip("data\\wich.wav");
    GotoXY(1, 10);
    Print("Hooray ", game.firstName, ", I am right and I win a state\n");
    GainUnclaimedStates(1);
    return;
  }
  if (SoundOn()) PlayClip("data\\wran.wav");
  GotoXY(1, 10);
  Print("Oh no ", game.firstName, ", I was wrong, I lose a state\n");
  if (game.player.position == SmokeRoomPosition) {
    Write("But too bad, you are in that room and do not get a state\n");
  } else {
    TransferStateToOpponent();
  }
}

}  // namespace

void PressConferenceQuiz() {
  // A special square hands its draw on to the state after it.
  const int p = StateFrom(Rand() % kLastAskedPosition + 1);
  Print("What is the capital of ", BoardTable[p].name, " (no spaces)?");
  if (game.currentSide == player) {
    PlayerAnswers(p);
  } else {
    ComputerAnswers(p);
  }
  ShowStandingLine();
}

}  // namespace ballotrek
