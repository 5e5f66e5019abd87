#!/usr/bin/python3
"""Class sets from the teacher's page in headless Chromium: 40 sets of 100 problems, 400 pages.
Times each run from the click on the print button to the call of the browser's print dialog
(stubbed here to note the time), and once the browser's own PDF of the pages. Not a test;
prints the figures.
usage: bench/web_print.py [built site folder] [runs]"""
import base64
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from browser import Site, chromium, wait_for  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

here = os.path.dirname(os.path.abspath(__file__))
site_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "build-web", "site")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10

site = Site(site_dir)
profile = tempfile.TemporaryDirectory(prefix="mogran-profile-")
driver = chromium(profile.name)
try:
    driver.get(site.url + "teacher.html")
    wait_for("the form", lambda: driver.execute_script("return document.documentElement.dataset.run"))
    driver.execute_script("""
        window.print = () => { window.printedAt = performance.now(); };
        document.getElementById('PrintSets').addEventListener('click',
            () => { window.clickedAt = performance.now(); }, { capture: true });""")
    for name, value in (("Count", "100"), ("Sets", "40"), ("Seed", "20240401")):
        driver.find_element(By.ID, name).clear()
        driver.find_element(By.ID, name).send_keys(value)
    times = []
    for _ in range(runs):
        driver.execute_script("window.printedAt = null;")
        driver.find_element(By.ID, "PrintSets").click()
        wait_for("the print dialog", lambda: driver.execute_script("return window.printedAt"), 30)
        times.append(driver.execute_script("return window.printedAt - window.clickedAt"))
    sheets = driver.execute_script("return document.querySelectorAll('#Sheets svg').length")
    assert sheets == 400, f"{sheets} sheets instead of 400"
    start = time.monotonic()
    pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
    pdf_seconds = time.monotonic() - start
finally:
    driver.quit()
    site.stop()
    profile.cleanup()

print(f"runs: {runs}")
print("40 sets of 100 problems, 400 pages, click to print dialog, ms:",
      " ".join(f"{t:.0f}" for t in times))
print(f"median ms: {statistics.median(times):.0f}\nmax ms: {max(times):.0f}")
print(f"the browser's PDF of the 400 pages: {pdf_seconds:.2f} s, {len(pdf)} bytes")
