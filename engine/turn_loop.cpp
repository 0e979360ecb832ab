#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

bool VotesEndTheGame() {
  return game.player.votes >= kWinningVotes || game.computer.votes >= kWinningVotes ||
         (game.computer.votes == kTiedVotes && game.player.votes == kTiedVotes);
}

void EndOfTurnCheck() {
  if (IsBroke(game.player.money) || IsBroke(game.computer.money) || VotesEndTheGame()) EndGame();
}

void PlayLandingSound(int position) {
  if (!SoundOn()) return;
  switch (BoardTable[position].kind) {
    case PositionKind::TryState:
      PlayClip("data\\bist.wav");
      break;
    case PositionKind::Atlantic:
      PlayClip("data\\ocea.wav");
      break;
    case PositionKind::Blizzard:
      PlayClip("data\\bliz.wav");
      break;
    case PositionKind::SmokeFilledRoom:
      PlayClip("data\\smin.wav");
      break;
    case PositionKind::PressConference:
      PlayClip("data\\prco.wav");
      break;
    case PositionKind::GolfOuting:
      PlayClip("data\\gosw.wav");
      PlayClip("data\\goba.wav");
      break;
    default:
      break;
  }
}

// Moves the candidate; past Washington DC the flight goes on from Virginia.
int Fly(Candidate& candidate, int distance) {
  candidate.position += distance;
  if (candidate.position > kLastPosition) candidate.position -= kLastPosition;
  return candidate.position;
}

// Landing on a state where the other candidate stands.
bool IsIntrusion(int position) {
  return game.player.position == game.computer.position && BoardTable[position].electoralVotes >= 1;
}

void PlayerTurn() {
  game.currentSide = player;
  Candidate& me = game.player;
  if (me.inSmokeRoom) {
    RunSmokeRoomTurn();
    if (me.inSmokeRoom) return EndOfTurnCheck();
  }

  int distance = TakeOff();
  ++game.turnCount;
  if (game.turnCount % 10 == 6 && SoundOn()) {
    PlayVoiceClip();
  } else if (game.turnCount % 10 == 3) {
    ShowTrivia();
  } else if (game.turnCount % 15 == 9) {
    if (Rand() % 5 + 1 < 5) {
      AirportQuizByYear();
    } else {
      AirportQuizByInauguration();
    }
    if (VotesEndTheGame()) EndGame();
    distance = TakeOff();
  }
  Delay(200);
  if (game.turnCount % 5 == 0) CommentOnRace();
  GotoXY(17, 20);
  Print("You have ", me.votes, " votes and ", me.money, " million dollars");

  if (game.turnCount % 6 == 5 && Rand() % 7 + 1 == 4) return TakeRestDay();
  if (game.turnCount % 7 == 6 && Rand() % 10 + 1 == 1) {
    GotoXY(1, 3);
    Write("You must return to Washington DC for a Congressional vote\n");
    me.position = kWashingtonAirportPosition;
    return;
  }

  const int position = Fly(me, distance);
  Delay(2000);
  PlayLandingSound(position);
  if (position == SmokeRoomPosition) me.inSmokeRoom = true;
  Delay(500);
  GotoXY(1, 3);
  Write("You have landed in ");
  if (IsIntrusion(position)) {
    SendIntruderToRoom(position);
    me.position = SmokeRoomPosition;
    me.inSmokeRoom = true;
    if (IsBroke(me.money)) EndGame();
    return;
  }
  DispatchLanding(position);
  EndOfTurnCheck();
}

void ComputerTurn() {
  game.currentSide = computer;
  Candidate& me = game.computer;
  if (me.inSmokeRoom) {
    RunSmokeRoomTurn();
    if (me.inSmokeRoom) return EndOfTurnCheck();
  }

  const int distance = TakeOff();
  Delay(500);
  GotoXY(17, 20);
  Print("I have ", me.votes, " votes and ", me.money, " million dollars");

  // The computer's interruptions go by the count of the player turn just played.
  if (game.turnCount % 6 == 4 && Rand() % 7 + 1 == 2) return TakeRestDay();
  if (game.turnCount % 7 == 4 && Rand() % 10 + 1 == 2) {
    GotoXY(1, 3);
    Write("I must return to Washington DC for a computer show\n");
    me.position = kWashingtonAirportPosition;
    return;
  }

  const int position = Fly(me, distance);
  if (position == SmokeRoomPosition) me.inSmokeRoom = true;
  Delay(2000);
  PlayLandingSound(position);
  GotoXY(3, 3);
  Write("I have landed in ");
  if (IsIntrusion(position)) {
    SendIntruderToRoom(position);
    if (IsBroke(me.money)) EndGame();
    me.position = SmokeRoomPosition;
    me.inSmokeRoom = true;
    return;
  }
  DispatchLanding(position);
  EndOfTurnCheck();
}

}  // namespace

void TurnLoop() {
  game.player.inSmokeRoom = false;
  game.computer.inSmokeRoom = false;
  for (;;) {
    PlayerTurn();
    ComputerTurn();
  }
}

}  // namespace ballotrek
