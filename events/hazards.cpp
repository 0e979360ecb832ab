#include <array>
#include <string_view>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

struct Hazard {
  PositionKind kind;
  float charge;
  std::array<std::string_view, 3> playerLines;
  std::array<std::string_view, 3> computerLines;
};

// The scandal names the player on both sides and is written out below.
constexpr std::array<Hazard, 3> kHazards = {{
    {PositionKind::Atlantic,
     5.0f,
     {"You swam to safety but you lost your wallet\n", "And your plane is on the ocean floor!\n",
      "You must pay five million dollars for a new plane\n"},
     {"I floated to shore but I lost a circuit board\n",
      "And doggonit, my plane is now a beached whale!\n",
      "I must pay five million smackers for a new plane\n"}},
    {PositionKind::Blizzard,
     2.0f,
     {"It is freezing and your nose got frostbitten\n",
      "And your plane is stuck in a huge snow drift!\n",
      "You must pay two million dollars to drag it out\n"},
     {"I had my snowsuit on but my hard drive got frozen\n",
      "And darn it, my plane is now an ice sickle!\n",
      "I must pay two million dollars to thaw it out\n"}},
    {PositionKind::GolfOuting,
     2.0f,
     {"Man you really whacked the ball but  you hit your running mate on the head\n",
      "You had to get him to the hospital and you missed a fund raising dinner\n",
      "You lose two million dollars in funds\n"},
     {"Oh no, I fell off the golf cart and cracked my USB port\n",
      "The computer doctor made me miss my fund raiser\n", "I lose two million bucks in funds\n"}},
}};

constexpr float kScandalCharge = 4.0f;

constexpr std::array<std::string_view, 7> kPlayerDaysOff = {
    "play tennis with your campaign manager", "take in an R rated movie",
    "play golf with your press secretary",    "go to a football game",
    "play with your baseball cards",          "read a cheap and raunchy novel",
    "play cards with your speech writer",
};

constexpr std::array<std::string_view, 7> kComputerDaysOff = {
    "stay inside and read a few comic books",
    "stay in the sack and watch TV",
    "play checkers with my running mate",
    "examine my hard drive for bad sectors",
    "Go  to a loud rock concert",
    "go to the park and feed the birds",
    "have a few beers and relax",
};

}  // namespace

void LandOnHazard(int position) {
  Candidate& candidate = CandidateOf(game.currentSide);
  const PositionKind kind = BoardTable[position].kind;
  if (kind == PositionKind::Scandal) {
    if (game.currentSide == player) {
      Print("The press is calling it ", game.firstName, "gate\n");
    } else {
      Print("And ", game.firstName, ", the media is calling it computergate\n");
    }
    Write("It will take 4million dollars in hush money to cover it up\n");
    ChangeMoney(candidate, -kScandalCharge);
  } else {
    for (const Hazard& hazard : kHazards) {
      if (hazard.kind != kind) continue;
      const auto& lines = game.currentSide == player ? hazard.playerLines : hazard.computerLines;
      for (std::string_view line : lines) Write(line);
      ChangeMoney(candidate, -hazard.charge);
    }
  }
  ShowStandingLine();
}

void TakeRestDay() {
  const int k = Rand() % 7 + 1;
  GotoXY(1, 3);
  if (game.currentSide == player) {
    if (k == 3 && SoundOn()) {
      PlayClip("data\\gosw.wav");
      PlayClip("data\\goba.wav");
    }
    Print("You are taking a day off to ", kPlayerDaysOff[k - 1]);
  } else {
    if (k == 5 && SoundOn()) PlayClip("data\\rock.wav");
    Print("I am resting today.  I am going to ", kComputerDaysOff[k - 1]);
  }
}

}  // namespace ballotrek
