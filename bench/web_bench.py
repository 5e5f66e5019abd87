#!/usr/bin/python3
"""Figures of the web page in headless Chromium, against a private server on the built site.

- first visit: the bytes a fresh profile transfers to show the page and read the media files
  (resource timing), and the size of every file of the site, which the installed app keeps in
  the end;
- navigation to ready: from the start of the navigation to the frame after the message line
  shows its first text, median of cold loads (the browser's cache emptied before each), against
  the same for a static copy of the page without scripts and with the texts in place, loads of
  the two alternating in one run;
- Enter with a right answer: from the key-down event to the frame after the next problem is in
  the problem box (by then the verdict and the picture are in place), over many answers;
- reading one writing box: the page's own call into its WebAssembly module (ink.mjs readDigit)
  for pen samples of the reader's training file scaled into a box of 140 CSS pixels, each
  timed over a batch of repeats (the page's clock is coarse); and, on a touch screen, from the
  touch that starts the next box to the read digit in the box left, and to the frame after it,
  with the frames that came between (0: the digit shows in the frame after the read);
- the first visit on a touch screen, which also loads the writing pad's module.
Not a test: it prints the figures.
usage: /usr/bin/python3 bench/web_bench.py [site folder (build-web/site)] [loads] [answers] [reads]
"""
import itertools
import os
import statistics
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
from browser import Site, chromium, open_drill, pen_samples, text, wait_for  # noqa: E402

READY_TEXT = "もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。"
RIGHT = "せいかいです！"
START = "こたえをいれてリターン。"

# Installed before each document: the time of the frame after the message line first shows
# its text. The observer sees the parser fill the static page and the module fill the real one.
READY_PROBE = """
new MutationObserver((changes, observer) => {
  const line = document.getElementById('Edit6');
  if (!line || line.textContent !== %r) return;
  observer.disconnect();
  requestAnimationFrame(() => { window.benchReady = performance.now(); });
}).observe(document, { childList: true, subtree: true, characterData: true });
""" % READY_TEXT

# The page with its scripts taken out and what they put in place kept: the texts (edit boxes'
# values as attributes), the hints' accessible names and the scaling.
STATIC_COPY = """
for (const edit of document.querySelectorAll('input.edit')) edit.setAttribute('value', edit.value);
for (const node of document.querySelectorAll('script, link[rel=modulepreload], link[rel=preload]'))
  node.remove();
delete document.documentElement.dataset.run;
return '<!doctype html>\\n' + document.documentElement.outerHTML;
"""

# Times each Enter from its key-down to the frame after Edit1 takes the next problem.
ENTER_PROBE = """
const edit1 = document.getElementById('Edit1');
const own = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
window.benchTimes = [];
let pressed = null;
document.addEventListener('keydown', (event) => {
  if (event.key === 'Enter' && !event.repeat) pressed = event.timeStamp;
}, { capture: true });
Object.defineProperty(edit1, 'value', {
  get() { return own.get.call(this); },
  set(value) {
    own.set.call(this, value);
    if (pressed === null) return;
    const from = pressed;
    pressed = null;
    requestAnimationFrame(() => window.benchTimes.push(performance.now() - from));
  },
});
"""


def site_bytes(root):
    return sum(os.path.getsize(os.path.join(folder, name))
               for folder, _, names in os.walk(root) for name in names)


MEDIA = ["mascot.bmp", "maru1.bmp", "batu1.bmp", "maru1.wav", "batu1.wav"]


def first_visit(driver, url):
    """Bytes transferred once the page has read everything it reads on its own, media too."""
    if driver.execute_script("return document.documentElement.dataset.run") != "ready":
        open_drill(driver, url)
    wait_for("the media files", lambda: driver.execute_script(
        "const read = performance.getEntriesByType('resource').filter((e) => e.responseEnd > 0)"
        ".map((e) => e.name.split('/').pop()); return arguments[0].every((m) => read.includes(m))",
        MEDIA))
    return driver.execute_script(
        "return performance.getEntriesByType('navigation').concat("
        "performance.getEntriesByType('resource')).reduce((sum, e) => sum + e.transferSize, 0)")


