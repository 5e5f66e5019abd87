# The page in WebKitGTK, the engine closest to the iPads' browsers: the design's colours, Tab
# around the window, a counted set played to its score with keys, the count and error boxes,
# an answer written on the pad, the printer button's and the teacher's sheets printed by WebKit
# on each paper, and the offline reload. Held keys, input-method compositions, touch, the hints
# and the class sets' positions against the desktop's PDF need the DevTools protocol and are
# left to the Chromium tests.
# usage: webkit_web.py SITE PROBLEMSET WORKSHEETS (the arguments of print_web.py, whose parts it runs)
import os
import re
import subprocess
import sys

from selenium.webdriver.common.action_chains import ActionBuilder
from selenium.webdriver.common.by import By

from browser import MINIBROWSER, WEBKIT_DRIVER, Site, colour, open_drill, wait_for, webkit
from play_web import CLOCK, RIGHT, check, error_box_for_a_missing_picture, first_samples, keyboard_focus, \
    play_a_counted_set, play_offline, problems, start_set, write
from print_web import PAGE_SETUP, TMP, WORKSHEETS, fill, info, pages, print_button

# Paper, GTK's name for it, its size in mm, and whether the usual printer margins are kept.
PAPERS = [("A4", "iso_a4", (210, 297), False), ("B5", "jis_b5", (182, 257), True),
          ("Letter", "na_letter", (215.9, 279.4), True)]


def webkit_print(document, base, output, paper, margins):
    """WebKit's own print operation, as it prints to paper: on the page set-up's paper and
    within its margins, whatever the document's @page rule asks. WebKit's WebDriver has no
    print command, so the document the page has laid out is printed in a view of its own.
    GTK is loaded here, once DISPLAY names the test's X server."""
    import gi
    gi.require_version("Gtk", "3.0")
    gi.require_version("WebKit2", "4.1")
    from gi.repository import Gtk, WebKit2
    view, window = WebKit2.WebView(), Gtk.OffscreenWindow()
    window.add(view)
    window.show_all()
    settings, setup = Gtk.PrintSettings(), Gtk.PageSetup()
    settings.set_printer("Print to File")
    settings.set(Gtk.PRINT_SETTINGS_OUTPUT_URI, f"file://{output}")
    setup.set_paper_size_and_default_margins(Gtk.PaperSize.new(paper))
    for side in () if margins else ("top", "bottom", "left", "right"):
        getattr(setup, f"set_{side}_margin")(0, Gtk.Unit.MM)
    operation = WebKit2.PrintOperation.new(view)
    operation.set_print_settings(settings)
    operation.set_page_setup(setup)
    operation.connect("finished", lambda _: Gtk.main_quit())
    view.connect("load-changed", lambda _, event: event == WebKit2.LoadEvent.FINISHED and operation.print_())
    view.load_html(document, base)
    Gtk.main()
    window.destroy()


def printed_by_webkit(d):
    """The sheets as the page lays them out, each printed on a page of its own on every paper:
    the chosen paper's sheets at their size on A4 without margins, shrunk whole on B5 and
    Letter within margins. Gives the A4 print."""
    document = d.execute_script("const page = document.documentElement.cloneNode(true);"
                                "page.querySelectorAll('script').forEach((s) => s.remove());"
                                "return '<!doctype html>' + page.outerHTML;")
    inches = re.search(r"size: ([\d.]+)in ([\d.]+)in", d.execute_script(
        "return document.getElementById('SheetPage').textContent")).groups()
    assert all(abs(float(i) * 25.4 - mm) < 0.25 for i, mm in zip(inches, PAPERS[0][2])), inches
    sheets = len(d.find_elements(By.CSS_SELECTOR, "#Sheets .sheet"))
    prints = []
    for name, paper, mm, margins in PAPERS:
        prints.append(f"{TMP.name}/{name}.pdf")
        webkit_print(document, d.current_url, prints[-1], paper, margins)
        size = [float(v) * 25.4 / 72 for v in info(prints[-1], "Page size").split()[0:3:2]]
        assert all(abs(a - b) < 0.5 for a, b in zip(size, mm)), (name, size)
        assert len(pages(prints[-1])) == sheets and pages(prints[-1]) == pages(prints[0]), name
    return prints[0]


