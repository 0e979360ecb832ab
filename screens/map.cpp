#include <array>
#include <string>

#include "console/console.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

struct Tile {
  int position;  // on the board
  const char* code;
  int row;     // of the tile grid, 0 to 7 from the north
  int column;  // 0 to 11 from the west
};

// The usual tile-grid map of the country: one tile a state, each near its
// neighbours, Alaska at the top left and Hawaii at the bottom left.
constexpr std::array<Tile, 51> kTiles = {{
    {38, "AK", 0, 0},  {14, "ME", 0, 11},                                       //
    {21, "WI", 1, 6},  {12, "VT", 1, 10}, {13, "NH", 1, 11},                    //
    {39, "WA", 2, 1},  {37, "ID", 2, 2},  {36, "MT", 2, 3},  {28, "ND", 2, 4},  //
    {27, "MN", 2, 5},  {23, "IL", 2, 6},  {20, "MI", 2, 7},  {7, "NY", 2, 9},   //
    {11, "MA", 2, 10},                                                          //
    {40, "OR", 3, 1},  {43, "NV", 3, 2},  {34, "WY", 3, 3},  {29, "SD", 3, 4},  //
    {26, "IA", 3, 5},  {19, "IN", 3, 6},  {17, "OH", 3, 7},  {16, "PA", 3, 8},  //
    {6, "NJ", 3, 9},   {8, "CT", 3, 10},  {9, "RI", 3, 11},                     //
    {41, "CA", 4, 1},  {44, "UT", 4, 2},  {32, "CO", 4, 3},  {30, "NE", 4, 4},  //
    {24, "MO", 4, 5},  {18, "KY", 4, 6},  {2, "WV", 4, 7},   {1, "VA", 4, 8},   //
    {3, "MD", 4, 9},   {4, "DE", 4, 10},                                        //
    {46, "AZ", 5, 2},  {48, "NM", 5, 3},  {31, "KS", 5, 4},  {51, "AR", 5, 5},  //
    {54, "TN", 5, 6},  {62, "NC", 5, 7},  {61, "SC", 5, 8},  {65, "DC", 5, 9},  //
    {50, "OK", 6, 4},  {52, "LA", 6, 5},  {53, "MS", 6, 6},  {56, "AL", 6, 7},  //
    {59, "GA", 6, 8},                                                           //
    {42, "HI", 7, 0},  {49, "TX", 7, 4},  {57, "FL", 7, 8},                     //
}};

// Each tile is four cells wide, two apart: the code in its owner's brackets
// over the votes, with the jets' marks on either side of the votes.
constexpr int kLeftColumn = 6;
constexpr int kTopRow = 3;
constexpr int kTilePitch = 6;
constexpr char kPlayerJet = '*';
constexpr char kComputerJet = '@';

Colour ColourOf(int owner) {
  if (owner == player) return Colour::Player;
  if (owner == computer) return Colour::Computer;
  return Colour::Default;
}

// The owner's brackets read without colour: [yours], <mine>, bare unclaimed.
std::string Marked(int owner, const std::string& text) {
  if (owner == player) return "[" + text + "]";
  if (owner == computer) return "<" + text + ">";
  return " " + text + " ";
}

void DrawTile(const Tile& tile) {
  const int owner = game.owner[tile.position];
  const int votes = BoardTable[tile.position].electoralVotes;
  GotoXY(kLeftColumn + kTilePitch * tile.column, kTopRow + 2 * tile.row);
  SetColour(ColourOf(owner));
  Write(Marked(owner, tile.code));
  GotoXY(kLeftColumn + kTilePitch * tile.column, kTopRow + 2 * tile.row + 1);
  Print(game.player.position == tile.position ? kPlayerJet : ' ', votes < 10 ? " " : "", votes,
        game.computer.position == tile.position ? kComputerJet : ' ');
  SetColour(Colour::Default);
}

// Named as well as marked: a jet on a special square has no tile to stand by.
std::string_view JetPlace(int position) {
  return position == 0 ? "waiting to take off" : BoardTable[position].name;
}

}  // namespace

void ShowMap() {
  ClearScreen();
  GotoXY(1, 1);
  Write("Here is the campaign map with electoral votes:\n");
  for (const Tile& tile : kTiles) DrawTile(tile);

  GotoXY(1, 20);
  Write("Legend: ");
  for (int owner : {player, computer}) {
    SetColour(ColourOf(owner));
    Write(Marked(owner, ".."));
    SetColour(Colour::Default);
    Write(owner == player ? " your states   " : " my states   ");
  }
  Write(Marked(Unclaimed, "..") + " unclaimed");
  GotoXY(1, 21);
  Print("        ", kPlayerJet, " your jet: ", JetPlace(game.player.position), "   ", kComputerJet,
        " my jet: ", JetPlace(game.computer.position));
  GotoXY(1, 22);
  Print("You have ", game.player.votes, " votes, I have ", game.computer.votes, ", and ",
        TotalElectoralVotes - game.player.votes - game.computer.votes, " are unclaimed");

  AskAt(1, 24, "Press space bar when ready ", " ");
  ClearScreen();
}

}  // namespace ballotrek
