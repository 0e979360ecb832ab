// The page around the game built as WebAssembly (ballotrek.js and
// ballotrek.wasm). The game calls Module.page for everything it needs of the
// browser: drawing rows of the game screen, the next key, a clip, keeping
// the frozen game, the end. Every wait is a promise, so the page never spins.
"use strict";

const COLUMNS = 80;
const ROWS = 25;
const LINE_HEIGHT = 1.2; // em, as in style.css
// Keys go to the game as code points; -1 is a key that is no character (an
// arrow, Home, Delete); text pasted from the clipboard has PASTED added.
const SPECIAL = -1;
const PASTED = 0x200000;
const FOLDER = "/ballotrek"; // the game's working folder
const FROZEN_GAME = "bkt.dat";
const LOCK = "ballotrek-game";

const frame = document.getElementById("frame");
const screenRows = document.getElementById("screen");
const cursor = document.getElementById("cursor");
const keyField = document.getElementById("keys");
const newGame = document.getElementById("new-game");
const statusLine = document.getElementById("status");

const page = {
  holdsLock: false,
  running: false,
  keys: [],
  keyTaker: null,
  audio: null,
  clips: new Map(),
  store: null,
  kept: null, // the frozen game as the browser's storage has it
  releaseLock: null,
};

// --- The game screen ------------------------------------------------------

for (let row = 0; row < ROWS; ++row) {
  const line = document.createElement("div");
  line.textContent = " ".repeat(COLUMNS);
  screenRows.append(line);
}

const COLOUR_CLASSES = [null, "player", "computer"];

// One row of the game screen: its glyphs as UTF-16 code units, its cells'
// colours (0 default, 1 the player's, 2 the computer's).
page.drawRow = (row, glyphs, colours) => {
  const parts = [];
  for (let start = 0; start < COLUMNS; ) {
    let end = start + 1;
    while (end < COLUMNS && colours[end] === colours[start]) ++end;
    const text = String.fromCharCode.apply(null, glyphs.subarray(start, end));
    const colour = COLOUR_CLASSES[colours[start]];
    if (colour) {
      const span = document.createElement("span");
      span.className = colour;
      span.textContent = text;
      parts.push(span);
    } else {
      parts.push(text);
    }
    start = end;
  }
  screenRows.children[row - 1].replaceChildren(...parts);
};

// Column 81 is a full row whose wrap waits for the next character.
page.placeCursor = (column, row) => {
  cursor.style.left = Math.min(column - 1, COLUMNS - 1) + "ch";
  cursor.style.top = (row - 1) * LINE_HEIGHT + "em";
};

// The screen keeps its 80x25 shape and fills as much of the window as the
// controls below it leave.
function fitScreen() {
  const probe = document.createElement("span");
  probe.textContent = "M".repeat(COLUMNS);
  probe.style.cssText = "position:absolute;visibility:hidden;white-space:pre;font-size:100px";
  frame.append(probe);
  const cellWidth = probe.getBoundingClientRect().width / COLUMNS / 100;
  probe.remove();
  const controls = document.getElementById("controls").getBoundingClientRect().height;
  const width = window.innerWidth / (COLUMNS * cellWidth);
  const height = (window.innerHeight - controls) / (ROWS * LINE_HEIGHT);
  frame.style.fontSize = Math.max(4, Math.floor(Math.min(width, height) * 4) / 4) + "px";
}
window.addEventListener("resize", fitScreen);
fitScreen();
document.fonts.ready.then(fitScreen);

// --- Keys -------------------------------------------------------------------

function takeKey(code) {
  if (page.keyTaker) {
    const taker = page.keyTaker;
    page.keyTaker = null;
    taker(code);
  } else {
    page.keys.push(code);
  }
}

page.keyWaiting = () => page.keys.length > 0;
page.nextKey = () =>
  page.keys.length > 0
    ? Promise.resolve(page.keys.shift())
    : new Promise((resolve) => {
        page.keyTaker = resolve;
      });

