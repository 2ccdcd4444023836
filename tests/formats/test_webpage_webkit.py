#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The exported web page in WebKit, the engine of Safari: WebKitGTK's
# MiniBrowser driven by WebKitWebDriver on a virtual X display, with a
# proxy that leads nowhere. The page loads with no script error, every grid
# square is an input, a letter typed in an answer reaches its grid square,
# typing every answer solves the puzzle, a reload keeps the letters, Clear
# asks first (in its dialog, or with the browser's own question where there
# are no dialogs), nothing overlaps in a narrow window, and its screenshot
# shows the puzzle.
#
#   test_webpage_webkit.py QUOTABRIX EXAMPLES_DIR
#
# Exits 77 (skipped) when WebKitWebDriver, MiniBrowser or xvfb-run is not
# installed. QBRX_KEEP_SCREENSHOT=FILE keeps the desktop-width screenshot.
import base64
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import warnings

DRIVER = shutil.which("WebKitWebDriver")
BROWSER = next(iter(sorted(glob.glob("/usr/lib/*/webkit2gtk-4.*/MiniBrowser")
                           + glob.glob("/usr/libexec/webkit2gtk-4.*/MiniBrowser"))), None)
if not DRIVER or not BROWSER:
    print("WebKitWebDriver or MiniBrowser is not installed")
    sys.exit(77)

# MiniBrowser is a GTK window: the test runs on a display of its own. It
# draws without OpenGL there: WebKit's compositing thread now and then
# crashes inside Mesa's software renderer on Xvfb ("WebProcess CRASHED").
os.environ["WEBKIT_DISABLE_COMPOSITING_MODE"] = "1"
if not os.environ.get("QBRX_WEBKIT_XVFB"):
    if not shutil.which("xvfb-run"):
        print("xvfb-run is not installed")
        sys.exit(77)
    os.environ["QBRX_WEBKIT_XVFB"] = "1"
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1600x1200x24", sys.executable] + sys.argv)

from selenium import webdriver  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402
from selenium.webdriver.webkitgtk.options import Options  # noqa: E402
from webchecks import LINES_SCRIPT, OVERLAPS_SCRIPT, TAGS_SCRIPT, SolvingChecks, read_puzzle  # noqa: E402

PROGRAM = sys.argv[1]
EXAMPLES = sys.argv[2]

# WebKitWebDriver has no console log to read, so a copy of the page gets a
# script in front of its own, ahead of its security policy, that writes down
# every uncaught error, rejected promise and refusal by the policy. WebKit
# hides the text of an error in a page opened from a file ("Script error."),
# so the list says that something failed; Chromium's test says what.
ERRORS_HOOK = """<script>
window.qbrxErrors = [];
addEventListener('error', (e) => qbrxErrors.push(e.message + ' (' + e.filename + ':' + e.lineno + ')'));
addEventListener('unhandledrejection', (e) => qbrxErrors.push('unhandled rejection: ' + e.reason));
document.addEventListener('securitypolicyviolation', (e) => qbrxErrors.push('refused: ' + e.violatedDirective));
%s</script>
"""
# As in Safari before 15.4, which has no <dialog>.
NO_DIALOGS = "delete HTMLDialogElement.prototype.showModal;\n"


