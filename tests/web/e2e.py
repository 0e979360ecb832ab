#!/usr/bin/python3
"""The browser edition in headless Chromium, served from localhost as any
static server would: a new game with its names, a paste, help and a take-off;
a reload that the page asks about; the resume of a frozen game with the map in
colour, a list, the sound key and a freeze; a second tab that must leave the
frozen game alone; the resume after the page's new game, and conceding.
Any error in the browser's console fails the test.

usage: e2e.py SITE_DIR FROZEN_GAME [MAP_SCREENSHOT]"""
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import chromium

TAKE_OFF = (17, 21, "Your takeoff  ")
site, frozen_game = sys.argv[1], open(sys.argv[2], "rb").read()
server, address = chromium.serve(site)
browser = chromium.start()
failures = []


def rows():
    return browser.execute_script("""const screen = document.getElementById('screen');
        return screen ? [...screen.children].map(r => r.textContent) : Array(25).fill('');""")


def shows(column, row, text, seconds=10):
    """Waits until the screen shows the text at the column and row."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        if rows()[row - 1][column - 1:column - 1 + len(text)] == text:
            return True
        time.sleep(0.05)
    return False


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f"FAILED: {what}\n" + "\n".join(r.rstrip() for r in rows()), file=sys.stderr)
    return condition


def walk(steps):
    """Types each step's keys, then waits for its text; stops at the first miss."""
    for keys, column, row, text in steps:
        if keys == "^C":
            ActionChains(browser).key_down(Keys.CONTROL).send_keys("c").key_up(Keys.CONTROL).perform()
        elif keys:
            ActionChains(browser).send_keys(*keys).perform()
        if not check(shows(column, row, text), f"after {keys!r}: {text!r} at ({column}, {row})"):
            return False
    return True


def colour(column, row):
    """The class of the cell's span: '' for the terminal's own colours."""
    return browser.execute_script("""
        let left = arguments[0] - 1;
        for (const node of document.getElementById('screen').children[arguments[1] - 1].childNodes) {
          if (left < node.textContent.length) return node.className || '';
          left -= node.textContent.length;
        }""", column, row)


def stored():
    """The frozen game the browser keeps, as a list of bytes, or None."""
    return browser.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const open = indexedDB.open('ballotrek', 1);
        open.onupgradeneeded = () => open.result.createObjectStore('files');
        open.onsuccess = () => {
          const get = open.result.transaction('files').objectStore('files').get('bkt.dat');
          get.onsuccess = () => { done(get.result ? [...get.result] : null); open.result.close(); };
        };""")


def store(content):
    browser.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const open = indexedDB.open('ballotrek', 1);
        open.onsuccess = () => {
          const files = open.result.transaction('files', 'readwrite');
          files.objectStore('files').put(new Uint8Array(arguments[0]), 'bkt.dat');
          files.oncomplete = () => { open.result.close(); done(); };
        };""", list(content))


def paste(text):
    browser.execute_script("""
        const pasted = new DataTransfer();
        pasted.setData('text/plain', arguments[0]);
        document.dispatchEvent(new ClipboardEvent('paste', {clipboardData: pasted}));""", text)


def console_errors():
    for entry in browser.get_log("browser"):
        check(entry["level"] not in ("SEVERE", "ERROR"), f"browser console: {entry['message']}")


def new_game_offered(label):
    button = browser.find_element("id", "new-game")
    deadline = time.time() + 10
    while time.time() < deadline and not button.is_displayed():
        time.sleep(0.05)
    return check(button.is_displayed() and button.text == label, f"the page offers {label!r}")


def finish(steps):
    """Walks to the last screen, leaves it by Escape and takes the page's new game."""
    if walk(steps + [("", 34, 22, "Press ESCAPE to exit ")]):
        ActionChains(browser).send_keys(Keys.ESCAPE).perform()
        if new_game_offered("New game"):
            check(not browser.execute_script(asks), "an ended game is left without asking")
            browser.find_element("id", "new-game").click()


