# Plays the drill in the page in headless Chromium through real key, touch, pen and
# input-method events and checks what the controls show; the answers written in the pad's boxes
# are pen samples of the digit reader's training file. The page's clock is fixed, so every set
# holds the problems mogran-problemset prints for the same random state.
# usage: play_web.py <built site folder> <mogran-problemset>
import os
import shutil
import subprocess
import sys
import tempfile

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import Site, chromium, colour, open_drill, pen_samples, text, wait_for

KIND = 8  # かっこつき: parentheses and all four operators
STATE = 34215281  # 09:30:15.281 UTC as milliseconds since midnight, the reseeded state
CLOCK = f"Date.now = () => Date.UTC(2026, 0, 5) + {STATE};"
START = "こたえをいれてリターン。"
RIGHT = "せいかいです！"
WRONG = "ぶ～　まちがえたよ"
# Whether a canvas (Image1 unless named) shows the picture file as the browser itself decodes
# it, pixel for pixel; keyed, with the colour of the file's bottom-left pixel see-through.
PICTURE = """const [name, canvas, keyed, done] = arguments;
fetch(name).then((r) => r.blob()).then(createImageBitmap).then((bitmap) => {
  const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const read = (c) => c.getImageData(0, 0, bitmap.width, bitmap.height).data;
  const file = read(context), shown = read(document.querySelector(canvas).getContext('2d'));
  const key = (bitmap.height - 1) * bitmap.width * 4;
  const clear = (p) => keyed && [0, 1, 2].every((c) => file[p + c] === file[key + c]);
  done(file.every((v, i) => (clear(i - i % 4) ? i % 4 < 3 || shown[i] === 0 : v === shown[i])));
});"""


def picture(d, name, canvas="#Image1", keyed=False):
    wait_for(f"{name} in {canvas}", lambda: d.execute_async_script(PICTURE, name, canvas, keyed))


def problems(tool):
    lines = subprocess.run([tool, str(KIND), str(STATE)], check=True, capture_output=True,
                           text=True).stdout.splitlines()
    return [(int(line.split(" ")[9]), line.split(" ", 10)[10]) for line in lines]


def check(d, **wanted):
    for control, value in wanted.items():
        try:
            wait_for(control, lambda: text(d, control) == value)
        except AssertionError:
            raise AssertionError(f"{control} shows {text(d, control)!r}, not {value!r}") from None


def focused(d, name):
    wait_for(f"the focus on {name}", lambda: d.switch_to.active_element.get_attribute("id") == name)


def box_texts(d, name, *parts):
    box = by_id(d, name)
    wait_for(name, box.is_displayed)
    return [box.find_element(By.CLASS_NAME, part).text for part in parts]


def by_id(d, name):
    return d.find_element(By.ID, name)


def enter_key(d, kind, **extra):
    d.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": kind, "key": "Enter", "code": "Enter",
                                                 "windowsVirtualKeyCode": 13, **extra})


def start_set(d):
    d.find_element(By.CSS_SELECTOR, f"#RadioGroup1 input[value='{KIND - 1}']").click()
    by_id(d, "Button1").click()
    check(d, Edit6=START, Edit4="1")
    assert colour(d, "Edit6") == "rgb(0, 128, 0)", colour(d, "Edit6")


def answer(d, value):
    by_id(d, "Edit2").clear()
    by_id(d, "Edit2").send_keys(f"{value}{Keys.ENTER}")


