// A message line that may address the player by first name, or name the
// player's party: the text before the name, the name, and the text after it.
#pragma once

#include <string_view>

#include "console/console.h"
#include "model/game_state.h"

namespace ballotrek {

struct NamedLine {
  enum class Name { None, First, Party };
  std::string_view before;
  std::string_view after = {};
  Name name = Name::None;
};

// A line with the player's first name between its two pieces.
constexpr NamedLine Named(std::string_view before, std::string_view after) {
  return {before, after, NamedLine::Name::First};
}

// A line with the player's party name between its two pieces.
constexpr NamedLine PartyNamed(std::string_view before, std::string_view after) {
  return {before, after, NamedLine::Name::Party};
}

inline void Write(const NamedLine& line) {
  std::string_view name;
  if (line.name == NamedLine::Name::First) name = game.firstName;
  if (line.name == NamedLine::Name::Party) name = game.partyName;
  Print(line.before, name, line.after);
}

}  // namespace ballotrek
