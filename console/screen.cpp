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

// Copies fewer than 16 bytes without a call: two overlapping moves of 8 or 4.
[[gnu::always_inline]] inline void CopySmall(char* to, const char* from, std::size_t length) {
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
    for (std::size_t i = 0; i < length; ++i) to[i] = from[i];
  }
}

#ifdef __SSE2__
// Bit i set: byte i of the sixteen is a line end or a carriage return.
inline unsigned Enders(__m128i bytes) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')))));
}

inline __m128i Load16(const char* from) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
}

// Where the first line end or carriage return of the text stands; its
// length if it has none. Sixteen bytes are looked at a time, and no read
// reaches past the text: the last piece overlaps the one before.
inline std::size_t FirstEnder(const char* text, std::size_t length) {
  if (length >= 16) {
    std::size_t at = 0;
    for (; at + 16 < length; at += 16) {
      if (const unsigned enders = Enders(Load16(text + at)); enders != 0) {
        return at + static_cast<unsigned>(std::countr_zero(enders));
      }
    }
    const unsigned enders = Enders(Load16(text + length - 16)) >> (at + 16 - length);
    return enders != 0 ? at + static_cast<unsigned>(std::countr_zero(enders)) : length;
  }
  if (length >= 8) {  // the first eight and the last eight, overlapping
    std::uint64_t head, tail;
    std::memcpy(&head, text, 8);
    std::memcpy(&tail, text + length - 8, 8);
    const unsigned enders =
        Enders(_mm_set_epi64x(static_cast<long long>(tail), static_cast<long long>(head)));
    if ((enders & 0xFF) != 0) return static_cast<unsigned>(std::countr_zero(enders));
    return enders != 0 ? length - 16 + static_cast<unsigned>(std::countr_zero(enders)) : length;
  }
  std::size_t at = 0;
  while (at != length && text[at] != '\n' && text[at] != '\r') ++at;
  return at;
}

// Copies text up to its first line end or carriage return and returns how
// much it copied, looking at sixteen bytes at a time as it goes; no read
// reaches past the text, and no store past what is copied.
[[gnu::always_inline]] inline std::size_t CopyUntilEnder(char* to, const char* from,
                                                         std::size_t length) {
  if (length >= 16) {
    for (std::size_t at = 0;; at += 16) {
      const bool last = at + 16 >= length;
      if (last) at = length - 16;  // overlaps bytes already looked at, none of them an end
      const __m128i bytes = Load16(from + at);
      if (const unsigned enders = Enders(bytes); enders != 0) {
        const std::size_t stop = at + static_cast<unsigned>(std::countr_zero(enders));
        if (stop >= 16) {
          _mm_storeu_si128(reinterpret_cast<__m128i*>(to + stop - 16), Load16(from + stop - 16));
        } else {
          CopySmall(to, from, stop);
        }
        return stop;
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at), bytes);
      if (last) return length;
    }
  }
  const std::size_t stop = FirstEnder(from, length);
  CopySmall(to, from, stop);
  return stop;
}

// Blanks at most a row of cells with overlapping stores of sixteen, none of
// them past the last cell.
inline void FillBlanks(char* to, std::size_t count) {
  if (count < 16) return static_cast<void>(std::memset(to, ' ', count));
  const __m128i blanks = _mm_set1_epi8(' ');
  const auto store = [&](std::size_t at) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at), blanks);
  };
  store(0);
  if (count > 32) store(16);
  if (count > 48) store(32);
  if (count > 64) store(48);
  store(count - 16);
}
#else
inline void FillBlanks(char* to, std::size_t count) {
  std::memset(to, ' ', count);
}

inline std::size_t FirstEnder(const char* text, std::size_t length) {
  std::size_t at = 0;
  while (at != length && text[at] != '\n' && text[at] != '\r') ++at;
  return at;
}

[[gnu::always_inline]] inline std::size_t CopyUntilEnder(char* to, const char* from,
                                                         std::size_t length) {
  const std::size_t stop = FirstEnder(from, length);
  std::memcpy(to, from, stop);
  return stop;
}
#endif

}  // namespace

// Only rows written since they were last blank need blanking; most screens
// use a few rows.
void Screen::Clear() {
  for (std::uint32_t rows = writtenRows_; rows != 0; rows &= rows - 1) {
    FillBlanks(&cells_[Cell(1, std::countr_zero(rows) + 1)], kColumns);
  }
  writtenRows_ = 0;
  colouredRows_ = 0;
  colour_ = Colour::Default;
  column_ = 1;
  row_ = 1;
}