# Tab wraps from the last control to the first and back; an edit box focused by the keyboard
# has its whole text selected.
def keyboard_focus(d):
    d.execute_script("document.getElementById('BitBtn1').focus()")
    ActionChains(d).send_keys(Keys.TAB).perform()
    focused(d, "RadioGroup1")
    ActionChains(d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
    focused(d, "BitBtn1")
    d.execute_script("document.getElementById('Edit2').focus()")
    assert d.execute_script("const e = document.getElementById('Edit2');"
                            "return [e.selectionStart, e.selectionEnd];") == [0, 3]


def play_a_set(d, p):
    start_set(d)
    check(d, Edit1=p[0][1], Edit3="100", Edit5="0")
    answer(d, p[0][0] + 1)
    check(d, Edit6=WRONG, Edit5=" 0", Edit4="1")
    picture(d, "batu1.bmp")
    answer(d, p[0][0])
    check(d, Edit4="2", Edit6=RIGHT, Edit1=p[1][1], Edit5="0", Edit2="")
    picture(d, "maru1.bmp")
    answer(d, p[1][0])
    check(d, Edit4="3", Edit1=p[2][1], Edit5="50")
    # A click that leaves the focus where it is, as a button takes none from the mouse in some
    # browsers: the reveal itself must give Button3 the focus.
    d.execute_script("arguments[0].click()", by_id(d, "Button3"))
    check(d, Edit6=f"せいかいは {p[2][0]} でした。", Button3="つぎのもんだい")
    focused(d, "Button3")
    ActionChains(d).send_keys(Keys.ENTER).perform()
    check(d, Edit4="4", Edit6=START, Button3="せいかいを見る", Edit1=p[3][1])
    focused(d, "Edit2")
    # A held Enter: one key-down, its repeats, one key-up. Only the first is judged; the
    # reveal after it runs once every key before it has been handled.
    by_id(d, "Edit2").send_keys(str(p[3][0]))
    enter_key(d, "rawKeyDown")
    for _ in range(5):
        enter_key(d, "rawKeyDown", autoRepeat=True)
    enter_key(d, "keyUp")
    by_id(d, "Button3").click()
    check(d, Edit6=f"せいかいは {p[4][0]} でした。", Edit4="5", Edit5="50", Edit1=p[4][1])
    ActionChains(d).send_keys(Keys.ENTER).perform()
    check(d, Edit4="6", Edit1=p[5][1])
    # A full-width answer composed by an input method; its Enter only commits the text.
    full_width = "".join(chr(ord(c) + 0xFEE0) for c in str(p[5][0]))
    end = len(full_width)
    d.execute_cdp_cmd("Input.imeSetComposition",
                      {"text": full_width, "selectionStart": end, "selectionEnd": end})
    enter_key(d, "rawKeyDown", windowsVirtualKeyCode=229)
    d.execute_cdp_cmd("Input.insertText", {"text": full_width})
    enter_key(d, "keyUp")
    check(d, Edit2=str(p[5][0]), Edit6=START)
    ActionChains(d).send_keys(Keys.ENTER).perform()
    check(d, Edit6=RIGHT)
    by_id(d, "Button3").click()
    check(d, Edit6=f"せいかいは {p[6][0]} でした。", Edit4="7", Edit5="50", Edit1=p[6][1])
    by_id(d, "Button2").click()  # おしまい: the page closes, or starts again where it may not
    wait_for("the page to start again", lambda: started_again(d))


def started_again(d):
    try:
        return d.execute_script("return document.documentElement.dataset.run === 'ready'") and \
            text(d, "Edit4") == "" and text(d, "Edit6") == "もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。"
    except WebDriverException:  # in the middle of loading
        return False


def play_a_counted_set(d, p):
    tick = by_id(d, "CheckBox1").find_element(By.TAG_NAME, "input")
    tick.click()  # a count that is no number: the box is unticked again
    check(d, InputBoxField="10")
    ActionChains(d).send_keys(f"abc{Keys.ENTER}").perform()
    shown = box_texts(d, "ErrorBox", "caption", "text")
    assert shown == ["モグラン（３数の計算）", "'abc' は整数ではありません."], shown
    close_error_box(d)
    assert not tick.is_selected()
    tick.click()
    shown = box_texts(d, "InputBox", "caption", "prompt")
    assert shown == ["問題数を決めます", "何問やりますか？"], shown
    check(d, InputBoxField="10")
    ActionChains(d).send_keys(f"2{Keys.ENTER}").perform()
    check(d, Edit3="2")
    start_set(d)
    check(d, Edit3="2", Edit1=p[0][1])
    answer(d, p[0][0])
    check(d, Edit4="2")
    answer(d, p[1][0] + 1)
    check(d, Edit6=WRONG)
    answer(d, p[1][0])
    check(d, Edit6="50てんです。おしまいです。", Edit5="50")
    assert colour(d, "Edit6") == "rgb(255, 0, 0)", colour(d, "Edit6")


def mouse(d, x, y):
    d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})


# A hint shows at the pointer resting over its control, and goes as the pointer leaves the window.
def hint_at_the_pointer(d):
    hint = by_id(d, "Hint")
    mouse(d, *d.execute_script("const r = document.getElementById('Button1').getBoundingClientRect();"
                               "return [r.x + r.width / 2, r.y + r.height / 2];"))
    wait_for("the hint", hint.is_displayed)
    assert hint.text == "れんしゅうをはじめます", hint.text
    outside = d.execute_script("const r = document.getElementById('Form1').getBoundingClientRect();"
                               "return [(r.right + innerWidth) / 2, r.top + 10];")
    mouse(d, *outside)
    assert not hint.is_displayed()


