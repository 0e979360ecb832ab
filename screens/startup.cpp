#include <array>
#include <string_view>

#include "console/console.h"
#include "model/game_state.h"
#include "screens/credits.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

using Lines = std::string_view;

constexpr std::array<Lines, 10> kPageOne = {
    "     Ballotrek offers you the opportunity of running for the office\n",
    "of President of the United States.  Your opponent is the computer.  You travel\n",
    "around the country in a generally counterclockwise direction, stopping in\n",
    "Washington DC.  You travel in your airplane and stop randomly in various\n",
    "states along the way and gathering electoral votes.  \n\n",
    "     The game begins by asking you if you want instructions or sound effects. \n",
    "Simply press Y or N.  Do not press the ENTER key at any time in the game after\n",
    "making a choice that asks for a letter.  Next, you are given 100 million \n",
    "dollars and you are prompted to take off in your plane.  Simply press ENTER to\n",
    "take off.  Press S at this prompt to toggle the sound on and off.\n",
};

constexpr std::array<Lines, 20> kPageTwo = {
    "     When you take off, you do not know how far you will travel.  If you \n",
    "get questioned at the airport about who was President in a certain year, you\n",
    "win or lose a state depending on whether you are right or wrong.  You will then\n",
    "take off  again.  You will then again travel a random  number of positions on \n",
    "the board.  In addition to the  fifty states and Washington DC, the board has\n",
    "numerous  other positions interspersed throughout; these will become apparent\n",
    "as you play.\n\n",
    "     When you land in a state, you will be informed of the number of electoral\n",
    "votes it has and its price.  You may buy it or not as you choose.  If you buy \n",
    "it, and do not drop it, its votes will be added to your total.  In any event,\n",
    "its cost will be deducted from your funds.  However, this does not apply to\n",
    "California, New York, Texas, or Florida.  You must pay just to try for them.\n",
    "You have a good chance of success, but if you fail, the state's votes go \n",
    "over to your opponent!  If you land in a state that your opponent owns, you may\n",
    "challenge for it by paying the stated sum for a challenge.  You will lose most\n",
    "of such challenges.\n\n",
    "     You win the game and become President if you are the first to collect 270\n",
    "electoral votes, just as in the real thing.  However, if you spend wildly and \n",
    "run out of money, you lose the election.  The votes for each state are based on\n",
    "the latest 2010 U.S. Census statistics. \n",
};

constexpr std::array<Lines, 17> kPageThree = {
    "     You can keep track of certain information throughout the game by pressing\n",
    "certain letters at the prompt to take off.  The letters are U, P, C, B, and H. \n",
    "U is for a list of the unclaimed states; P is for a list of the player's states\n",
    "(that is you); C is for a list of the computer's states; B is for the board \n",
    "layout; and H is for help when you forget all of this detail.  You can use \n",
    "these letters again at the end to get the final lists.  You may exit the game \n",
    "at any time by pressing the ESCAPE key at the prompt to take off.  Also,\n",
    "you can freeze the game by pressing F at the takeoff prompt and then Y.\n",
    "You can resume the game later when offered to do so.\n\n",
    "     One of the positions on the board is the smoke filled room.  You must stay\n",
    "in this room unless you surrender a state to  the opposition (if you have any)\n",
    "or get lucky and sneak out.  You get to leave the room if your opponent \n",
    "enters.  You cannot receive any states while in this room.\n\n",
    "     The README file beside the game tells how to build it and where it keeps\n",
    "its frozen game and its sound clips.  Other games of ours, and news of this\n",
    "one, are on the project's pages, where your thoughts are welcome too.\n\n",
    "     Good luck!  March 2012",
};

template <std::size_t N>
void WriteLines(const std::array<Lines, N>& lines) {
  for (Lines line : lines) Write(line);
}