def export(directory, name, prelude=""):
    """The exported page with the error hook (and prelude) in front; its file URL."""
    plain = os.path.join(directory, "exported.html")
    subprocess.run([PROGRAM, "--html", plain, "--seed", "5", os.path.join(EXAMPLES, "walden.dat")], check=True)
    with open(plain, encoding="utf-8") as f:
        html = f.read()
    head = '<meta charset="utf-8">\n'
    assert head in html
    path = os.path.join(directory, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(html.replace(head, head + ERRORS_HOOK % prelude, 1))
    return "file://" + path


class WebPageInWebKit(SolvingChecks, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        cls.page = export(cls.dir, "walden.html")
        cls.no_dialogs = export(cls.dir, "walden-no-dialogs.html", NO_DIALOGS)
        cls.quotation, cls.answers = read_puzzle(os.path.join(EXAMPLES, "walden.dat"))
        options = Options()
        options.binary_location = BROWSER
        for arg in ("--automation", "--proxy=http://127.0.0.1:9"):
            options.add_argument(arg)
        with warnings.catch_warnings():  # Selenium's WebKitGTK class still passes capabilities the old way
            warnings.simplefilter("ignore", DeprecationWarning)
            cls.browser = webdriver.WebKitGTK(executable_path=DRIVER, options=options)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def setUp(self):
        # The page afresh, with nothing saved.
        self.resize(1280, 900)
        self.open(self.page)
        self.js("localStorage.clear()")
        self.reload()

    def resize(self, width, height):
        """Resizes the window and waits for the page to be drawn at that width:
        the window changes in its own time, and the page's layout in the
        next frame after that."""
        self.browser.set_window_size(width, height)
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return window.innerWidth === arguments[0]", width))
        self.next_frame()

    def next_frame(self):
        """Waits until the page has been drawn once more: a screenshot shows
        the last frame drawn, which may be from before the last change."""
        self.browser.execute_async_script(
            "const done = arguments[0]; requestAnimationFrame(() => requestAnimationFrame(done))")

    def built(self):
        """Waits until the page has drawn all its questions (it draws the grid first)."""
        WebDriverWait(self.browser, 10).until(lambda b: b.execute_script(
            "return !document.getElementById('clues').hasAttribute('aria-busy')"
            " && document.querySelectorAll('#questions li').length === arguments[0]", len(self.answers)))

    def open(self, url):
        self.browser.get(url)
        self.built()

    def reload(self):
        self.browser.refresh()
        self.built()

    def open_without_dialogs(self):
        self.open(self.no_dialogs)

    def tearDown(self):
        # No script error in whatever the test did.
        self.assertEqual(self.js("return qbrxErrors"), [])

    def test_loads_without_script_errors(self):
        self.assertEqual(self.js("return qbrxErrors"), [])
        self.assertEqual(self.state(), "solving")

    def test_squares_tagged_and_nothing_overlapping_in_a_wide_then_narrow_window(self):
        letters = len([c for c in self.quotation if c.isalpha()])
        self.assertEqual(self.js("return document.getElementById('grid').className"), "rect")
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        # MiniBrowser's window is at least about 450 px wide.
        self.resize(450, 800)
        self.assertEqual(self.js("return document.getElementById('grid').className"), "lines")
        self.assertEqual(self.js(OVERLAPS_SCRIPT), [])
        width = self.js("return window.innerWidth")
        self.assertLessEqual(self.js("return document.documentElement.scrollWidth"), width)
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        self.assertEqual(self.js(LINES_SCRIPT)[1], [])

    @unittest.skipUnless(shutil.which("convert"), "ImageMagick's convert is not installed")
    def test_screenshot_shows_the_puzzle(self):
        self.box("#clue-B input").send_keys("def")  # a question in use, as in the other screenshots
        self.next_frame()
        shot = os.path.join(self.dir, "webkit.png")
        with open(shot, "wb") as f:
            f.write(base64.b64decode(self.browser.get_screenshot_as_base64()))
        # Question B in the picture: its text, its boxes and the letters typed.
        area = self.js("const r = document.getElementById('clue-B').getBoundingClientRect(),"
                       " s = devicePixelRatio; return [r.width * s, r.height * s, r.left * s, r.top * s]"
                       ".map(Math.round)")
        colours = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % tuple(area), "-format", "%k", "info:"],
                                 capture_output=True, text=True, check=True)
        self.assertGreater(int(colours.stdout), 16)  # a blank or not yet drawn question has one or two
        if os.environ.get("QBRX_KEEP_SCREENSHOT"):
            shutil.copy(shot, os.environ["QBRX_KEEP_SCREENSHOT"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
