// The browser's backends, for the game built as WebAssembly: the page draws
// the game screen, hands over keys, plays clips through Web Audio and keeps
// the frozen game in the browser's own storage. Every wait yields to the
// browser (Asyncify), so the page never freezes and never spins. The page's
// side of each call is in web/page.js.
#pragma once

#include "console/seams.h"

namespace ballotrek {

// The page's game screen and keys, and Web Audio, are this platform's
// terminal and sound (platform.h): a clip asked for while the browser keeps
// sound suspended (until the player's first key) is skipped.

// Sleeps by the browser's timers.
Clock& BrowserClock();
// Keeps the frozen game, shows the last screen and lets the page offer a new
// game; the game's code stops there for good.
ProcessControl& BrowserProcess();

// Whether this page holds the game's lock: one game at a time in a browser,
// as in a folder, since the tabs share the frozen game.
bool BrowserHoldsGameLock();

}  // namespace ballotrek
