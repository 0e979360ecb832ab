#include "console/screen.h"

#include <algorithm>

namespace ballotrek {

void Screen::Clear() {
  for (auto& row : cells_) row.fill(' ');
  for (auto& row : colours_) row.fill(Colour::Default);
  colour_ = Colour::Default;
  column_ = 1;
  row_ = 1;
}

void Screen::MoveTo(int column, int row) {
  column_ = std::clamp(column, 1, kColumns);
  row_ = std::clamp(row, 1, kRows);
}

// A run of text up to a line end, a carriage return or the end of the row
// is copied at once.
void Screen::Write(std::string_view text) {
  while (!text.empty()) {
    if (text.front() == '\n' || text.front() == '\r' || column_ > kColumns) {
      Put(text.front());
      text.remove_prefix(1);
      continue;
    }
    const auto room = std::min(text.size(), static_cast<std::size_t>(kColumns + 1 - column_));
    const auto end = std::find_if(text.begin(), text.begin() + room,
                                  [](char c) { return c == '\n' || c == '\r'; });
    const auto length = static_cast<std::size_t>(end - text.begin());
    std::copy_n(text.begin(), length, cells_[row_ - 1].begin() + (column_ - 1));
    std::fill_n(colours_[row_ - 1].begin() + (column_ - 1), length, colour_);
    column_ += static_cast<int>(length);
    if (column_ > kColumns && row_ < kRows) NextRow();
    text.remove_prefix(length);
  }
}

void Screen::WriteBlanks(int count) {
  static const std::string blanks(kColumns, ' ');
  for (; count > 0; count -= kColumns) {
    Write(std::string_view(blanks).substr(0, static_cast<std::size_t>(std::min(count, kColumns))));
  }
}

// Text that runs off the bottom row scrolls the screen up, as a console does.
void Screen::NextRow() {
  column_ = 1;
  if (row_ < kRows) {
    ++row_;
    return;
  }
  std::rotate(cells_.begin(), cells_.begin() + 1, cells_.end());
  std::rotate(colours_.begin(), colours_.begin() + 1, colours_.end());
  cells_.back().fill(' ');
  colours_.back().fill(Colour::Default);
}

// A line end moves to the next row and erases nothing; a carriage return goes
// back to column 1. Writing the last column moves the cursor to the next row
// at once, except on the bottom row, where the scroll waits for more text.
void Screen::Put(char c) {
  if (c == '\n') return NextRow();
  if (c == '\r') {
    column_ = 1;
    return;
  }
  if (column_ > kColumns) NextRow();
  cells_[row_ - 1][column_ - 1] = c;
  colours_[row_ - 1][column_ - 1] = colour_;
  if (++column_ > kColumns && row_ < kRows) NextRow();
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

ChangedColumns ChangedInRow(const Screen& shown, const Screen& next, int row) {
  int first = 1, last = Screen::kColumns;
  const auto same = [&](int column) {
    return shown.At(column, row) == next.At(column, row) &&
           shown.ColourAt(column, row) == next.ColourAt(column, row);
  };
  while (first <= last && same(first)) ++first;
  if (first > last) return {};
  while (same(last)) --last;
  return {first, last};
}

}  // namespace ballotrek
