// Typed quiz answers.
#pragma once

#include <algorithm>
#include <string_view>

namespace ballotrek {

// Letters compare without regard to case; everything else must match.
inline bool SameAnswer(std::string_view typed, std::string_view key) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::equal(typed.begin(), typed.end(), key.begin(), key.end(),
                    [&](char a, char b) { return lower(a) == lower(b); });
}

}  // namespace ballotrek
