"""A site served from localhost, as any static server would serve it, and a
headless Chromium with a profile of its own, for the browser test and the
page's measurements."""
import functools
import http.server
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(site):
    """Serves the folder on a free port of 127.0.0.1; returns the server and its address."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/"


def start():
    """Chromium from Debian (as root it needs --no-sandbox), keeping its console's log."""
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    profile = tempfile.TemporaryDirectory()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,800",
                     f"--user-data-dir={profile.name}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    browser.profile = profile  # removed with the browser object
    return browser