def error_box_for_a_missing_picture(d, built, p):
    site = Site(built)
    try:
        site.remove("maru1.bmp")
        open_drill(d, site.url)
        start_set(d)
        answer(d, p[0][0])
        shown = box_texts(d, "ErrorBox", "caption", "text")
        assert shown == ["モグラン（３数の計算）", "ﾌｧｲﾙ maru1.bmp は開けません."], shown
        close_error_box(d)
        check(d, Edit6=RIGHT, Edit4="1", Edit1=p[0][1])
        # The file is read again behind each use: put back, it shows from the next use on.
        shutil.copy(os.path.join(built, "maru1.bmp"), site.root)
        answer(d, p[0][0])
        wait_for("a verdict", lambda: by_id(d, "ErrorBox").is_displayed() or text(d, "Edit4") == "2")
        if by_id(d, "ErrorBox").is_displayed():
            close_error_box(d)
            answer(d, p[0][0])
        check(d, Edit4="2", Edit1=p[1][1])
        assert not by_id(d, "ErrorBox").is_displayed()
    finally:
        site.stop()


def close_error_box(d):
    by_id(d, "ErrorBox").find_element(By.TAG_NAME, "button").click()
    wait_for("the error box to close", lambda: not by_id(d, "ErrorBox").is_displayed())


def tap(d, element):
    box = d.execute_script("const r = arguments[0].getBoundingClientRect();"
                           "return [r.x + r.width / 2, r.y + r.height / 2];", element)
    point = [{"x": box[0], "y": box[1]}]
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


def answer_by_touch(d, site, p):
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    open_drill(d, site.url)
    wait_for("the number pad", by_id(d, "Pad").is_displayed)
    assert by_id(d, "Edit2").get_attribute("inputmode") == "none"
    tap(d, by_id(d, "PadSwitch"))  # from the writing face to the number keys
    start_set(d)
    for key in [*str(p[0][0]), "Enter"]:
        if key == "Enter":
            check(d, Edit2=str(p[0][0]))
        tap(d, d.find_element(By.CSS_SELECTOR, f"#Pad [data-key='{key}']"))
        focused(d, "Edit2")
    check(d, Edit4="2", Edit6=RIGHT, Edit1=p[1][1])


# Tablets in portrait and landscape, a touch Chromebook and a small touch laptop.
SCREENS = [(820, 1180), (1180, 820), (810, 1080), (1080, 810), (1366, 768), (1024, 600)]
RECT = "const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom];"


# The first pen sample of each digit in the reader's training file: strokes of x, y, y upward.
def first_samples():
    found = {}
    for digit, strokes in pen_samples():
        found.setdefault(digit, strokes)
    return found


# One point of a stroke going down (0), on (1) or up (2), by touch or with a pen.
def ink(d, pen, phase, x, y):
    if pen:
        d.execute_cdp_cmd("Input.dispatchMouseEvent", {
            "type": ("mousePressed", "mouseMoved", "mouseReleased")[phase], "x": x, "y": y,
            "button": "left", "buttons": int(phase < 2), "clickCount": 1, "pointerType": "pen"})
    else:
        d.execute_cdp_cmd("Input.dispatchTouchEvent", {
            "type": ("touchStart", "touchMove", "touchEnd")[phase],
            "touchPoints": [{"x": x, "y": y}] if phase < 2 else []})


# Writes the digits in the boxes from the first on, scaled into them, each point put by `dot`
# as `ink` puts it; `begun` is told once the first point is down.
def write(d, digits, pen=False, first=1, begun=lambda: None, dot=ink):
    for n, strokes in enumerate(digits):
        left, top, right, _ = d.execute_script(RECT, by_id(d, f"Ink{first + n}"))
        xs, ys = [[p[i] for s in strokes for p in s] for i in (0, 1)]
        k = 0.7 * (right - left) / max(max(xs) - min(xs), max(ys) - min(ys))
        at = lambda x, y: ((left + right + (2 * x - max(xs) - min(xs)) * k) / 2,
                           top + (right - left - (2 * y - max(ys) - min(ys)) * k) / 2)
        for s, stroke in enumerate(strokes):
            for i, point in enumerate(stroke):
                dot(d, pen, min(i, 1), *at(*point))
                if n + s + i == 0:
                    begun()
            dot(d, pen, 2, *at(*stroke[-1]))


def screen(d, width, height, touch):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2, "mobile": False})
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
    d.refresh()
    wait_for("the drill", lambda: d.execute_script("return document.documentElement.dataset.run"))


