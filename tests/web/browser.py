"""The browser tests' harness: a copy of the built site on a private server, headless Chromium or
WebKitGTK's browser on an X server of its own."""
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.color import Color
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from serve_site import make_server  # noqa: E402

PEN_SAMPLES = os.path.join(os.path.dirname(__file__), "..", "..", "handwriting", "data",
                           "pendigits-orig.tra")


def pen_samples():
    """The reader's training file, sample by sample: the digit and its strokes of x, y points,
    y upward."""
    for part in open(PEN_SAMPLES, encoding="latin-1").read().split(".SEGMENT")[1:]:
        yield part.split('"')[1], [
            [tuple(map(int, line.split())) for line in s.split(".PEN_UP")[0].splitlines()[1:]]
            for s in part.split(".PEN_DOWN")[1:]]


FLAGS = ("--headless=new --no-sandbox --disable-gpu --disable-quic --no-first-run "
         "--disable-background-networking --disable-component-update --disable-sync "
         "--autoplay-policy=no-user-gesture-required --window-size=1024,768").split()


class Site:
    """A copy of the site, so that a test may take files away, served until stop()."""

    def __init__(self, built):
        self.root = tempfile.mkdtemp(prefix="mogran-site-")
        shutil.copytree(built, self.root, dirs_exist_ok=True)
        self.server = make_server(self.root)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def remove(self, name):
        os.remove(os.path.join(self.root, name))

    def stop(self):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.root, ignore_errors=True)


def chromium(profile):
    """Chromium on a fresh profile folder, which the caller owns and removes."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS:
        options.add_argument(flag)
    options.add_argument(f"--user-data-dir={profile}")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"


def webkit(xvfb):
    """WebKitGTK's MiniBrowser on the caller's X server (started with -displayfd), which this
    process's DISPLAY then names for the driver, the browser and GTK alike."""
    os.environ["DISPLAY"] = f":{xvfb.stdout.readline().strip()}"
    options = WebKitOptions()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    return webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options)


def wait_for(what, check, timeout=10.0):
    """Polls check() until it gives a true value, which it returns; fails naming `what`."""
    end = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.02)


def text(driver, control):
    """What a control shows: an edit box's value (an <output>'s is its text, which WebKit's driver
    does not give), any other element's text."""
    element = driver.find_element(By.ID, control)
    value = element.get_attribute("value")
    return value if element.tag_name in ("input", "output") else element.text


def colour(driver, control, property="color"):
    """A control's colour as rgb(r, g, b), however the engine writes it."""
    return Color.from_string(driver.find_element(By.ID, control).value_of_css_property(property)).rgb


def open_drill(driver, url):
    """Opens the page and waits for the drill; a driver that cannot run a script before the
    page's own (WebKit's) runs its `after_start` script once the drill has started."""
    driver.get(url)
    wait_for("the drill to start",
             lambda: driver.execute_script("return document.documentElement.dataset.run") == "ready")
    if getattr(driver, "after_start", None):
        driver.execute_script(driver.after_start)
