# Answers written in the page's writing pad in headless Chromium, by touch and with a pen
# (the DevTools protocol), the pad's switch, and window and pad on tablet screens. The digits
# are pen samples of the reader's training file, scaled into the boxes.
# usage: write_web.py <built site folder> <mogran-problemset>
import os
import sys
import tempfile

from selenium.webdriver.common.by import By

from browser import Site, chromium, open_drill, text, wait_for
from play_web import CLOCK, RIGHT, START, WRONG, by_id, check, problems, start_set, tap

SAMPLES = os.path.join(os.path.dirname(__file__), "..", "..", "handwriting", "data",
                       "pendigits-orig.tra")
SCREENS = [(820, 1180), (1180, 820), (810, 1080), (1080, 810), (1366, 768)]
RECT = "const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom];"


def first_samples():
    """The first sample of each digit: its strokes of x, y points, y upward."""
    found = {}
    for part in open(SAMPLES, encoding="latin-1").read().split(".SEGMENT")[1:]:
        strokes = [[tuple(map(int, line.split())) for line in s.split(".PEN_UP")[0].splitlines()
                    if line.strip()] for s in part.split(".PEN_DOWN")[1:]]
        found.setdefault(part.split('"')[1], strokes)
    return found


def write(d, box, strokes, pen=False, begun=lambda: None):
    """Writes strokes into the box by touch or with a pen, telling `begun` after the first point."""
    left, top, right, _ = d.execute_script(RECT, by_id(d, box))
    xs, ys = [[p[i] for s in strokes for p in s] for i in (0, 1)]
    k = 0.7 * (right - left) / max(max(xs) - min(xs), max(ys) - min(ys))
    for stroke in strokes:
        for i, (x, y) in enumerate(stroke):
            at = {"x": (left + right) / 2 + (x - (max(xs) + min(xs)) / 2) * k,
                  "y": top + (right - left) / 2 - (y - (max(ys) + min(ys)) / 2) * k}
            if pen:
                pen_event(d, "mousePressed" if i == 0 else "mouseMoved", **at)
            else:
                d.execute_cdp_cmd("Input.dispatchTouchEvent", {
                    "type": "touchStart" if i == 0 else "touchMove", "touchPoints": [at]})
            if i == 0 and stroke is strokes[0]:
                begun()
        if pen:
            pen_event(d, "mouseReleased", **at)
        else:
            d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


def pen_event(d, kind, x, y):
    d.execute_cdp_cmd("Input.dispatchMouseEvent", {
        "type": kind, "x": x, "y": y, "button": "left", "buttons": int(kind != "mouseReleased"),
        "clickCount": 1, "pointerType": "pen"})


def corners(d):
    return [text(d, f"Ink{n}").strip() for n in (1, 2, 3)]


def screen(d, width, height, touch):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2, "mobile": False})
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
    d.refresh()
    wait_for("the drill", lambda: d.execute_script("return document.documentElement.dataset.run"))


# Window and pad side by side in landscape, one under the other in portrait, filling the
# screen's width or height, nothing outside it, boxes square and at least 140 pixels a side.
def layout(d):
    for width, height in SCREENS:
        screen(d, width, height, True)
        wait_for("the writing face", by_id(d, "Ink1").is_displayed)
        form, pad = [d.execute_script(RECT, by_id(d, name)) for name in ("Form1", "Pad")]
        for name in ("Form1", "Pad", "PadSwitch", "Ink1", "Ink2", "Ink3", "InkClear", "InkEnter"):
            left, top, right, bottom = d.execute_script(RECT, by_id(d, name))
            assert min(left, top, width - right, height - bottom) > -0.01, (name, width)
            if name[:-1] == "Ink":
                assert abs(right - left - (bottom - top)) < 0.01 and right - left >= 140, (name, width)
        assert (pad[0] >= form[2]) if width > height else (pad[1] >= form[3]), (width, form, pad)
        extent = max(pad[2], form[2]) - form[0], max(pad[3], form[3]) - form[1]
        assert max(extent[0] / width, extent[1] / height) > 0.99, (width, extent)


def main(built, tool):
    p = problems(tool)
    digits = first_samples()
    site = Site(built)
    with tempfile.TemporaryDirectory(prefix="mogran-profile-") as profile:
        d = chromium(profile)
        try:
            d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLOCK})
            open_drill(d, site.url)
            layout(d)
            # By touch: a box written again is read afresh, and read before the return key.
            start_set(d)
            write(d, "Ink1", digits["7"])
            check(d, Edit2="7", Ink1="7")
            write(d, "Ink1", digits[str(p[0][0])])
            tap(d, by_id(d, "InkEnter"))
            check(d, Edit6=RIGHT, Edit4="2", Edit2="")
            assert corners(d) == ["", "", ""], corners(d)
            # The box left is read at once when the pen starts in the next; a wrong answer's
            # ink stays, けす empties boxes and answer box and brings the mascot back.
            wrong = str(p[1][0] + 1)
            write(d, "Ink1", digits[wrong[0]])
            write(d, "Ink2", digits[wrong[1]], begun=lambda: wait_for("the box left read", lambda: corners(d)[0] == wrong[0], 0.3))
            tap(d, by_id(d, "InkEnter"))
            check(d, Edit6=WRONG, Edit2=wrong)
            assert corners(d) == [*wrong, ""], corners(d)
            tap(d, by_id(d, "InkClear"))
            check(d, Edit2="", Edit6=START)
            assert corners(d) == ["", "", ""], corners(d)
            # With a pen; touches while it is down are the hand resting and write nothing.
            answer = str(p[1][0])
            for n, digit in enumerate(answer[:-1]):
                write(d, f"Ink{n + 1}", digits[digit], pen=True)
            pen_event(d, "mousePressed", 5, 5)
            write(d, "Ink3", digits["1"])
            pen_event(d, "mouseReleased", 5, 5)
            write(d, f"Ink{len(answer)}", digits[answer[-1]], pen=True)
            tap(d, by_id(d, "InkEnter"))
            check(d, Edit6=RIGHT, Edit4="3")
            # The switch flips the faces; the face chosen is kept on the device.
            tap(d, by_id(d, "PadSwitch"))
            wait_for("the number keys", by_id(d, "Keys").is_displayed)
            assert not by_id(d, "Ink").is_displayed()
            d.refresh()
            wait_for("the number keys again", by_id(d, "Keys").is_displayed)
            tap(d, by_id(d, "PadSwitch"))
            wait_for("the writing face", by_id(d, "Ink").is_displayed)
            # Without touch the window stands alone as before, until a pen first touches the page.
            screen(d, 1024, 768, False)
            assert not by_id(d, "Pad").is_displayed()
            left, _, right, _ = d.execute_script(RECT, by_id(d, "Form1"))
            assert abs(right - left - 509 * min(1024 / 509, 768 / 415)) < 0.01, (left, right)
            pen_event(d, "mousePressed", 5, 5)
            pen_event(d, "mouseReleased", 5, 5)
            wait_for("the writing face", by_id(d, "Ink1").is_displayed)
            start_set(d)
            write(d, "Ink1", digits[str(p[0][0])], pen=True)
            d.find_element(By.ID, "InkEnter").click()
            check(d, Edit6=RIGHT, Edit4="2")
        finally:
            d.quit()
            site.stop()
    print("web.write: passed")


if __name__ == "__main__":
    main(*sys.argv[1:])
