# Prints a page's document to PDF with WebKitGTK's own print operation, as WebKit prints to
# paper: laid out on the paper and within the margins of the page set-up, whatever the page's
# @page rule asks. WebKit's WebDriver has no print command, so the browser test hands over the
# document it has laid out.
# usage: webkit_print.py DOCUMENT.html BASE-URL OUTPUT.pdf PAPER MARGINS
#   PAPER is GTK's paper name (iso_a4, jis_b5, na_letter); MARGINS "none", or "default" for
#   the paper's usual printer margins.
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gtk, WebKit2  # noqa: E402


def main(document, base, output, paper, margins):
    view = WebKit2.WebView()
    window = Gtk.OffscreenWindow()
    window.add(view)
    window.show_all()
    failure = []

    def print_page():
        settings = Gtk.PrintSettings()
        settings.set_printer("Print to File")
        settings.set(Gtk.PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf")
        settings.set(Gtk.PRINT_SETTINGS_OUTPUT_URI, f"file://{output}")
        setup = Gtk.PageSetup()
        setup.set_paper_size_and_default_margins(Gtk.PaperSize.new(paper))
        if margins == "none":
            for side in ("top", "bottom", "left", "right"):
                getattr(setup, f"set_{side}_margin")(0, Gtk.Unit.MM)
        operation = WebKit2.PrintOperation.new(view)
        operation.set_print_settings(settings)
        operation.set_page_setup(setup)
        operation.connect("failed", lambda _, error: failure.append(error.message))
        operation.connect("finished", lambda _: Gtk.main_quit())
        operation.print_()

    def loaded(_, event):
        if event == WebKit2.LoadEvent.FINISHED:
            print_page()

    view.connect("load-changed", loaded)
    with open(document, encoding="utf-8") as f:
        view.load_html(f.read(), base)
    Gtk.main()
    if failure:
        sys.exit(f"webkit_print: {failure[0]}")


if __name__ == "__main__":
    main(*sys.argv[1:6])
