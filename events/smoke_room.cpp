#include <array>

#include "console/console.h"
#include "events/events.h"
#include "events/named_line.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

constexpr NamedLine kPlayerScenes[] = {
    Named("Oh ", ", you are stuck in that putrid room\n"),
    NamedLine{"Sit back and  relax, you still cannot leave those blowhards\n"},
    Named("Sorry ", ", you must stay in that stinking room\n"),
    Named("Have some champagne and caviar ", ", you are not going anywhere\n"),
    Named("Do some stretching exercises ", ", you are not travelling yet\n"),
    Named("Loosen your belt and collar ", ", it will be a while\n"),
    Named("Take off your shoes and relax ", ", it stinks in there anyway\n"),
    Named("You better  meditate ", ", those windbags  will give you a headache\n"),
};

constexpr NamedLine kComputerScenes[] = {
    Named("Oh man ", ", I cannot leave this suffocating room yet\n"),
    NamedLine{"I am surrounded by windbags but I must stay\n"},
    Named("Oh ", ", please get me the heck out of here\n"),
    Named("It looks like  I am doomed to croak in here ", ", I need oxygen\n"),
    NamedLine{"I may as well stretch out on the couch here and snooze a while\n"},
    NamedLine{"Ho hum, I am really bored in here\n"},
    Named("Hey ", ", throw me a blanket will you\n"),
    Named("Oh man ", ", these blowhard politicians are such a bore\n"),
};
static_assert(std::size(kPlayerScenes) == kRoomScenes && std::size(kComputerScenes) == kRoomScenes,
              "a scene of each side for each card of the room's deck");

bool VotesEndTheGameFor(int receiver) {
  return CandidateOf(receiver).votes >= kWinningVotes ||
         (game.player.votes == kTiedVotes && game.computer.votes == kTiedVotes);
}

int OfferStateForRelease() {
  const int key =
      AskAt(1, 1, "You are in the smoke filled room, want to give up a state?  Y or N  ", "yn");
  if (key == 'y') TransferStateToOpponent();
  return key;
}

void ShowRoomScene() {
  const int k = DrawFromDeck(game.roomDeck);
  GotoXY(1, 2);
  const auto& scenes = game.currentSide == player ? kPlayerScenes : kComputerScenes;
  Write(scenes[k - 1]);
}

void SneakOut(int pause, std::string_view first, const NamedLine& second) {
  Delay(pause);
  if (SoundOn()) PlayClip("data\\smro.wav");
  GotoXY(1, 1);
  Write(first);
  Write(second);
}

void PlayerRoomTurn() {
  if (game.computer.inSmokeRoom) {
    SneakOut(1000,
             "You were in the smoke filled room, but nice move he he he he he he he he he he\n",
             NamedLine{"you crouched down and scampered out the door when I came in\n"});
    game.player.inSmokeRoom = false;
    return;
  }
  if (Rand() % 20 + 1 > 18) {
    SneakOut(1000, "You were in the smoke filled room, but\n",
             NamedLine{"Slick move!  You snuck out behind a big fat guy by the door\n"});
    game.player.inSmokeRoom = false;
    return;
  }
  if (game.player.votes < 1) {
    GotoXY(1, 1);
    Write("You are in the smoke filled room\n");
    ShowRoomScene();
    return;
  }
  const int answer = OfferStateForRelease();
  if (VotesEndTheGameFor(computer)) EndGame();
  if (answer == 'n') {
    ShowRoomScene();
  } else {
    game.player.inSmokeRoom = false;
  }
}

void ComputerRoomTurn() {
  if (game.player.inSmokeRoom) {
    SneakOut(
        500, "I was in the smoke filled room, but\n",
        Named("thanks ", ", he he he he he he he he you came in and I snuck out behind you\n"));
    game.computer.inSmokeRoom = false;
    return;
  }
  if (Rand() % 20 + 1 > 18) {
    SneakOut(2000, "I was in the smoke filled room, but\n",
             NamedLine{"oh baby, I bolted out during a toast to Herbert Hoover\n"});
    game.computer.inSmokeRoom = false;
    return;
  }
  GotoXY(1, 1);
  Write("I am  in the smoke filled room\n");
  if (game.computer.votes < 1) {
    GotoXY(1, 1);
    Write("I am in the smoke filled room and have no states to give up\n");
    ShowRoomScene();
    return;
  }
  // Gives up a state six times in ten, unless the player is near winning.
  if (Rand() % 10 < 6 && game.player.votes < 240) {
    GotoXY(1, 1);
    Write("I am ready to give up a state to get the heck out of here\n");
    TransferStateToOpponent();
    if (VotesEndTheGameFor(player)) EndGame();
    game.computer.inSmokeRoom = false;
    return;
  }
  GotoXY(1, 1);
  Write("I am  in the smoke filled room\n");
  ShowRoomScene();
}

}  // namespace

void RunSmokeRoomTurn() {
  if (game.currentSide == player) {
    PlayerRoomTurn();
  } else {
    ComputerRoomTurn();
  }
}

void SendIntruderToRoom(int position) {
  if (SoundOn()) PlayClip("data\\inst.wav");
  GotoXY(20, 3);
  Print(BoardTable[position].name, "\n");
  const std::string& name = game.firstName;
  if (game.currentSide == player) {
    Print("Come on ", name, ", I am campaigning here, you are intruding on my action\n");
    Write("This state is not big enough for the two of us\n");
    Write("You must go to the smoke filled room\n");
    Write("It will cost you a million bucks\n");
    Write("And you must wait to get lucky  or give me  a state  to get out\n");
    ChangeMoney(game.player, -1.0f);
  } else {
    Print("Excuse me for intruding ", name, ", I did not know you were here\n");
    Write("This state is too small to hold both of us\n");
    Write("I am forced to go to the smoke filled room\n");
    Write("It will cost me a million clams\n");
    Write("And I must wait to get  lucky or give  you a state to get out\n");
    ChangeMoney(game.computer, -1.0f);
  }
  ShowStandingLine();
}

}  // namespace ballotrek
