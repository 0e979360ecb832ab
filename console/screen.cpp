#include "console/screen.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace ballotrek {
namespace {

static_assert(sizeof(Colour) == 1, "colours are set with memset");

bool EndsRun(char c) {
  return c == '\n' || c == '\r';
}

// Copies fewer than 16 bytes without a call: two overlapping moves of 8 or 4.
void CopySmall(char* to, const char* from, std::ptrdiff_t length) {
  if (length >= 8) {
    std::uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + length - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + length - 8, &tail, 8);
  } else if (length >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + length - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + length - 4, &tail, 4);
  } else {
    for (std::ptrdiff_t i = 0; i < length; ++i) to[i] = from[i];
  }
}

// Copies the plain text from `from` into the cells from `cell` on, up to a
// line end, a carriage return or `limit`; returns where it stopped. Long runs
// are looked at sixteen bytes at a time where the processor allows.
const char* CopyRun(const char* from, const char* limit, char* cell) {
  const std::ptrdiff_t length = limit - from;
#ifdef __SSE2__
  if (length >= 16) {
    const __m128i lineEnd = _mm_set1_epi8('\n'), carriageReturn = _mm_set1_epi8('\r');
    for (std::ptrdiff_t done = 0;;) {
      const std::ptrdiff_t at = std::min(done, length - 16);  // the last sixteen overlap
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
      const unsigned enders = static_cast<unsigned>(_mm_movemask_epi8(
          _mm_or_si128(_mm_cmpeq_epi8(bytes, lineEnd), _mm_cmpeq_epi8(bytes, carriageReturn))));
      if (enders != 0) {
        const std::ptrdiff_t stop = at + std::countr_zero(enders);
        CopySmall(cell + done, from + done, stop - done);
        return from + stop;
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cell + at), bytes);
      done = at + 16;
      if (done == length) return limit;
    }
  }
#endif
  const char* stop = from;
  while (stop != limit && !EndsRun(*stop)) ++stop;
  if (stop - from < 16) {
    CopySmall(cell, from, stop - from);
  } else {
    std::memcpy(cell, from, static_cast<std::size_t>(stop - from));
  }
  return stop;
}

}  // namespace

// Only rows written since they were last blank need blanking; most screens
// use a few rows.
void Screen::Clear() {
  for (int row = 0; row < kRows; ++row) {
    if ((writtenRows_ >> row & 1) == 0) continue;
    cells_[row].fill(' ');
    std::memset(colours_[row].data(), static_cast<int>(Colour::Default), kColumns);
  }
  writtenRows_ = 0;
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
  writtenRows_ = kEveryRow;
  std::move(cells_.begin() + 1, cells_.end(), cells_.begin());
  cells_.back().fill(' ');
  std::move(colours_.begin() + 1, colours_.end(), colours_.begin());
  colours_.back().fill(Colour::Default);
}

// Writing the last column moves the cursor to the start of the next row at
// once; on the bottom row the scroll waits until there is more to write.
// Text is copied a run at a time, up to a line end or the row's end.
void Screen::Write(std::string_view text) {
  const char* next = text.data();
  const char* const end = next + text.size();
  while (next != end) {
    if (*next == '\n') {
      NextRow();
      ++next;
    } else if (*next == '\r') {
      column_ = 1;
      ++next;
    } else {
      if (column_ > kColumns) NextRow();
      const std::ptrdiff_t room = kColumns + 1 - column_;
      const char* const from = next;
      next = CopyRun(from, end - from > room ? from + room : end, &cells_[row_ - 1][column_ - 1]);
      // Colours are bytes; a fill of them would go a byte at a time.
      std::memset(&colours_[row_ - 1][column_ - 1], static_cast<int>(colour_),
                  static_cast<std::size_t>(next - from));
      writtenRows_ |= 1u << (row_ - 1);
      column_ += static_cast<int>(next - from);
      if (column_ > kColumns && row_ < kRows) NextRow();
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