try:
    browser.get(address)
    check(browser.title == "Ballotrek", "the page's title")
    deadline = time.time() + 5
    while time.time() < deadline and not any("for the Web" in r for r in rows()):
        time.sleep(0.05)
    check(any("for the Web" in r for r in rows()), "the title names the Web")
    # The first name is pasted and the party typed on an on-screen keyboard,
    # which fills the page's field as it likes: Enter at once, a Backspace.
    walk([("", 23, 21, "Do you want instructions?  Y or N  "), ("nn", 10, 21, "What is your first name?  ")])
    paste("Pat\n")
    ActionChains(browser).send_keys(Keys.ENTER).perform()
    browser.execute_script("""
        const field = document.getElementById('keys');
        for (const value of ['  Blux', ' ', '  e\\n']) {
          field.value = value;
          field.dispatchEvent(new InputEvent('input'));
        }""")
    walk([("", 1, 2, "Welcome to the campaign candidate Pat of the Blue party."), ("", *TAKE_OFF)])
    paste("Please fly, yes, freeze it and go.")
    walk([("h", 1, 2, "I will help you Pat"), ("c", *TAKE_OFF), ("s", 17, 20, "* Sound on * ")])
    browser.execute_script("""
        const play = Module.page.playClip;
        window.played = [];
        Module.page.playClip = async (url) => {
          const start = performance.now(), state = Module.page.audio.state;
          await play(url);
          played.push([url, state, performance.now() - start]);
        };""")
    walk([(Keys.ENTER, 1, 3, "You have landed in ")])
    played = browser.execute_script("return played")
    check(played[:1] and played[0][:2] == ["data/plwh.wav", "running"] and played[0][2] > 500,
          f"the take-off clip plays to its end: {played}")
    check(stored() is None, "a pasted sentence freezes nothing")

    # A game in progress is not left without asking.
    asks = """const leaving = new Event('beforeunload', {cancelable: true});
              window.dispatchEvent(leaving); return leaving.defaultPrevented;"""
    check(browser.execute_script(asks), "the page asks before a game in progress is left")
    store(frozen_game)
    browser.refresh()
    console_errors()
    walk([("", 23, 21, "Resume frozen game  or begin new game, R or B? "),
          ("r", 1, 7, "You and your Blue party can go first Pat"), ("nn", *TAKE_OFF)])

    # A second tab finds the game running and touches nothing.
    first = browser.current_window_handle
    browser.switch_to.new_window("tab")
    browser.get(address)
    check(shows(1, 1, "Another game of Ballotrek is already running"), "the second tab is refused")
    new_game_offered("Try again")
    console_errors()
    browser.close()
    browser.switch_to.window(first)
    check(stored() == list(frozen_game), "the second tab left the frozen game alone")

    walk([("m", 1, 24, "Press space bar when ready "), ("", 60, 7, "<NY>")])
    check(colour(61, 8) not in ("", colour(24, 7)) and colour(24, 7) != "" and
          colour(67, 5) == "", "the map in both sides' colours")
    if len(sys.argv) > 3:
        browser.save_screenshot(sys.argv[3])
    finish([(" u", 1, 22, "There are 2 unclaimed states worth 7 votes"),
            (" s", 17, 20, "* Sound on * "), ("f", 17, 19, "Want to freeze the game?  Y or N  "),
            ("y", 16, 12, "GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION")])
    check(stored() not in (None, list(frozen_game)), "the freeze is kept")

    # The page's new game resumes the frozen game; conceding ends it.
    finish([("", 23, 21, "Resume frozen game  or begin new game, R or B? "),
            ("rnn", *TAKE_OFF),
            ("^C", 17, 21, "are you throwing in the towel Pat?"),
            ("y", 18, 11, "I win with 65 electoral votes, you lose with 473 electoral vote")])
    check(stored() is None, "the resumed game is no longer kept")
    console_errors()

    # Offline, the service worker's copy of every file plays.
    browser.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    browser.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    browser.refresh()
    check(shows(23, 21, "Do you want instructions?  Y or N  "), "the game starts offline")
    check(browser.execute_async_script("fetch('data/anth.wav').then(r => arguments[0](r.ok))"),
          "the clips are there offline")
    console_errors()
finally:
    browser.quit()
    server.shutdown()

print("\n".join(failures) or "browser end-to-end test passed", file=sys.stderr)
sys.exit(1 if failures else 0)
