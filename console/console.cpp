#include "console/console.h"

#include <cstdlib>
#include <deque>
#include <optional>
#include <utility>

#include "console/keys.h"
#include "console/screen.h"
#include "console/seams.h"

namespace ballotrek {
namespace {

Backends installed;
Screen screen;
std::deque<std::string> pendingWords;
std::optional<int> heldKey;  // a key read ahead by ReadPromptKey

void Present() {
  if (installed.terminal != nullptr) installed.terminal->Present(screen);
}

// Moves the cursor one cell back, to the end of the row above if a typed
// line had wrapped.
void StepBack() {
  if (screen.column() > 1) {
    screen.MoveTo(screen.column() - 1, screen.row());
  } else if (screen.row() > 1) {
    screen.MoveTo(Screen::kColumns, screen.row() - 1);
  }
}

// The next key, pasted or typed.
int ReadAnyKey() {
  Present();
  if (heldKey) return std::exchange(heldKey, std::nullopt).value();
  return installed.terminal->GetKey();
}

// A pasted line end separates words like a blank, and never ends the
// line: the player's own Enter does. Other pasted control keys are dropped.
int TypedKey(int key) {
  if ((key & kKeyPasted) == 0) return key;
  key &= ~kKeyPasted;
  if (key == kKeyEnter) return ' ';
  return key >= 0 && IsTextCharacter(static_cast<unsigned>(key)) ? key : kKeySpecial;
}

}  // namespace

void InstallBackends(const Backends& backends) {
  installed = backends;
  screen.Clear();
  pendingWords.clear();
  heldKey.reset();
}

Screen& GameScreen() {
  return screen;
}

void GotoXY(int column, int row) {
  screen.MoveTo(column, row);
}

void ClearLine() {
  screen.Write(std::string(50, ' '));
}

void ClearScreen() {
  screen.Clear();
}

void Write(std::string_view text) {
  screen.Write(text);
}

void SetColour(Colour colour) {
  screen.SetColour(colour);
}

// Sleeps until the deadline instead of watching the clock, so a pause costs
// no processor time; keys typed meanwhile wait in the input queue.
void Delay(int milliseconds) {
  if (milliseconds <= 0) return;
  Present();
  const auto deadline = installed.clock->Now() + std::chrono::milliseconds(milliseconds);
  installed.clock->SleepUntil(deadline);
}

int ReadKey() {
  for (;;) {
    const int key = ReadAnyKey();
    if ((key & kKeyPasted) == 0) return key;
  }
}

bool KeyWaiting() {
  return heldKey.has_value() || installed.terminal->KeyWaiting();
}

int ReadPromptKey(const std::function<bool(int)>& takes) {
  int key = ReadKey();
  while (!takes(LowerKey(key)) && KeyWaiting()) {
    const int next = ReadKey();
    if (takes(LowerKey(next))) {
      heldKey = next;
      break;
    }
    key = next;
  }
  return LowerKey(key);
}

int LowerKey(int key) {
  return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
}

int AskAt(int column, int row, std::string_view question, std::string_view accepted) {
  for (;;) {
    GotoXY(column, row);
    ClearLine();
    GotoXY(column, row);
    Delay(200);
    Write(question);
    auto takes = [accepted](int key) {
      return key > 0 && key < 128 &&
             accepted.find(static_cast<char>(key)) != std::string_view::npos;
    };
    const int key = ReadPromptKey(takes);
    if (takes(key)) return key;
  }
}

std::string ReadLine() {
  std::string line;
  for (;;) {
    const int key = TypedKey(ReadAnyKey());
    if (key == kKeyEnter) {
      screen.Write("\n");  // the echoed Enter, as a console shows it
      return line;
    }
    if (key == kKeyBackspace || key == kKeyDelete) {
      if (line.empty()) continue;
      line.pop_back();
      StepBack();
      const int column = screen.column(), row = screen.row();
      screen.Write(" ");
      screen.MoveTo(column, row);
    } else if (key >= 0 && IsTextCharacter(static_cast<unsigned>(key)) &&
               line.size() < kLongestTypedLine) {
      line += static_cast<char>(key);
      screen.Write(std::string(1, static_cast<char>(key)));
    }
  }
}

std::string ReadWord() {
  while (pendingWords.empty()) {
    std::istringstream words(ReadLine());
    for (std::string word; words >> word;) pendingWords.push_back(word);
  }
  std::string word = pendingWords.front();
  pendingWords.pop_front();
  return word;
}

void DiscardPendingWords() {
  pendingWords.clear();
}

void PlayClip(std::string_view path) {
  Present();
  installed.sound->Play(path);
}

int Rand() {
  return installed.random->Next();
}

void EndProcess(int status) {
  Present();
  installed.process->End(status);
  std::abort();  // End never returns; this keeps the promise if a backend breaks it
}

}  // namespace ballotrek
