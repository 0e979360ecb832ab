// What happens on each kind of square and in each interruption of a turn.
// Every operation acts for game.currentSide unless it says otherwise.
#pragma once

namespace ballotrek {

// Waits for Enter, then draws a number from 1 to n.
int RollForOutcome(int n);
// The acting side's votes and money, or that its money is gone, on row 20.
void ShowStandingLine();

// Claiming unclaimed states; a state of the other side leads to a challenge.
void PlayerLandsOnState(int position, float price);
void ComputerLandsOnState(int position, float price);
void ThinkAloud();

// Owned states and challenges. The player is offered a challenge on a
// computer state; the computer decides on a player state by its rules.
void OfferChallenge(int position, float price);
void DecideChallenge(int position, float price);
void RemarkAlreadyOwned();

void RunEveningNews();

// State transfers.
void TransferStateToOpponent();
void GainUnclaimedStates(int count);

// The smoke filled room: a turn spent in it, and a jet sent there for
// landing where the other one stands.
void RunSmokeRoomTurn();
void SendIntruderToRoom(int position);

// Hazard squares and rest days.
void LandOnHazard(int position);
void TakeRestDay();

// Quizzes, trivia and voice clips.
void PressConferenceQuiz();
void AirportQuizByYear();
void AirportQuizByInauguration();
void ShowTrivia();
void PlayVoiceClip();

}  // namespace ballotrek
