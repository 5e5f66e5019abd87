# Types right answers into the program with fcitx5 and Mozc switched to Japanese; each must
# be judged right at the first Enter.
import subprocess
import sys

import pyatspi

import window_reader
from window_reader import answer, named, text, wait_for


def fail(why):
    if program:
        program.kill()
    fcitx.terminate()
    with open("fcitx5.log") as log:
        sys.exit(f"FAIL: {why}\n{log.read()[-2000:]}")


window_reader.fail = fail


def run(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout.strip()


fcitx = subprocess.Popen(["fcitx5"], stdout=subprocess.DEVNULL, stderr=open("fcitx5.log", "w"))
program = None


def loaded():  # Mozc's addon is in and the input method answers on the bus
    with open("fcitx5.log") as log:
        return "Loaded addon mozc" in log.read() and run("fcitx5-remote") in ("1", "2")


# The program comes up only once the input method is there to take its input context.
wait_for("fcitx5 with Mozc to start", loaded)
program = subprocess.Popen([sys.argv[1]])
window = wait_for("the window", lambda: run("xdotool", "search", "--onlyvisible", "--classname", "^mogran$"))
run("xdotool", "windowfocus", "--sync", window.split()[0])


def japanese():  # asks again until the window's input context has come up
    run("fcitx5-remote", "-o")
    run("fcitx5-remote", "-s", "mozc")
    return run("fcitx5-remote") == "2" and run("fcitx5-remote", "-n") == "mozc"


wait_for(lambda: f"Mozc switched on: {run('fcitx5-remote')} {run('fcitx5-remote', '-n')}", japanese)
start = wait_for("the start button", lambda: named("スタート"))
x, y, w, h = start.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
run("xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1")
for number in range(1, 4):
    wait_for(f"problem {number}", lambda: text("なんもんめ") == str(number) and text("こたえ") == "")
    typed = answer()
    run("xdotool", "type", "--delay", "100", typed)
    run("xdotool", "key", "Return")
    wait_for(lambda: f"{typed} judged right, shown: {text('メッセージ')}, {text('こたえ')!r}",
             lambda: text("メッセージ") == "せいかいです！" and text("なんもんめ") == str(number + 1))
if run("fcitx5-remote") != "2":
    fail("the input method was switched off while the answers were typed")
program.kill()
fcitx.terminate()
fcitx.wait()
print("PASS: right answers typed with Mozc on in Japanese are judged right at the first Enter")
