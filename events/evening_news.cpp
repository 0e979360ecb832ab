#include <array>
#include <string_view>

#include "console/console.h"
#include "events/events.h"
#include "events/named_line.h"
#include "model/game_state.h"

namespace ballotrek {
namespace {

enum class NewsEffect { Money, GainStates, LoseState };

struct NewsStory {
  std::string_view story;
  std::string_view secondStory;  // a few stories run to two lines
  std::string_view effectLine;
  NewsEffect effect;
  int amount;  // millions of dollars, or states gained; 0 gains one to three
};

// Every story reads after both lead-ins: "The story says that you " and
// "  The story says that I ".
constexpr NewsStory kStories[] = {
    {"promised to eliminate the Internal Revenue Service\n", "",
     "It results in the gain of three unclaimed states\n", NewsEffect::GainStates, 3},  // 1
    {"got drunk and punched a reporter in the nose!\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 2
    {"promised peace in our time and a world without crime\n", "",
     "It results in two million dollars in campaign contributions\n", NewsEffect::Money, 2},  // 3
    {"lied about having a law degree from Harvard\n", "",
     "It means a loss of seven million dollars in funds\n", NewsEffect::Money, -7},  // 4
    {"visited a sick child in the hospital\n", "There is a touching picture\n",
     "It results in one million dollars in campaign contributions\n", NewsEffect::Money, 1},  // 5
    {"slipped on a banana peel and flopped in a mud puddle\n",
     "There is a vivid picture in full color\n",
     "It means a loss of two million dollars in funds\n", NewsEffect::Money, -2},  // 6
    {"gave a bundle to charity last year\n",
     "It does not mention taking a tax deduction he he he he he he\n",
     "It means three million dollars in contributions\n", NewsEffect::Money, 3},  // 7
    {"kissed a baby on the campaign trail and made it cry\n", "",
     "It means a loss of three million dollars in funds\n", NewsEffect::Money, -3},  // 8
    {"helped an old lady get her social security\n", "",
     "It results in three million dollars in campaign contributions\n", NewsEffect::Money, 3},  // 9
    {"have been seen frequenting a sleazy bar downtown\n", "",
     "It means a loss of two million dollars in funds\n", NewsEffect::Money, -2},  // 10
    {"have guaranteed liberty and justice for all\n", "",
     "It results in the gain of two unclaimed states\n", NewsEffect::GainStates, 2},  // 11
    {"said that the average voter is a dope!\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 12
    {"will make sure that the world is free and democratic\n", "",
     "It results in the gain of an unclaimed state\n", NewsEffect::GainStates, 1},  // 13
    {"went to Canada during the Vietnam War\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 14
    {"promised to make April Fools Day a national holiday\n", "",
     "It results in the gain of two unclaimed states\n", NewsEffect::GainStates, 2},  // 15
    {"remarked that George Washington was a dirty old man\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 16
    {"guaranteed an economic boom over the next four years\n", "",
     "It means a gain of one to three unclaimed states\n", NewsEffect::GainStates, 0},  // 17
    {"failed to declare certain income on a tax return\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 18
    {"offered to make all personal investments public\n", "",
     "It means the gain of one to three unclaimed states\n", NewsEffect::GainStates, 0},  // 19
    {"planned to steal the opposition's strategy handbook\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 20
    {"won the debate we had on television last night\n", "",
     "It results in the gain of two unclaimed states\n", NewsEffect::GainStates, 2},  // 21
    {"have been seen gambling wildly in a Las Vegas casino\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 22
    {"have been a Boy Scout leader for five years\n", "",
     "It results in one million dollars in campaign contributions\n", NewsEffect::Money, 1},  // 23
    {"have a police record for shoplifting underwear\n", "",
     "It means a loss of three million dollars in funds\n", NewsEffect::Money, -3},  // 24
    {"promised every voter a high paying and easy no show job\n", "",
     "It means a gain of two unclaimed states\n", NewsEffect::GainStates, 2},  // 25
    {"have been seen stealing chocolate from a candy store\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 26
    {"have never ever ever told a lie\n", "",
     "It results in four million dollars in campaign contributions\n", NewsEffect::Money, 4},  // 27
    {"like to cross dress at night for kicks\n", "",
     "It means a loss of four million dollars in funds\n", NewsEffect::Money, -4},  // 28
    {"have pledged to make every American a millionaire\n", "",
     "It results in the gain of an unclaimed state\n", NewsEffect::GainStates, 1},  // 29
    {"had long hair and smoked marijuana in the sixties\n", "",
     "It means the loss of a state to the opposition\n", NewsEffect::LoseState, 0},  // 30
};
static_assert(std::size(kStories) == kNewsStories, "a story for each card of the news deck");

constexpr std::array<NamedLine, 15> kPlayerGainRemarks = {
    NamedLine{"What a lucky break\n"},
    Named("Things are going well for you ", "\n"),
    Named("You are a regular Abe Lincoln ", "\n"),
    Named("That is just dandy ", "\n"),
    Named("You must have paid off the reporter ", "\n"),
    Named("What a snow job ", "\n"),
    Named("You are just wonderful ", "\n"),
    Named("Come on ", ", you planted that story\n"),
    Named("I do not believe a word of it ", "\n"),
    Named("They cannot be serious ", "\n"),
    Named("You have a good press agent ", "\n"),
    Named("Only a sucker would believe this one ", "\n"),
    Named("Pardon my incredulity ", "\n"),
    Named("Oh ", ", no way this is legitimate\n"),
    Named("You have no shame ", ", do you?\n"),
};

constexpr std::array<NamedLine, 15> kComputerGainRemarks = {
    NamedLine{"Hooray for me and my party\n"},
    Named("I am on a roll now ", "\n"),
    Named("What a jolly good fellow I am ", "\n"),
    Named("I am a true statesman ", "\n"),
    Named("I am a political genius ", "\n"),
    Named("I am flying high now, on to victory ", "\n"),
    Named("This is journalistic excellence ", "\n"),
    Named("I knew the unbridled truth would come out ", "\n"),
    Named("Hey ", ", the voters will love me now\n"),
    Named("Check it out ", ", I am getting proper recognition now\n"),
    Named("Nice,I will soar  in the opinion polls now ", "\n"),
    Named("Man ", ", I am really taking care of business\n"),
    Named("Look at this ", ", I am surging  to victory\n"),
    Named("My true noble image is becoming clear now ", "\n"),
    Named("Yes indeed ", ", the press loves me now\n"),
};

constexpr std::array<NamedLine, 15> kPlayerLossRemarks = {
    NamedLine{"How unfortunate\n"},
    Named("Shame on you ", "\n"),
    Named("I am surprised at you ", "\n"),
    Named("Hey ", ", your campaign is slipping\n"),
    Named("You are looking pretty shabby ", "\n"),
    Named("You need a new campaign manager ", "\n"),
    Named("Yuk yuk yuk yuk yuk \x1E ", ", that is a side splitter!\n"),
    Named("Ho ho ho ho ho ", ", that cracks me up\n"),
    Named("Tee hee, that is a good one ", "\n"),
    Named("Sorry ", ", you are not Presidential material\n"),
    Named("Holy cow ", ", I did not know you were so sleazy\n"),
    Named("Poor ", ", your campaign  is fading fast\n"),
    Named("You had better quit now ", "\n"),
    NamedLine{"I smell something rotten!\n"},
    Named("Give up ", ", no way you can win now\n"),
};

constexpr std::array<NamedLine, 15> kComputerLossRemarks = {
    NamedLine{"How could this happen to me\n"},
    Named("You set me up ", "\n"),
    Named("", ", this is stinking yellow journalism\n"),
    Named("This punk reporter is out to get me ", "\n"),
    Named("This story is preposterous ", "\n"),
    Named("I unequivocally deny everything ", "\n"),
    Named("For goodness sake ", ", what a load of bull!\n"),
    Named("This is the lowest form of slander ", "\n"),
    Named("It is a stinking lie ", ", and you know it\n"),
    Named("This story is ridiculous ", "\n"),
    Named("What a lousy job of reporting ", "\n"),
    Named("Hey ", ", I would like to get a hold of that reporter\n"),
    NamedLine{"I never heard  such garbage in my life!\n"},
    Named("I hope you are not behind these lies ", "\n"),
    Named("Disgusting ", ", such disregard for the truth!\n"),
};

void Remark(const std::array<NamedLine, 15>& remarks) {
  Write(remarks[Rand() % 15]);
}

void ReactToGain() {
  Remark(game.currentSide == player ? kPlayerGainRemarks : kComputerGainRemarks);
}

void ReactToLoss() {
  Remark(game.currentSide == player ? kPlayerLossRemarks : kComputerLossRemarks);
}

// A candidate in the smoke filled room receives no states, so the loss is
// refused while either one stands there.
void LoseStateOnNews() {
  if (game.player.position != SmokeRoomPosition && game.computer.position != SmokeRoomPosition) {
    ReactToLoss();
    TransferStateToOpponent();
  } else if (game.currentSide == player && game.computer.position == SmokeRoomPosition) {
    Write("However, I am stuck in this room and cannot take any states\n");
  } else if (game.currentSide == computer && game.player.position == SmokeRoomPosition) {
    Print("But ", game.firstName, ", you cannot take any states in that room\n");
  }
}

}  // namespace

void RunEveningNews() {
  GotoXY(25, 5);
  const NewsStory& story = kStories[DrawFromDeck(game.newsDeck) - 1];
  Write(story.story);
  Write(story.secondStory);
  Write(story.effectLine);
  switch (story.effect) {
    case NewsEffect::Money:
      ChangeMoney(CandidateOf(game.currentSide), static_cast<float>(story.amount));
      if (story.amount > 0) {
        ReactToGain();
      } else {
        ReactToLoss();
      }
      break;
    case NewsEffect::GainStates: {
      ReactToGain();
      const int count = story.amount > 0 ? story.amount : Rand() % 3 + 1;
      GainUnclaimedStates(count);
      break;
    }
    case NewsEffect::LoseState:
      LoseStateOnNews();
      break;
  }
  ShowStandingLine();
}

}  // namespace ballotrek