# Window and pad side by side in landscape, one under the other in portrait, filling the
# screen's width or its height, nothing outside it; boxes square, at least 140 pixels a side.
def layout(d):
    for width, height in SCREENS:
        screen(d, width, height, True)
        wait_for("the writing face", by_id(d, "Ink1").is_displayed)
        rects = {name: d.execute_script(RECT, by_id(d, name)) for name in
                 ("Form1", "Pad", "PadSwitch", "Ink1", "Ink2", "Ink3", "InkClear", "InkEnter")}
        for name, (left, top, right, bottom) in rects.items():
            assert min(left, top, width - right, height - bottom) > -0.01, (name, width)
            square = abs(right - left - bottom + top) < 0.01 and right - left >= 140
            assert name[:-1] != "Ink" or square, (name, width)
        form, pad = rects["Form1"], rects["Pad"]
        assert (pad[0] >= form[2]) if width > height else (pad[1] >= form[3]), (width, form, pad)
        extent = max(pad[2], form[2]) - form[0], max(pad[3], form[3]) - form[1]
        assert max(extent[0] / width, extent[1] / height) > 0.99, (width, extent)


def answer_in_writing(d, p):
    samples = first_samples()
    digits = lambda number: [samples[c] for c in str(number)]
    d.refresh()  # the face last chosen is kept
    wait_for("the number keys", by_id(d, "Keys").is_displayed)
    tap(d, by_id(d, "PadSwitch"))
    layout(d)
    # By touch: a box written again is read afresh, and read before the return key answers.
    start_set(d)
    write(d, digits(7))
    check(d, Edit2="7", Ink1="7")
    write(d, digits(p[0][0]))
    tap(d, by_id(d, "InkEnter"))
    check(d, Edit6=RIGHT, Edit4="2", Edit2="", Ink1="")
    # The box left is read as the pen starts in the next; a wrong answer's ink stays; けす
    # empties boxes and answer box and brings the mascot back.
    wrong = str(p[1][0] + 1)
    write(d, digits(wrong[0]))
    write(d, digits(wrong[1:]), first=2, begun=lambda: wait_for(
        "the box left read", lambda: text(d, "Ink1") == wrong[0], 0.3))
    tap(d, by_id(d, "InkEnter"))
    check(d, Edit6=WRONG, Edit2=wrong, Ink1=wrong[0], Ink2=wrong[1])
    tap(d, by_id(d, "InkClear"))
    check(d, Edit2="", Edit6=START, Ink1="", Ink2="")
    # With a pen; a touch while it is down is the hand resting and writes nothing.
    write(d, digits(p[1][0])[:1], pen=True)
    ink(d, True, 0, 5, 5)
    write(d, digits(1), first=3)
    ink(d, True, 2, 5, 5)
    write(d, digits(p[1][0])[1:], pen=True, first=2)
    tap(d, by_id(d, "InkEnter"))
    check(d, Edit6=RIGHT, Edit4="3")
    # Without touch the window stands alone as before, until a pen first touches the page.
    screen(d, 1024, 768, False)
    assert not by_id(d, "Pad").is_displayed()
    left, _, right, _ = d.execute_script(RECT, by_id(d, "Form1"))
    assert abs(right - left - 509 * min(1024 / 509, 768 / 415)) < 0.01, (left, right)
    for phase in (0, 2):
        ink(d, True, phase, 5, 5)
    wait_for("the writing face", by_id(d, "Ink1").is_displayed)
    start_set(d)
    write(d, digits(p[0][0]), pen=True)
    by_id(d, "InkEnter").click()
    check(d, Edit6=RIGHT, Edit4="2")


def play_offline(d, site, p):
    d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    site.stop()
    open_drill(d, site.url)
    start_set(d)
    answer(d, p[0][0])
    check(d, Edit4="2", Edit6=RIGHT)
    assert not by_id(d, "ErrorBox").is_displayed()


def main(built, tool):
    p = problems(tool)
    site = Site(built)
    with tempfile.TemporaryDirectory(prefix="mogran-profile-") as profile:
        d = chromium(profile)
        try:
            d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLOCK})
            open_drill(d, site.url)
            check(d, Edit6="もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。", Edit1="もんだい", Edit2="こたえ")
            picture(d, "bitbtn1.bmp", "#BitBtn1 canvas", keyed=True)
            hint_at_the_pointer(d)
            keyboard_focus(d)
            play_a_set(d, p)
            play_a_counted_set(d, p)
            error_box_for_a_missing_picture(d, built, p)
            answer_by_touch(d, site, p)
            answer_in_writing(d, p)
            play_offline(d, site, p)
        finally:
            d.quit()
            site.stop()
    print("web.play: passed")


if __name__ == "__main__":
    main(*sys.argv[1:])