// Text that runs off the bottom row scrolls the screen up, as a console does.
void Screen::Scroll() {
  writtenRows_ = kEveryRow;
  std::memmove(&cells_[0], &cells_[kColumns], kColumns * (kRows - 1));
  std::memset(&cells_[Cell(1, kRows)], ' ', kColumns);
  std::move(colours_.begin() + 1, colours_.end(), colours_.begin());
  colouredRows_ >>= 1;
}

// Gives `length` cells of the row from the column on the current colour.
void Screen::Paint(int column, int row, std::size_t length) {
  const std::uint32_t bit = 1u << (row - 1);
  auto& colours = colours_[row - 1];
  if ((colouredRows_ & bit) == 0) {
    colours.fill(Colour::Default);
    colouredRows_ |= bit;
  }
  std::memset(&colours[column - 1], static_cast<int>(colour_), length);
}

// The cursor and the rows written, kept in locals while a write runs: the
// compiler must take any store to the cells as one that may change members.
struct Screen::Pen {
  explicit Pen(Screen& screen)
      : screen(screen), column(screen.column_), row(screen.row_), written(screen.writtenRows_) {}
  ~Pen() {
    screen.column_ = column;
    screen.row_ = row;
    screen.writtenRows_ = written;
  }
  void NextRow() {
    column = 1;
    if (row < kRows) {
      ++row;
    } else {
      screen.Scroll();
      written = kEveryRow;
    }
  }
  // Writing the last column moves the cursor to the start of the next row at
  // once; on the bottom row the scroll waits until there is more to write.
  char* StartRun(std::size_t& room) {
    if (column > kColumns) NextRow();
    room = static_cast<std::size_t>(kColumns + 1 - column);
    return &screen.cells_[Cell(column, row)];
  }
  void EndRun(std::size_t length) {
    const std::uint32_t bit = 1u << (row - 1);
    written |= bit;
    if (screen.colour_ != Colour::Default || (screen.colouredRows_ & bit) != 0) {
      screen.Paint(column, row, length);
    }
    column += static_cast<int>(length);
    if (column > kColumns && row < kRows) NextRow();
  }

  Screen& screen;
  int column, row;
  std::uint32_t written;
};

// Most texts fit in what is left of the cursor's row: their plain text up
// to the first line end or carriage return is copied there at once, and
// only what follows it, if more than a last line end, is written a run at
// a time.
void Screen::Write(std::string_view text) {
  const int column = column_, row = row_;
  // Colours, and a text that reaches past the row, go the long way.
  if (static_cast<std::size_t>(column) - 1 + text.size() > kColumns || text.empty() ||
      colour_ != Colour::Default || colouredRows_ != 0) {
    return WriteRuns(text);
  }
  const std::size_t plain = CopyUntilEnder(&cells_[Cell(column, row)], text.data(), text.size());
  if (plain != 0) writtenRows_ |= 1u << (row - 1);
  if (plain == text.size()) {
    if (column + static_cast<int>(plain) <= kColumns) {
      column_ = column + static_cast<int>(plain);
    } else if (row < kRows) {  // the last column taken
      column_ = 1;
      row_ = row + 1;
    } else {
      column_ = kColumns + 1;
    }
    return;
  }
  if (plain + 1 == text.size() && text[plain] == '\n' && row < kRows) {
    column_ = 1;
    row_ = row + 1;
    return;
  }
  column_ = column + static_cast<int>(plain);  // inside the row: an end follows
  WriteRuns(text.substr(plain));
}

void Screen::WriteRuns(std::string_view text) {
  Pen pen(*this);
  const char* next = text.data();
  std::size_t left = text.size();
  while (left != 0) {
    if (*next == '\n') {
      pen.NextRow();
      ++next;
      --left;
    } else if (*next == '\r') {
      pen.column = 1;
      ++next;
      --left;
    } else {
      std::size_t room;
      char* const cell = pen.StartRun(room);
      const std::size_t length = CopyUntilEnder(cell, next, std::min(left, room));
      next += length;
      left -= length;
      pen.EndRun(length);
    }
  }
}

// Blanks inside the row change nothing on a row that is blank already.
void Screen::WriteBlanks(int count) {
  const int column = column_;
  if (count <= 0 || column + count > kColumns || colour_ != Colour::Default || colouredRows_ != 0) {
    return WriteBlankRuns(count);
  }
  if (const std::uint32_t bit = 1u << (row_ - 1); (writtenRows_ & bit) != 0) {
    FillBlanks(&cells_[Cell(column, row_)], static_cast<std::size_t>(count));
  }
  column_ = column + count;
}

void Screen::WriteBlankRuns(int count) {
  Pen pen(*this);
  while (count > 0) {
    std::size_t room;
    char* const cell = pen.StartRun(room);
    const std::size_t length = std::min(static_cast<std::size_t>(count), room);
    FillBlanks(cell, length);
    pen.EndRun(length);
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