void DrawPage(int page) {
  ClearScreen();
  if (page == 1) {
    GotoXY(19, 3);
    Write("** Instructions for Ballotrek **");
    GotoXY(40, 4);
    Write("by the Ballotrek developers\n\n");
    WriteLines(kPageOne);
  } else {
    GotoXY(1, 2);
    if (page == 2) {
      WriteLines(kPageTwo);
    } else {
      WriteLines(kPageThree);
    }
  }
}

constexpr std::array<const char*, 4> kPagePrompts = {
    "",
    "Press C to continue or R to return to the game  ",
    "Press C to continue or B to back up or R to return to the game  ",
    "Press B to back up or R to return to the game  ",
};

void ShowTitle() {
  ClearScreen();
  WriteTitleLines();
  GotoXY(1, 15);
  Write("You may use, copy, change, share and even sell this game, as long as its\n");
  Write("copyright and the MIT licence go with it. It comes with no warranty at all.\n");
}

void ShowInstructions() {
  int page = 1;
  DrawPage(page);
  for (;;) {
    Delay(200);
    GotoXY(1, 24);
    Write(kPagePrompts[page]);
    const int key = ReadPromptKey([](int k) {
      return k == kKeyEscape || k == kKeyCtrlC || k == 'r' || k == 'c' || k == 'b';
    });
    if (key == kKeyEscape || key == kKeyCtrlC) QuitAtStart();
    if (key == 'r') break;
    if (key == 'c' && page < 3) {
      DrawPage(++page);
    } else if (key == 'b' && page > 1) {
      DrawPage(--page);
    }
  }
  ClearScreen();
  GotoXY(31, 9);
  Write("Ballotrek");
}

}  // namespace

void QuitAtStart() {
  ClearScreen();
  GotoXY(16, 12);
  Write("Too bad, your campaign  never got off the ground!");
  Delay(1000);
  GotoXY(34, 22);
  Write("Press ESCAPE to exit ");
  WaitForEscape();
  EndProcess(0);
}

void ShowTitleAndOptions() {
  if (game.resumedGame == 0) ShowTitle();

  int key = AskAt(23, 21, "Do you want instructions?  Y or N  ", "yn\x1b");
  if (key == kKeyEscape) QuitAtStart();
  if (key == 'y') ShowInstructions();

  // Longer than the instructions question, so it covers it without a clear.
  // Escape leaves 27 in the flag: sound stays off for the whole game.
  do {
    GotoXY(23, 21);
    Delay(200);
    Write("Do you want sound effects?  Y or N     ");
    key = ReadPromptKey([](int k) { return k == 'y' || k == 'n' || k == kKeyEscape; });
    game.soundFlag = key < 128 ? static_cast<char>(key) : 0;
  } while (key != 'y' && key != 'n' && key != kKeyEscape);
  if (SoundOn()) PlayClip("data\\anth.wav");
}

void AskNamesAndWelcome() {
  ClearScreen();
  ClearAt(10, 21);
  Write("What is your first name?  ");
  game.firstName = ReadLine();
  ClearAt(10, 21);
  Delay(200);
  Write("What is the name of your party?");
  game.partyName = ReadLine();

  ClearScreen();
  Delay(200);
  GotoXY(1, 2);
  const std::string& name = game.firstName;
  Print("Welcome to the campaign candidate ", name, " of the ", game.partyName, " party.\n");
  Write("I have a few tricks up my twisted wires, I am pretty crafty you know.\n");
  Write("I know about those skeletons rattling around in your closet.\n");
  Write("By the way, I am the Technocrat Party candidate, the party for change.\n");
  Write("We are in our jet planes at Reagan Airport in Washington DC.\n");
  Write("My jet has a bar, a wide screen TV,  WiFi, and a satellite dish.\n");
  Write("I think I will enjoy this campaign.\n");
  Write("We each begin with one hundred million dollars in campaign funds.\n");
  Print("Make sure you spend it wisely ", name, "\n");
  Print("Oh ", name, ", my silicon nostrils are filled with the sweet scent of victory\n");
  Print("You can go first ", name);
}

}  // namespace ballotrek
