#include "tests/support/scripted_console.h"

#include "console/console.h"

namespace ballotrek::testing {

void ScriptedConsole::Type(const std::string& keys) {
  for (char c : keys) keys_.push_back(static_cast<unsigned char>(c));
}

void ScriptedConsole::Paste(const std::string& keys) {
  for (char c : keys) keys_.push_back(static_cast<unsigned char>(c) | kKeyPasted);
}

void ScriptedConsole::Force(std::initializer_list<int> values) {
  forced_.insert(forced_.end(), values.begin(), values.end());
}

int ScriptedConsole::GetKey() {
  if (keys_.empty()) throw OutOfKeys(GameScreen().Dump());
  const int key = keys_.front();
  keys_.pop_front();
  return key;
}

int ScriptedConsole::Next() {
  if (forced_.empty()) return static_cast<int>(engine_() >> 1);
  const int value = forced_.front();
  forced_.pop_front();
  return value;
}

std::string TextAt(int column, int row, int length) {
  return GameScreen().Text(column, row, length);
}

std::string RowText(int row) {
  return GameScreen().RowText(row);
}

std::string ScreenDump() {
  return GameScreen().Dump();
}

bool ShowsAt(int column, int row, const std::string& text) {
  return TextAt(column, row, static_cast<int>(text.size())) == text;
}

}  // namespace ballotrek::testing