def class_sets(d, url):
    """The teacher's sheets, printed by WebKit on each paper, as mogran-worksheets writes them."""
    d.get(url + "teacher.html")
    wait_for("the form", lambda: d.execute_script("return document.documentElement.dataset.run"))
    d.execute_script(PAGE_SETUP)
    fill(d, Count="21", Sets="2", Seed="7")
    subprocess.run([WORKSHEETS, "--count", "21", "--sets", "2", "--seed", "7", "--output", f"{TMP.name}/class.pdf"],
                   check=True)
    assert pages(printed_by_webkit(d)) == pages(f"{TMP.name}/class.pdf")


def design_colours(d):
    """The window in the desktop's colours, not the engine's own, and a 1 px focus frame."""
    d.execute_script("document.getElementById('Edit2').focus()")
    wanted = {("Form1", "background-color"): "rgb(239, 239, 239)", ("Button1", "color"): "rgb(0, 0, 0)",
              ("Button1", "border-top-color"): "rgb(171, 171, 171)", ("Edit2", "background-color"):
              "rgb(255, 255, 255)", ("Edit2", "outline-color"): "rgb(38, 112, 158)"}
    seen = {key: colour(d, *key) for key in wanted}
    ring = [d.find_element(By.ID, "Edit2").value_of_css_property(p) for p in ("outline-style", "outline-width")]
    assert seen == wanted and ring == ["solid", "1px"], (seen, ring)


def mouse_dot(d, pen, phase, x, y):
    """A point of a stroke going down (0), on (1) or up (2), with the mouse: the only pointer
    WebKitGTK's driver has."""
    actions = ActionBuilder(d, duration=0)
    actions.pointer_action.move_to_location(round(x), round(y))
    if phase != 1:
        (actions.pointer_action.pointer_down if phase == 0 else actions.pointer_action.pointer_up)()
    actions.perform()


def answer_in_writing(d, p):
    """The writing pad comes at the first pen event (one made by the page's own script here, as
    the driver has no pen); the mouse then writes in its boxes as a pen does."""
    d.execute_script("document.dispatchEvent(new PointerEvent('pointerdown', {pointerType: 'pen'}))")
    wait_for("the writing face", d.find_element(By.ID, "Ink1").is_displayed)
    start_set(d)
    samples = first_samples()
    write(d, [samples[c] for c in str(p[0][0])], dot=mouse_dot)
    d.find_element(By.ID, "InkEnter").click()
    check(d, Edit6=RIGHT, Edit4="2")


def main(built, problemset):
    missing = [path for path in (MINIBROWSER, WEBKIT_DRIVER) if not os.path.exists(path)]
    if missing:
        print(f"web.webkit: skipped: WebKitGTK is not installed ({', '.join(missing)} missing;"
              " Debian's webkit2gtk-driver brings both)")
        sys.exit(77)
    p = problems(problemset)
    site = Site(built)
    with subprocess.Popen(["Xvfb", "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0",
                           "1024x768x24"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True) as xvfb:
        d = webkit(xvfb)
        # The driver runs no script before the page's own: the clock is fixed once it has started.
        d.after_start = CLOCK
        try:
            open_drill(d, site.url)
            check(d, Edit6="もんだいをえらんでｽﾀｰﾄﾎﾞﾀﾝ。", Edit1="もんだい", Edit2="こたえ")
            design_colours(d)
            keyboard_focus(d)
            play_a_counted_set(d, p)
            error_box_for_a_missing_picture(d, built, p)
            answer_in_writing(d, p)
            d.after_start = PAGE_SETUP
            print_button(d, site.url, printed_by_webkit)
            class_sets(d, site.url)
            d.after_start = CLOCK
            play_offline(d, site, p)
        finally:
            d.quit()
            xvfb.terminate()
            site.stop()
            TMP.cleanup()
    print("web.webkit: passed")


if __name__ == "__main__":
    main(*sys.argv[1:3])