const NAMED_KEYS = { Enter: 13, Escape: 27, Backspace: 8, Tab: 9 };
const SPECIAL_KEYS = new Set([
  "ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", "Home", "End",
  "PageUp", "PageDown", "Insert", "Delete", "Clear",
]);

// A browser lets sound play only after the player's first key; the clips
// asked for before it are skipped.
function wakeSound() {
  if (!page.audio) {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (Context) page.audio = new Context();
  } else if (page.audio.state === "suspended") {
    page.audio.resume();
  }
}

// Keys of a real keyboard are read here; what an on-screen keyboard types
// arrives as input to the hidden field (Android fills no key codes).
document.addEventListener("keydown", (event) => {
  if (event.isComposing || event.keyCode === 229) return;
  if (event.target === newGame) return;
  wakeSound();
  let code;
  if (event.ctrlKey && !event.altKey && !event.metaKey) {
    // Control-C concedes, unless text is selected: then it copies.
    if (event.key.toLowerCase() !== "c" || String(window.getSelection())) return;
    code = 3;
  } else if ((event.altKey || event.metaKey) && !event.getModifierState("AltGraph")) {
    return; // the browser's and the system's shortcuts; AltGr types characters
  } else if (Object.hasOwn(NAMED_KEYS, event.key)) {
    code = NAMED_KEYS[event.key];
  } else if (SPECIAL_KEYS.has(event.key)) {
    code = SPECIAL;
  } else if ([...event.key].length === 1) {
    code = event.key.codePointAt(0);
  } else {
    return; // Shift, F5 and the like are the browser's
  }
  event.preventDefault();
  takeKey(code);
});

// The hidden field holds two blanks, so that an on-screen keyboard's
// Backspace has something to delete even when nothing was typed.
const PAD = "  ";
function clearField() {
  keyField.value = PAD;
  keyField.setSelectionRange(PAD.length, PAD.length);
}
function takeField() {
  const value = keyField.value;
  if (value.length < PAD.length) {
    for (let i = value.length; i < PAD.length; ++i) takeKey(8);
  } else {
    for (const character of value.startsWith(PAD) ? value.slice(PAD.length) : value) {
      takeKey(character === "\n" ? 13 : character.codePointAt(0));
    }
  }
  clearField();
}
keyField.addEventListener("input", (event) => {
  wakeSound();
  if (!event.isComposing) takeField();
});
keyField.addEventListener("compositionend", takeField);
clearField();

// Pasted text is typed into names and answers; single-key prompts pass over it.
document.addEventListener("paste", (event) => {
  event.preventDefault();
  const text = event.clipboardData.getData("text/plain").replace(/\r\n?/g, "\n");
  for (const character of text) takeKey(character.codePointAt(0) + PASTED);
});

// Touching the screen brings up the on-screen keyboard. A real keyboard needs
// no field: its keys reach the document, and a focused field's blinking caret
// would keep the page busy at every prompt.
frame.addEventListener("pointerup", (event) => {
  if (event.pointerType !== "mouse" && !String(window.getSelection())) {
    keyField.focus({ preventScroll: true });
  }
});
const escapeKey = document.getElementById("escape");
escapeKey.addEventListener("pointerdown", (event) => event.preventDefault()); // keeps the focus
escapeKey.addEventListener("click", () => {
  wakeSound();
  takeKey(27);
});
newGame.addEventListener("click", () => window.location.reload());

// --- Sound --------------------------------------------------------------------

function loadClip(url) {
  if (!page.clips.has(url)) {
    const loading = fetch(url)
      .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(response.status)))
      .then((bytes) => page.audio.decodeAudioData(bytes))
      .catch(() => null); // a clip that cannot be played is skipped
    page.clips.set(url, loading);
  }
  return page.clips.get(url);
}

// Plays a clip to its end. A context that stops on its own would never end
// the clip, so its length bounds the wait too.
page.playClip = async (url) => {
  if (!page.audio || page.audio.state !== "running") return;
  const clip = await loadClip(url);
  if (!clip || page.audio.state !== "running") return;
  const source = page.audio.createBufferSource();
  source.buffer = clip;
  source.connect(page.audio.destination);
  await new Promise((resolve) => {
    source.onended = resolve;
    setTimeout(resolve, clip.duration * 1000 + 250);
    source.start();
  });
};

