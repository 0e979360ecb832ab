// The 80x25 game screen as the game writes it. Every backend shows this
// record, so the text rules (wrapping, line ends, clearing) live in one place.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ballotrek {

// The colour of a cell: each side's colour shows where the terminal has
// colours; Default is the terminal's own.
enum class Colour : unsigned char { Default, Player, Computer };

class Screen {
 public:
  static constexpr int kColumns = 80;
  static constexpr int kRows = 25;

  Screen() { Clear(); }

  // Every cell blank and uncoloured, the cursor at column 1, row 1.
  void Clear();
  // Column and row count from 1; values outside the screen are clamped.
  void MoveTo(int column, int row);
  void Write(std::string_view text);
  void WriteBlanks(int count);  // as Write of that many blanks
  // The colour of the cells written from now on; Clear goes back to Default.
  void SetColour(Colour colour) { colour_ = colour; }

  int column() const { return column_; }
  int row() const { return row_; }
  char At(int column, int row) const;
  Colour ColourAt(int column, int row) const;
  // The text of a row from a column on, trailing blanks kept.
  std::string Text(int column, int row, int length) const;
  std::string RowText(int row) const;  // trailing blanks removed
  std::string Dump() const;            // every row, numbered, for failures

 private:
  void Put(char c);
  void NextRow();

  std::array<std::array<char, kColumns>, kRows> cells_;
  std::array<std::array<Colour, kColumns>, kRows> colours_;
  // Column 81 means the row is full and the wrap waits for the next character.
  int column_ = 1;
  int row_ = 1;
  Colour colour_ = Colour::Default;
};

// The columns of a row that differ between what a terminal shows and the
// screen to show next, first to last, counting from 1; {0, 0} for none.
// Terminals present only these, as a redraw of every cell is slow.
struct ChangedColumns {
  int first = 0;
  int last = 0;
};
ChangedColumns ChangedInRow(const Screen& shown, const Screen& next, int row);

}  // namespace ballotrek
