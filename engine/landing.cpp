#include <array>
#include <string_view>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

struct Narration {
  std::string_view firstLine;  // printed after "You have landed in "
  std::string_view priceText;  // as the second line of a state prints it; none on special squares
};

constexpr std::array<Narration, kBoardSize> kNarration = {{
    {{}, {}},                                           // 0: the start, never landed on
    {"Virginia, The Old Dominion State", "3.9"},        // 1
    {"West Virginia, The Mountain State", "4"},         // 2
    {"Maryland, The Old Line State", "5"},              // 3
    {"Delaware, The First State", "2.4"},               // 4
    {"the evening news!", {}},                          // 5
    {"New Jersey, The Garden State", "4.2"},            // 6
    {"New York, The Empire State", "2.9"},              // 7
    {"Connecticut, The Nutmeg State", "3.5"},           // 8
    {"Rhode Island, Little Rhody", "3.2"},              // 9
    {"the Atlantic Ocean, splish splash splosh!", {}},  // 10
    {"Massachusetts, The Bay State", "3.3"},            // 11
    {"Vermont, The Green Mountain State", "2.4"},       // 12
    {"New Hampshire, The Granite State", "3.2"},        // 13
    {"Maine, The Pine Tree State", "3.2"},              // 14
    {"the evening news!", {}},                          // 15
    {"Pennsylvania, The Keystone State", "2"},          // 16
    {"Ohio, The Buckeye State", "1.8"},                 // 17
    {"Kentucky, The Bluegrass State", "4"},             // 18
    {"Indiana, The Hoosier State", "3.3"},              // 19
    {"Michigan, The Great Lakes State", "4.8"},         // 20
    {"Wisconsin, The Badger State", "3"},               // 21
    {"a blizzard, whoosh!", {}},                        // 22
    {"Illinois, The Prairie State", "2"},               // 23
    {"Missouri, The Show Me State", "3"},               // 24
    {"the evening news!", {}},                          // 25
    {"Iowa, The Hawkeye State", "3"},                   // 26
    {"Minnesota, The North Star State", "5"},           // 27
    {"North Dakota, The Peace Garden State", "2.4"},    // 28
    {"South Dakota, The Coyote State", "2.4"},          // 29
    {"Nebraska, The Cornhusker State", "4"},            // 30
    {"Kansas, The Sunflower State", "3"},               // 31
    {"Colorado, The Centennial State", "4.5"},          // 32
    {"a smoke filled room!", {}},                       // 33
    {"Wyoming, The Equality State", "2.4"},             // 34
    {"the evening news!", {}},                          // 35
    {"Montana, The Treasure State", "2.4"},             // 36
    {"Idaho, The Gem State", "3.2"},                    // 37
    {"Alaska, The Last Frontier", "2.4"},               // 38
    {"Washington, The Evergreen State", "3.6"},         // 39
    {"Oregon, The Beaver State", "3.5"},                // 40
    {"California, The Golden State", "5.5"},            // 41
    {"Hawaii, The Aloha State", "3.2"},                 // 42
    {"Nevada, The Sagebrush State", "4.8"},             // 43
    {"Utah, The Beehive State", "4.8"},                 // 44
    {"the evening news!", {}},                          // 45
    {"Arizona, The Grand Canyon State", "5.5"},         // 46
    {"a press conference", {}},                         // 47
    {"New Mexico, The Land of Enchantment", "4"},       // 48
    {"Texas, The Lone Star State", "3.8"},              // 49
    {"Oklahoma, The Sooner State", "3.5"},              // 50
    {"Arkansas, The Land of Opportunity", "3"},         // 51
    {"Louisiana, The Pelican State", "4.0"},            // 52
    {"Mississippi, The Magnolia State", "3.0"},         // 53
    {"Tennessee, The Volunteer State", "3.3"},          // 54
    {"the evening news!", {}},                          // 55
    {"Alabama, The Heart of Dixie", "4.5"},             // 56
    {"Florida, The Sunshine State", "2.9"},             // 57
    {"a golf outing!", {}},                             // 58
    {"Georgia, The Peach State", "4.8"},                // 59
    {"the evening news!", {}},                          // 60
    {"South Carolina, The Palmetto State", "4.5"},      // 61
    {"North Carolina, The Tar Heel State", "4.5"},      // 62
    {"the middle of a big fat scandal!", {}},           // 63
    {"the evening news!", {}},                          // 64
    {"Washington DC, The Nation's Capital", "2.4"},     // 65
}};

void NarrateState(int position) {
  const BoardPosition& square = BoardTable[position];
  if (game.owner[position] == game.currentSide) return RemarkAlreadyOwned();
  if (square.kind == PositionKind::TryState) {
    Print("It has ", square.electoralVotes, " electoral votes, a try for it costs ",
          kNarration[position].priceText, " million dollars\n");
  } else {
    Print("It has ", square.electoralVotes, " electoral votes and costs ",
          kNarration[position].priceText, " million dollars\n");
  }
  if (game.currentSide == player) {
    PlayerLandsOnState(position, square.price);
  } else {
    ComputerLandsOnState(position, square.price);
  }
}

void EnterSmokeRoom() {
  Write("A campaign strategy meeting is in progress, everyone is drunk or snoring\n");
  if (game.currentSide == player) {
    Write("You must pay a million bucks - \n");
    ChangeMoney(game.player, -1.0f);
  } else {
    Write("I must pay one million clams - \n");
    ChangeMoney(game.computer, -1.0f);
  }
  Write("It is for the champagne, caviar, and Cuban cigars\n");
  Write("A lucky break  or the loss of a state is required to get out\n");
  ShowStandingLine();
}

void MeetThePress() {
  if (game.currentSide == player) {
    Write("A wise guy reporter is asking you a question\n");
    Write("You had better get the answer right - a state is at risk\n");
  } else {
    Write("There is a pain in the neck newscaster questioning me\n");
    Write("I have to try to get the answer right - a state is at risk\n");
  }
  PressConferenceQuiz();
}

}  // namespace

void DispatchLanding(int position) {
  GotoXY(20, 3);
  if (position < 1 || position > kLastPosition) return;
  Print(kNarration[position].firstLine, "\n");
  switch (BoardTable[position].kind) {
    case PositionKind::State:
    case PositionKind::TryState:
      return NarrateState(position);
    case PositionKind::EveningNews:
      // The computer's lead-in starts in column 3, under its own prefix.
      Write(game.currentSide == player ? std::string_view("The story says that you ")
                                       : std::string_view("  The story says that I "));
      return RunEveningNews();
    case PositionKind::Atlantic:
    case PositionKind::Blizzard:
    case PositionKind::GolfOuting:
    case PositionKind::Scandal:
      return LandOnHazard(position);
    case PositionKind::SmokeFilledRoom:
      return EnterSmokeRoom();
    case PositionKind::PressConference:
      return MeetThePress();
    case PositionKind::Start:
      return;
  }
}

}  // namespace ballotrek
