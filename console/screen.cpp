#include "console/screen.h"

#include <algorithm>

namespace ballotrek {

void Screen::Clear() {
  for (auto& line : cells_) line.fill(' ');
  for (auto& line : colours_) line.fill(Colour::Default);
  colour_ = Colour::Default;
  column_ = 1;
  row_ = 1;
}

void Screen::MoveTo(int column, int row) {
  column_ = std::clamp(column, 1, kColumns);
  row_ = std::clamp(row, 1, kRows);
}

// Text that runs off the bottom row scrolls the screen up, as a console does.
void Screen::NextRow() {
  column_ = 1;
  if (row_ < kRows) {
    ++row_;
    return;
  }
  std::move(cells_.begin() + 1, cells_.end(), cells_.begin());
  cells_.back().fill(' ');
  std::move(colours_.begin() + 1, colours_.end(), colours_.begin());
  colours_.back().fill(Colour::Default);
}

// Writing the last column moves the cursor to the start of the next row at
// once; on the bottom row the scroll waits until there is more to write.
void Screen::Put(char c) {
  if (column_ > kColumns) NextRow();
  cells_[row_ - 1][column_ - 1] = c;
  colours_[row_ - 1][column_ - 1] = colour_;
  ++column_;
  if (column_ > kColumns && row_ < kRows) NextRow();
}

void Screen::Write(std::string_view text) {
  for (char c : text) {
    if (c == '\n') {
      NextRow();
    } else if (c == '\r') {
      column_ = 1;
    } else {
      Put(c);
    }
  }
}

char Screen::At(int column, int row) const {
  if (column < 1 || column > kColumns || row < 1 || row > kRows) return ' ';
  return cells_[row - 1][column - 1];
}

Colour Screen::ColourAt(int column, int row) const {
  if (column < 1 || column > kColumns || row < 1 || row > kRows) return Colour::Default;
  return colours_[row - 1][column - 1];
}

std::string Screen::Text(int column, int row, int length) const {
  std::string text;
  for (int i = 0; i < length; ++i) text += At(column + i, row);
  return text;
}

std::string Screen::RowText(int row) const {
  std::string text = Text(1, row, kColumns);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string Screen::Dump() const {
  std::string dump;
  for (int row = 1; row <= kRows; ++row) {
    std::string number = std::to_string(row);
    dump += std::string(3 - number.size(), ' ') + number + "|" + RowText(row) + "\n";
  }
  dump += "cursor at column " + std::to_string(column_) + ", row " + std::to_string(row_) + "\n";
  return dump;
}

}  // namespace ballotrek
