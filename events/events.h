// What happens on each kind of square and in each interruption of a turn.
// Every operation acts for game.currentSide unless it says otherwise.
#pragma once

namespace ballotrek {

// Claiming unclaimed states; a state of the other side leads to a challenge.
void PlayerLandsOnState(int position, float price);
void ComputerLandsOnState(int position, float price);
void ThinkAloud();

// Owned states and challenges. The player is offered a challenge on a
// computer state; the computer decides on a player state by its rules.
void OfferChallenge(int position, float price);
void DecideChallenge(int position, float price);
void RemarkAlreadyOwned();
void RemarkOnComputerState();
void RemarkOnPlayerState();

// Evening news, and the computer's remarks on a story.
void RunEveningNews();
void ReactToPlayerGain();
void ReactToComputerGain();
void ReactToPlayerLoss();
void ReactToComputerLoss();
void LoseStateOnNews();

// State transfers.
void TransferStateToOpponent();
void GainUnclaimedStates(int count);

// Smoke filled room. OfferStateForRelease asks the player and returns the
// answer, 'y' or 'n'.
void RunSmokeRoomTurn();
int OfferStateForRelease();
void ShowRoomScene();
void SendIntruderToRoom(int position);

// Hazard squares and rest days.
void LandOnHazard(int position);
void TakeRestDay();

// Quizzes, trivia and voice clips.
void PressConferenceQuiz();
void AirportQuizByYear();
void AirportQuizByInauguration();
// Whether the airport quiz by year can ask the year.
bool IsAskableYear(int year);
void ShowTrivia();
void PlayVoiceClip();

}  // namespace ballotrek