// --- The frozen game ------------------------------------------------------------

// One object store of whole files, by name.
function openStore() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open("ballotrek", 1);
    request.onupgradeneeded = () => request.result.createObjectStore("files");
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function storeRequest(mode, act) {
  return new Promise((resolve, reject) => {
    const transaction = page.store.transaction("files", mode);
    const request = act(transaction.objectStore("files"));
    transaction.oncomplete = () => resolve(request.result);
    transaction.onerror = transaction.onabort = () => reject(transaction.error);
  });
}

function sameBytes(a, b) {
  if (a === null || b === null) return a === b;
  return a.length === b.length && a.every((byte, i) => byte === b[i]);
}

function showStatus(text) {
  statusLine.textContent = text;
}

// Copies the frozen game of the working folder, written or deleted by the
// game, into the browser's storage. Only the tab that holds the lock does.
page.keepFrozenGame = async () => {
  if (!page.holdsLock || !page.store) return;
  const path = FOLDER + "/" + FROZEN_GAME;
  const bytes = Module.FS.analyzePath(path).exists ? Module.FS.readFile(path) : null;
  if (sameBytes(bytes, page.kept)) return;
  try {
    await storeRequest("readwrite", (files) =>
      bytes ? files.put(bytes, FROZEN_GAME) : files.delete(FROZEN_GAME));
    page.kept = bytes;
    showStatus("");
  } catch (error) {
    showStatus("The browser did not keep the frozen game: " + error);
  }
};

// One game at a time in a browser: the tab that has the lock keeps it until
// its game ends or the tab closes. A browser without locks (a page not served
// over https: or from localhost) plays unguarded.
function takeLock() {
  if (!navigator.locks) return Promise.resolve(true);
  return new Promise((resolve) => {
    navigator.locks.request(LOCK, { ifAvailable: true }, (lock) => {
      resolve(lock !== null);
      if (lock) return new Promise((release) => (page.releaseLock = release));
    });
  });
}

// Before the game starts: the lock, then the frozen game into the folder.
async function prepare() {
  Module.FS.mkdir(FOLDER);
  Module.FS.chdir(FOLDER);
  page.holdsLock = await takeLock();
  if (!page.holdsLock) return;
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
  try {
    page.store = await openStore();
    const bytes = await storeRequest("readonly", (files) => files.get(FROZEN_GAME));
    if (bytes) {
      page.kept = new Uint8Array(bytes);
      Module.FS.writeFile(FOLDER + "/" + FROZEN_GAME, page.kept);
    }
  } catch (error) {
    showStatus("This browser cannot keep a frozen game here: " + error);
  }
}

// --- Start and end ----------------------------------------------------------

// The last screen stays; the page offers a new game (or, to a second tab,
// another try). The game's code waits here for good.
page.gameEnded = async (status) => {
  page.running = false;
  await page.keepFrozenGame();
  if (page.releaseLock) page.releaseLock();
  newGame.textContent = page.holdsLock ? "New game" : "Try again";
  newGame.hidden = false;
  fitScreen();
  newGame.focus();
  return new Promise(() => {});
};

// A game that is not frozen would be lost with the page.
window.addEventListener("beforeunload", (event) => {
  if (!page.running) return;
  event.preventDefault();
  event.returnValue = "";
});

var Module = {
  page,
  preRun: [
    () => {
      Module.addRunDependency("prepare");
      prepare().finally(() => Module.removeRunDependency("prepare"));
    },
  ],
  onRuntimeInitialized: () => {
    page.running = page.holdsLock;
  },
  locateFile: (name) => name,
};

if ("serviceWorker" in navigator && window.isSecureContext) {
  navigator.serviceWorker.register("service-worker.js").catch(() => {});
}

const game = document.createElement("script");
game.src = "ballotrek.js";
game.onerror = () => showStatus("The game could not be loaded; reload the page to try again.");
document.body.append(game);
