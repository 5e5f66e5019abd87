# The page in WebKitGTK, the engine closest to the iPads' browsers: a counted set played to its
# score with keys, the count box and the error boxes, Tab around the window, the design's
# colours, the printer button's and the teacher's sheets printed by WebKit to PDF on each
# paper, and the offline reload. Held keys, input-method compositions, touch and the hints need
# the DevTools protocol and are left to play_web.py in Chromium.
# usage: webkit_web.py SITE PROBLEMSET WORKSHEETS
import os
import re
import subprocess
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from browser import MINIBROWSER, WEBKIT_DRIVER, Site, WebKit, colour, expected_pages, info, open_drill, \
    pages, wait_for
from play_web import CLOCK, STATE, check, error_box_for_a_missing_picture, keyboard_focus, play_a_counted_set, \
    play_offline, problems

PRINTER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "webkit_print.py")
# The print dialog only counts its calls; the clock stands still.
AFTER_START = CLOCK + "window.printCalls = 0; window.print = () => { window.printCalls++; };"
MM = {"A4": (210, 297), "B5": (182, 257), "Letter": (215.9, 279.4)}
GTK_PAPER = {"A4": "iso_a4", "B5": "jis_b5", "Letter": "na_letter"}


def laid_out(d, paper, count):
    """The sheets the page holds for printing: their number, and their page size in mm."""
    assert d.execute_script("return window.printCalls") == 1
    assert len(d.find_elements(By.CSS_SELECTOR, "#Sheets .sheet")) == count
    size = re.search(r"size: ([\d.]+)in ([\d.]+)in", d.execute_script(
        "return document.getElementById('SheetPage').textContent")).groups()
    assert all(abs(float(inches) * 25.4 - mm) < 0.25 for inches, mm in zip(size, MM[paper])), size


def printed(d, url, tmp, paper, margins):
    """The page's sheets printed by WebKit on a paper, within no margins or the usual ones."""
    document = f"{tmp}/printed.html"
    with open(document, "w", encoding="utf-8") as f:
        f.write(d.execute_script("const page = document.documentElement.cloneNode(true);"
                                 "page.querySelectorAll('script').forEach((s) => s.remove());"
                                 "return '<!doctype html>' + page.outerHTML;"))
    pdf = f"{tmp}/{paper}-{margins}.pdf"
    subprocess.run(["/usr/bin/python3", PRINTER, document, url, pdf, GTK_PAPER[paper], margins],
                   check=True, timeout=60)
    size = [float(v) * 25.4 / 72 for v in info(pdf, "Page size").split()[0:3:2]]
    assert all(abs(a - b) < 0.5 for a, b in zip(size, MM[paper])), (paper, size)
    return pages(pdf)


def printer_button(d, url, tmp, problemset):
    open_drill(d, url)
    d.find_element(By.CSS_SELECTOR, "#CheckBox1 input").click()
    wait_for("the count box", lambda: d.find_element(By.ID, "InputBox").get_attribute("open"))
    d.switch_to.active_element.send_keys("21", Keys.ENTER)
    check(d, Edit3="21")
    d.find_element(By.ID, "BitBtn1").click()
    wait_for("the print question", lambda: d.execute_script("return document.querySelector('#MessageBox[open]')"))
    d.switch_to.active_element.send_keys(Keys.ENTER)
    wait_for("the print", lambda: d.execute_script("return window.printCalls") == 1)
    laid_out(d, "A4", 4)
    wanted = expected_pages(problemset, 1, STATE, 21)
    # On its own paper the sheet fills the page; on Letter within margins it is shrunk whole.
    for paper, margins in (("A4", "none"), ("Letter", "default")):
        sheets = printed(d, url, tmp, paper, margins)
        assert sheets == wanted, (paper, margins, sheets)


def class_sets(d, url, tmp, worksheets):
    d.get(url + "teacher.html")
    wait_for("the form", lambda: d.execute_script("return document.documentElement.dataset.run"))
    d.execute_script(AFTER_START)
    Select(d.find_element(By.ID, "Paper")).select_by_value("B5")
    for name, value in (("Count", "21"), ("Sets", "2"), ("Seed", "7")):
        d.find_element(By.ID, name).clear()
        d.find_element(By.ID, name).send_keys(value)
    d.find_element(By.ID, "PrintSets").click()
    wait_for("the print", lambda: d.execute_script("return window.printCalls") == 1)
    laid_out(d, "B5", 8)
    subprocess.run([worksheets, "--kind", "1", "--count", "21", "--sets", "2", "--seed", "7", "--paper", "B5",
                    "--output", f"{tmp}/class.pdf"], check=True)
    desktop = pages(f"{tmp}/class.pdf")
    for paper, margins in (("B5", "default"), ("A4", "none")):
        sheets = printed(d, url, tmp, paper, margins)
        assert sheets == desktop, (paper, margins, sheets)


def design_colours(d):
    """The window in the desktop's colours, not the engine's own, and a 1 px focus frame."""
    d.execute_script("document.getElementById('Edit2').focus()")
    wanted = {("Form1", "background-color"): "rgb(239, 239, 239)", ("Button1", "color"): "rgb(0, 0, 0)",
              ("Button1", "border-top-color"): "rgb(171, 171, 171)", ("Edit2", "background-color"):
              "rgb(255, 255, 255)", ("Edit2", "outline-color"): "rgb(38, 112, 158)"}
    seen = {key: colour(d, *key) for key in wanted}
    assert seen == wanted, seen
    ring = [d.find_element(By.ID, "Edit2").value_of_css_property(p) for p in ("outline-style", "outline-width")]
    assert ring == ["solid", "1px"], ring


def main(built, problemset, worksheets):
    missing = [path for path in (MINIBROWSER, WEBKIT_DRIVER) if not os.path.exists(path)]
    if missing:
        print(f"web.webkit: skipped: WebKitGTK is not installed ({', '.join(missing)} missing;"
              " Debian's webkit2gtk-driver brings both)")
        sys.exit(77)
    p = problems(problemset)
    site = Site(built)
    browser = WebKit()
    d = browser.driver
    d.after_start = AFTER_START
    try:
        with tempfile.TemporaryDirectory(prefix="mogran-webkit-") as tmp:
            open_drill(d, site.url)
            check(d, Edit6="もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。", Edit1="もんだい", Edit2="こたえ")
            design_colours(d)
            keyboard_focus(d)
            play_a_counted_set(d, p)
            error_box_for_a_missing_picture(d, built, p)
            printer_button(d, site.url, tmp, problemset)
            class_sets(d, site.url, tmp, worksheets)
            play_offline(d, site, p)
    finally:
        browser.quit()
        site.stop()
    print("web.webkit: passed")


if __name__ == "__main__":
    main(*sys.argv[1:4])
