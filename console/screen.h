// The 80x25 game screen as the game writes it. Every backend shows this
// record, so the text rules (wrapping, line ends, clearing) live in one place.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
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

  void Clear();
  // Column and row count from 1; values outside the screen are clamped.
  void MoveTo(int column, int row) {
    column_ = std::clamp(column, 1, kColumns);
    row_ = std::clamp(row, 1, kRows);
  }
  void Write(std::string_view text);
  void WriteBlanks(int count);  // as Write of that many blanks
  // The colour of the cells written from now on; Clear goes back to Default.
  void SetColour(Colour colour) { colour_ = colour; }

  int column() const { return column_; }
  int row() const { return row_; }
  char At(int column, int row) const {
    if (column < 1 || column > kColumns || row < 1 || row > kRows) return ' ';
    return cells_[Cell(column, row)];
  }
  Colour ColourAt(int column, int row) const;
  // The text of a row from a column on, trailing blanks kept.
  std::string Text(int column, int row, int length) const;
  std::string RowText(int row) const;  // trailing blanks removed
  std::string Dump() const;            // every row, numbered, for failures

 private:
  static std::size_t Cell(int column, int row) {
    return static_cast<std::size_t>((row - 1) * kColumns + column - 1);
  }
  struct Pen;
  [[gnu::noinline]] void WriteRuns(std::string_view text);
  [[gnu::noinline]] void WriteBlankRuns(int count);
  [[gnu::cold, gnu::noinline]] void Scroll();
  [[gnu::cold, gnu::noinline]] void Paint(int column, int row, std::size_t length);

  std::array<char, kColumns * kRows> cells_{};  // row after row
  // Only rows with their bit set in colouredRows_ keep their colours here;
  // every cell of another row has the default colour. Most screens have none.
  std::array<std::array<Colour, kColumns>, kRows> colours_{};
  // The column and the row are set one at a time and read together by a
  // write; apart, the compiler cannot join the two reads into one, which
  // would wait for both stores to reach memory.
  int column_ = 1;
  std::uint32_t colouredRows_ = 0;
  int row_ = 1;
  Colour colour_ = Colour::Default;
  // Bit r - 1 set: row r may hold something other than blanks.
  static constexpr std::uint32_t kEveryRow = (1u << kRows) - 1;
  std::uint32_t writtenRows_ = kEveryRow;
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
