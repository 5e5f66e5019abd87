# Plays the drill in the page in headless Chromium through real key, touch and input-method
# events and checks what the controls show. The page's clock is fixed, so every set holds the
# problems mogran-problemset prints for the same random state.
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

from browser import Site, chromium, colour, open_drill, text, wait_for

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
    start_set(d)
    for key in [*str(p[0][0]), "Enter"]:
        if key == "Enter":
            check(d, Edit2=str(p[0][0]))
        tap(d, d.find_element(By.CSS_SELECTOR, f"#Pad [data-key='{key}']"))
        focused(d, "Edit2")
    check(d, Edit4="2", Edit6=RIGHT, Edit1=p[1][1])


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
            play_offline(d, site, p)
        finally:
            d.quit()
            site.stop()
    print("web.play: passed")


if __name__ == "__main__":
    main(*sys.argv[1:])
