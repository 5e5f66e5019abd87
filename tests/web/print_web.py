# Worksheets from the page, printed to PDF by the browser: the print button of the drill against
# the generator's problems, and the teacher's class sets against mogran-worksheets.
# usage: print_web.py SITE PROBLEMSET WORKSHEETS
import base64
import re
import subprocess
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from browser import Site, chromium, open_drill, text, wait_for

SITE, PROBLEMSET, WORKSHEETS = sys.argv[1:4]
TMP = tempfile.TemporaryDirectory()
NOW = 1711963812345  # 2024-04-01 09:30:12.345 UTC: the drill's random state is 34212345
# The clock stands still, and the print dialog only counts its calls.
PAGE_SETUP = f"Date.now = () => {NOW}; window.printCalls = 0; window.print = () => {{ window.printCalls++; }};"


def pdf_of(driver):
    data = driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]
    path = tempfile.mktemp(suffix=".pdf", dir=TMP.name)
    with open(path, "wb") as f:
        f.write(base64.b64decode(data))
    return path


def info(pdf, field):
    return re.search(rf"^{field}:\s+(.*)", subprocess.run(["pdfinfo", pdf], capture_output=True,
                                                         text=True).stdout, re.M).group(1)


def pages(pdf):
    return [subprocess.run(["pdftotext", "-raw", "-f", str(p), "-l", str(p), pdf, "-"], capture_output=True,
                           text=True).stdout for p in range(1, int(info(pdf, "Pages")) + 1)]


def words(pdf):
    """Every word with the top-left corner of its box, in points."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True).stdout
    return re.findall(r'xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<', html)


def expected_pages(kind, state, count):
    """The problem sheets, then the answer sheets, as the generator's lines give them."""
    rows = subprocess.run([PROBLEMSET, str(kind), str(state)], capture_output=True, text=True).stdout
    sets = [(r.split()[10], r.split()[9]) for r in rows.splitlines()[:count]]
    result = []
    for answers in (False, True):
        for first in range(0, count, 20):
            lines = [f"{t} ＝{a if answers else ''}" for t, a in sets[first:first + 20]]
            pairs = [" ".join(lines[i:i + 2]) for i in range(0, len(lines), 2)]
            result.append("\n".join(["なまえ", *pairs]) + "\n\f")
    return result


def dialog(driver):
    box = wait_for("a message box", lambda: driver.execute_script(
        "return document.querySelector('#MessageBox[open]')"))
    return (box.find_element(By.CLASS_NAME, "caption").text,
            box.find_element(By.CLASS_NAME, "text").get_attribute("textContent"),
            [b.text for b in box.find_elements(By.CSS_SELECTOR, ".buttons button")])


def print_button(driver, url, pdf_of=pdf_of):
    open_drill(driver, url)
    driver.find_element(By.CSS_SELECTOR, "#CheckBox1 input").click()
    wait_for("the count box", lambda: driver.find_element(By.ID, "InputBox").get_attribute("open"))
    driver.switch_to.active_element.send_keys("21", Keys.ENTER)  # the default text is selected
    wait_for("the count", lambda: text(driver, "Edit3") == "21")
    driver.find_element(By.ID, "BitBtn1").click()
    assert dialog(driver) == ("警告", "このボタンは　もんだいを いんさつするボタンです。\n\nいんさつしますか？",
                              ["はい(Y)", "いいえ(N)"]), dialog(driver)
    driver.switch_to.active_element.send_keys(Keys.ENTER)
    wait_for("the print dialog", lambda: driver.execute_script("return window.printCalls") == 1)
    assert text(driver, "Edit6") == "こたえをいれてリターン。", text(driver, "Edit6")
    printed = pages(pdf_of(driver))
    assert printed == expected_pages(1, 34212345, 21), printed

    # Answered right, problem 2 is shown; dialog 1 declined gives problem 1 of a fresh set.
    driver.find_element(By.CSS_SELECTOR, "#CheckBox1 input").click()
    driver.find_element(By.ID, "Edit2").send_keys(printed[2].split()[2].lstrip("＝"), Keys.ENTER)
    wait_for("problem 2", lambda: text(driver, "Edit4") == "2")
    driver.find_element(By.ID, "BitBtn1").click()
    assert dialog(driver) == ("情報", "このボタンは、もんだいをいんさつするボタンです。\n\nもんだいすうをきめてからえらんでください",
                              ["OK"]), dialog(driver)
    driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    wait_for("a fresh set", lambda: text(driver, "Edit4") == "1" and text(driver, "Edit3") == "100")
    assert driver.execute_script("return window.printCalls") == 1
    assert pages(pdf_of(driver)) == printed, "the last sheets are not kept"
    # The close box gives Cancel: dialog 2 follows; いいえ prints nothing.
    driver.find_element(By.ID, "BitBtn1").click()
    wait_for("dialog 1", lambda: dialog(driver)[0] == "情報")
    driver.find_element(By.CSS_SELECTOR, "#MessageBox .close").click()
    wait_for("dialog 2", lambda: dialog(driver)[0] == "警告")
    driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    wait_for("no print", lambda: not driver.execute_script("return document.querySelector('dialog[open]')")
             and driver.execute_script("return window.printCalls") == 1)