def load_to_ready(driver, url):
    driver.execute_cdp_cmd("Network.clearBrowserCache", {})
    driver.get(url)
    return wait_for("the page to be ready",
                    lambda: driver.execute_script("return window.benchReady"), timeout=30)


def answer_times(driver, url, answers):
    open_drill(driver, url)
    driver.execute_script(ENTER_PROBE)
    edit2 = driver.find_element("id", "Edit2")
    while len(driver.execute_script("return benchTimes")) < answers:
        driver.find_element("id", "Button1").click()
        wait_for("a set to start", lambda: text(driver, "Edit4") == "1")
        for number in range(1, 100):
            problem = text(driver, "Edit1")
            edit2.send_keys(str(eval(problem.replace("＋", "+"))))
            wait_for("the mascot", lambda: text(driver, "Edit6") == START)
            edit2.send_keys("\ue007")  # Enter
            wait_for("the next problem", lambda: text(driver, "Edit4") == str(number + 1))
    return driver.execute_script("return benchTimes")[:answers]


BOX = 140
REPEATS = 20

# Times readDigit on each sample: ms a read, as the mean of a batch of repeats.
READ_PROBE = """
const [samples, side, repeats, done] = arguments;
Promise.all([import('./mogran.mjs'), import('./js/ink.mjs')]).then(async ([made, ink]) => {
  const module = await made.default({ front: {} });
  const times = [];
  for (const strokes of samples) {
    const start = performance.now();
    for (let i = 0; i < repeats; i += 1) ink.readDigit(module, strokes, side);
    times.push((performance.now() - start) / repeats);
  }
  done(times);
});
"""

# From the touch that starts the second box (as the page takes it) to the first box's digit
# shown, to the frame after it, and the frames painted between the touch and the digit.
SHOW_PROBE = """
window.benchShows = [];
let touched = null, frames = 0;
const count = () => { frames += 1; requestAnimationFrame(count); };
requestAnimationFrame(count);
document.getElementById('Ink2').addEventListener('pointerdown', () => {
  touched = { at: performance.now(), frames };
}, { capture: true });
new MutationObserver(() => {
  const corner = document.querySelector('#Ink1 output');
  if (!touched || corner.textContent === '') return;
  const shown = performance.now(), between = frames - touched.frames, { at } = touched;
  touched = null;
  requestAnimationFrame(() => {
    window.benchShows.push([shown - at, performance.now() - at, between]);
  });
}).observe(document.querySelector('#Ink1 output'), { childList: true, subtree: true });
"""


def box_samples(count):
    """The first `count` samples of the training file, as the page holds strokes: flat x, y
    lists in a box of BOX CSS pixels, y downward."""
    samples = []
    for _, strokes in itertools.islice(pen_samples(), count):
        points = [p for stroke in strokes for p in stroke]
        low = [min(p[i] for p in points) for i in (0, 1)]
        k = 0.7 * BOX / max(1, max(max(p[i] for p in points) - low[i] for i in (0, 1)))
        samples.append([[c for x, y in stroke for c in (0.15 * BOX + (x - low[0]) * k,
                                                        0.85 * BOX - (y - low[1]) * k)]
                        for stroke in strokes])
    return samples


def read_times(driver, url, samples):
    open_drill(driver, url)
    return driver.execute_async_script(READ_PROBE, samples, BOX, REPEATS)


def touch_screen(driver):
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                           {"enabled": True, "maxTouchPoints": 5})


def touch(driver, kind, points):
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
        "type": kind, "touchPoints": [{"x": x, "y": y} for x, y in points]})


def show_times(driver, url, samples, count):
    """Writes samples in the first box by touch and starts the second, count times."""
    touch_screen(driver)
    open_drill(driver, url)
    wait_for("the writing pad", lambda: driver.find_element("id", "Ink1").is_displayed())
    driver.execute_script(SHOW_PROBE)
    rect = ("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
            "return [r.x, r.y, r.width];")
    x1, y1, side = driver.execute_script(rect, "Ink1")
    x2, y2, _ = driver.execute_script(rect, "Ink2")
    x3, y3, width = driver.execute_script(rect, "InkClear")
    for done, strokes in enumerate(samples[:count], 1):
        for stroke in strokes:
            points = [(x1 + stroke[i] * side / BOX, y1 + stroke[i + 1] * side / BOX)
                      for i in range(0, len(stroke), 2)]
            touch(driver, "touchStart", points[:1])
            for point in points[1:]:
                touch(driver, "touchMove", [point])
            touch(driver, "touchEnd", [])
        touch(driver, "touchStart", [(x2 + side / 2, y2 + side / 2)])
        touch(driver, "touchEnd", [])
        wait_for("the digit", lambda: len(driver.execute_script("return benchShows")) >= done)
        touch(driver, "touchStart", [(x3 + width / 2, y3 + 10)])
        touch(driver, "touchEnd", [])
        wait_for("the boxes emptied", lambda: driver.find_element("id", "Ink1").text == "")
    return driver.execute_script("return benchShows")


