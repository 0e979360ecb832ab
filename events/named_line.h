// A message line that may address the player by first name: the text
// before the name, the name, and the text after it.
#pragma once

#include <string>
#include <string_view>

#include "model/game_state.h"

namespace ballotrek {

struct NamedLine {
  std::string_view before;
  std::string_view after = {};
  bool named = false;
};

// A line with the name between its two pieces.
constexpr NamedLine Named(std::string_view before, std::string_view after) {
  return {before, after, true};
}

inline std::string Text(const NamedLine& line) {
  std::string text(line.before);
  if (line.named) text += game.firstName;
  text += line.after;
  return text;
}

}  // namespace ballotrek