def fill(driver, **fields):
    for name, value in fields.items():
        driver.find_element(By.ID, name).clear()
        driver.find_element(By.ID, name).send_keys(value)
    driver.find_element(By.ID, "PrintSets").click()


def class_sets(driver, url, tmp=TMP.name):
    driver.get(url + "teacher.html")
    wait_for("the form", lambda: driver.execute_script("return document.documentElement.dataset.run"))
    fill(driver, Count="101", Sets="0", Seed="4294967296")
    assert [text(driver, f"{field}Message") for field in ("Count", "Sets", "Seed")] == [
        "1組のもんだいすうは 1～100 の整数で入れてください。", "組のかずは 1～200 の整数で入れてください。",
        "乱数の番号は 0～4294967295 の整数で入れてください。"]
    assert driver.execute_script("return window.printCalls") == 0 and text(driver, "Status") == ""
    assert driver.switch_to.active_element.get_attribute("id") == "Count"
    Select(driver.find_element(By.ID, "Kind")).select_by_value("8")
    Select(driver.find_element(By.ID, "Paper")).select_by_value("B5")
    fill(driver, Count="21", Sets="3", Seed="4294967295")
    assert text(driver, "CountMessage") == "" and driver.execute_script("return window.printCalls") == 1
    web = pdf_of(driver)
    fill(driver, Seed="")  # from the clock, and shown
    assert re.fullmatch(r"\d+", driver.find_element(By.ID, "Seed").get_attribute("value"))
    subprocess.run([WORKSHEETS, "--kind", "8", "--count", "21", "--sets", "3", "--seed", "4294967295",
                    "--paper", "B5", "--output", f"{tmp}/class.pdf"], check=True)
    desktop = pages(f"{tmp}/class.pdf")
    assert len(desktop) == 12 and pages(web) == desktop, pages(web)
    size = lambda pdf: [float(v) for v in info(pdf, "Page size").split()[0:3:2]]  # noqa: E731
    # The browser rounds the page to its own units: B5's 729 points come out 729.12.
    assert all(abs(a - b) < 0.2 for a, b in zip(size(web), size(f"{tmp}/class.pdf"))), size(web)
    # Every word where the desktop's PDF has it, to the device pixel (1/1200 inch = 0.06 pt).
    for (x, y, word), (dx, dy, dword) in zip(words(web), words(f"{tmp}/class.pdf"), strict=True):
        assert word == dword and abs(float(x) - float(dx)) < 0.03 and abs(float(y) - float(dy)) < 0.03, \
            (word, x, y, dx, dy)


def main():
    site = Site(SITE)
    driver = chromium(f"{TMP.name}/profile")
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PAGE_SETUP})
        print_button(driver, site.url)
        class_sets(driver, site.url)
    finally:
        driver.quit()
        site.stop()
        TMP.cleanup()
    print("print_web: passed")


if __name__ == "__main__":
    main()