def touch_first_visit(url):
    with tempfile.TemporaryDirectory(prefix="mogran-bench-") as profile:
        driver = chromium(profile)
        try:
            touch_screen(driver)
            open_drill(driver, url)
            wait_for("the writing pad", lambda: driver.find_element("id", "Ink1").is_displayed())
            return first_visit(driver, url)
        finally:
            driver.quit()


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def main():
    built = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build-web", "site")
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    answers = int(sys.argv[3]) if len(sys.argv) > 3 else 300
    reads = int(sys.argv[4]) if len(sys.argv) > 4 else 1000
    samples = box_samples(reads)
    site = Site(built)
    try:
        with tempfile.TemporaryDirectory(prefix="mogran-bench-") as profile:
            driver = chromium(profile)
            try:
                transferred = first_visit(driver, site.url)
                with open(os.path.join(site.root, "static.html"), "w", encoding="utf-8") as out:
                    out.write(driver.execute_script(STATIC_COPY))
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                       {"source": READY_PROBE})
                page, static = [], []
                load_to_ready(driver, site.url)  # one warm-up load of each
                load_to_ready(driver, site.url + "static.html")
                for _ in range(loads):
                    page.append(load_to_ready(driver, site.url))
                    static.append(load_to_ready(driver, site.url + "static.html"))
                times = answer_times(driver, site.url, answers)
                reading = read_times(driver, site.url, samples)
                shows = show_times(driver, site.url, samples, 50)
            finally:
                driver.quit()
        touch_transferred = touch_first_visit(site.url)
    finally:
        site.stop()
    print(f"first visit transferred KB: {transferred / 1024:.1f}")
    print(f"first visit on a touch screen transferred KB: {touch_transferred / 1024:.1f}")
    print(f"site files KB: {site_bytes(built) / 1024:.1f}")
    wasm = os.path.getsize(os.path.join(built, "mogran.wasm"))
    print(f"WebAssembly module KB: {wasm / 1024:.1f}")
    print(f"loads: {loads}")
    print("page, navigation to ready, ms: " + " ".join(f"{t:.1f}" for t in page))
    print("static page, navigation to ready, ms: " + " ".join(f"{t:.1f}" for t in static))
    print(f"ready median ms: {statistics.median(page):.1f}")
    print(f"static ready median ms: {statistics.median(static):.1f}")
    print(f"ready ratio: {statistics.median(page) / statistics.median(static):.2f}")
    print(f"answers: {len(times)}")
    print(f"enter to next problem painted median ms: {statistics.median(times):.1f}")
    print(f"enter to next problem painted p90 ms: {percentile(times, 0.9):.1f}")
    print(f"enter to next problem painted max ms: {max(times):.1f}")
    print(f"box reads: {len(reading)}, each the mean of {REPEATS}")
    print(f"read one box median ms: {statistics.median(reading):.3f}")
    print(f"read one box p90 ms: {percentile(reading, 0.9):.3f}")
    print(f"read one box max ms: {max(reading):.3f}")
    shown, painted, between = zip(*shows)
    print(f"next box touched: {len(shows)}")
    print(f"touch to digit shown median ms: {statistics.median(shown):.2f}")
    print(f"touch to digit shown p90 ms: {percentile(shown, 0.9):.2f}")
    print(f"touch to digit painted median ms: {statistics.median(painted):.1f}")
    print(f"touch to digit painted p90 ms: {percentile(painted, 0.9):.1f}")
    print(f"frames painted between touch and digit, most: {max(between)}")


if __name__ == "__main__":
    main()
