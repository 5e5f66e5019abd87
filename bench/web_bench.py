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
  the problem box (by then the verdict and the picture are in place), over many answers.
Not a test: it prints the figures.
usage: /usr/bin/python3 bench/web_bench.py [site folder (build-web/site)] [loads] [answers]
"""
import os
import statistics
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
from browser import Site, chromium, open_drill, text, wait_for  # noqa: E402

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


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def main():
    built = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build-web", "site")
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    answers = int(sys.argv[3]) if len(sys.argv) > 3 else 300
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
            finally:
                driver.quit()
    finally:
        site.stop()
    print(f"first visit transferred KB: {transferred / 1024:.1f}")
    print(f"site files KB: {site_bytes(built) / 1024:.1f}")
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


if __name__ == "__main__":
    main()
