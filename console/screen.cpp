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
[[gnu::always_inline]] inline void CopySmall(char* to, const char* from, std::ptrdiff_t length) {
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

#ifdef __SSE2__
// Bit i set: byte i of the sixteen ends a run.
unsigned Enders(__m128i bytes) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')))));
}
#endif

// Copies the plain text of `length` bytes from `from` into the cells from
// `cell` on, up to a line end or a carriage return; returns how much it
// copied. The bytes are looked at sixteen at a time where the processor
// allows, as pieces that never reach past the text: the last one overlaps
// the one before.
std::ptrdiff_t CopyRun(const char* from, std::ptrdiff_t length, char* cell) {
#ifdef __SSE2__
  if (length >= 16) {
    std::ptrdiff_t at = 0;
    for (;; at += 16) {
      const bool last = at + 16 >= length;
      if (last) at = length - 16;
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at));
      if (const unsigned enders = Enders(bytes); enders != 0) {
        // Bytes before `at` are copied already, or about to be by the overlap.
        const std::ptrdiff_t stop = at + std::countr_zero(enders);
        const std::ptrdiff_t copied = last ? (length - 1) / 16 * 16 : at;
        CopySmall(cell + copied, from + copied, stop - copied);
        return stop;
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cell + at), bytes);
      if (last) return length;
    }
  }
  if (length >= 8) {  // the first eight and the last eight, overlapping
    std::uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + length - 8, 8);
    const unsigned enders =
        Enders(_mm_set_epi64x(static_cast<long long>(tail), static_cast<long long>(head)));
    if (enders == 0) {
      std::memcpy(cell, &head, 8);
      std::memcpy(cell + length - 8, &tail, 8);
      return length;
    }
    const std::ptrdiff_t stop =
        (enders & 0xFF) != 0 ? std::countr_zero(enders) : length - 16 + std::countr_zero(enders);
    CopySmall(cell, from, stop);
    return stop;
  }
#endif
  std::ptrdiff_t stop = 0;
  while (stop != length && !EndsRun(from[stop])) ++stop;
  CopySmall(cell, from, stop);
  return stop;
}

}  // namespace

// Only rows written since they were last blank need blanking; most screens
// use a few rows.
void Screen::Clear() {
  for (std::uint32_t rows = writtenRows_; rows != 0; rows &= rows - 1) {
    cells_[std::countr_zero(rows)].fill(' ');
  }
  writtenRows_ = 0;
  colouredRows_ = 0;
  colour_ = Colour::Default;
  column_ = 1;
  row_ = 1;
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
  colouredRows_ >>= 1;
}

// Gives the cells of the cursor's row from the column on the current colour.
void Screen::Paint(int column, std::size_t length) {
  const std::uint32_t bit = 1u << (row_ - 1);
  auto& colours = colours_[row_ - 1];
  if ((colouredRows_ & bit) == 0) {
    colours.fill(Colour::Default);
    colouredRows_ |= bit;
  }
  std::memset(&colours[column - 1], static_cast<int>(colour_), length);
}

// Writing the last column moves the cursor to the start of the next row at
// once; on the bottom row the scroll waits until there is more to write.
inline char* Screen::StartRun(std::ptrdiff_t& room) {
  if (column_ > kColumns) NextRow();
  room = kColumns + 1 - column_;
  return &cells_[row_ - 1][column_ - 1];
}

inline void Screen::EndRun(std::ptrdiff_t length) {
  const std::uint32_t bit = 1u << (row_ - 1);
  writtenRows_ |= bit;
  if (colour_ != Colour::Default || (colouredRows_ & bit) != 0) {
    Paint(column_, static_cast<std::size_t>(length));
  }
  column_ += static_cast<int>(length);
  if (column_ > kColumns && row_ < kRows) NextRow();
}

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
      std::ptrdiff_t room;
      char* const cell = StartRun(room);
      const std::ptrdiff_t length = CopyRun(next, std::min(end - next, room), cell);
      next += length;
      EndRun(length);
    }
  }
}

void Screen::WriteBlanks(int count) {
  while (count > 0) {
    std::ptrdiff_t room;
    char* const cell = StartRun(room);
    const std::ptrdiff_t length = std::min<std::ptrdiff_t>(count, room);
    std::memset(cell, ' ', static_cast<std::size_t>(length));
    EndRun(length);
    count -= static_cast<int>(length);
  }
}

Colour Screen::ColourAt(int column, int row) const {
  if (column < 1 || column > kColumns || row < 1 || row > kRows) return Colour::Default;
  if ((colouredRows_ >> (row - 1) & 1) == 0) return Colour::Default;
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
