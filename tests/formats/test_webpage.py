#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The exported web page, solved in headless Chromium as a student would:
# the page comes from the real program (quotabrix --html), Chromium runs
# with every host name unresolvable and a proxy that leads nowhere, and the
# page must not even try to reach out.
#
#   test_webpage.py QUOTABRIX EXAMPLES_DIR
#
# Exits 77 (skipped) when Chromium or its driver is not installed.
import base64
import contextlib
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

CHROMIUM = shutil.which("chromium") or shutil.which("chromium-browser")
DRIVER = shutil.which("chromedriver")
if not CHROMIUM or not DRIVER:
    print("chromium or chromedriver is not installed")
    sys.exit(77)

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402
from webchecks import LINES_SCRIPT, OVERLAPS_SCRIPT, TAGS_SCRIPT, SolvingChecks, read_puzzle

PROGRAM = sys.argv[1]
EXAMPLES = sys.argv[2]

# A page that gets no frames or timers: what it does before its first frame.
NO_FRAMES_OR_TIMERS = "window.requestAnimationFrame = () => 0; window.setTimeout = () => 0;"


def export(path, *options):
    subprocess.run([PROGRAM, "--html", path, "--seed", "5", *options, os.path.join(EXAMPLES, "walden.dat")],
                   check=True)
    return "file://" + path


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=http://127.0.0.1:9",
                "--proxy-bypass-list=<-loopback>", "--no-first-run", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile,
                "--window-size=1280,900"):
        options.add_argument(arg)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service(DRIVER), options=options)


class WebPage(SolvingChecks, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        cls.page = export(os.path.join(cls.dir, "walden.html"))
        cls.plain = export(os.path.join(cls.dir, "walden-plain.html"), "--no-reveal")
        cls.quotation, cls.answers = read_puzzle(os.path.join(EXAMPLES, "walden.dat"))
        cls.browser = start_browser(os.path.join(cls.dir, "profile"))

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def setUp(self):
        # The page afresh, with nothing saved.
        self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        if self.browser.current_url != self.page:
            self.browser.get(self.page)
        self.browser.execute_script("localStorage.clear()")
        self.reload()

    def built(self):
        """Waits until the page has drawn all its questions (it draws the grid first)."""
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return !document.getElementById('clues').hasAttribute('aria-busy')"))

    def reload(self):
        self.browser.refresh()
        self.built()

    def open(self, url):
        self.browser.get(url)
        self.built()

    @contextlib.contextmanager
    def run_first(self, source):
        """Runs SOURCE ahead of the page's own script on every load while in use."""
        script = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": source})
        try:
            yield
        finally:
            self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                         {"identifier": script["identifier"]})

    def open_without_dialogs(self):
        with self.run_first("delete HTMLDialogElement.prototype.showModal"):
            self.reload()

    def test_loads_offline_without_errors_or_requests(self):
        self.browser.get_log("browser")  # only a fresh load counts
        self.browser.get_log("performance")
        self.reload()
        errors = [e for e in self.browser.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
        self.assertEqual(errors, [])
        requests = []
        for entry in self.browser.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = message["params"]["request"]["url"]
                if url != self.page:
                    requests.append(url)
        self.assertEqual(requests, [])
        self.assertEqual(self.state(), "solving")

    def test_check_flags_a_wrong_letter_only(self):
        boxes = self.browser.find_elements(By.CSS_SELECTOR, "#clue-A input")
        letters = [c for c in self.answers[0].upper()]
        right = letters[-1]
        wrong = "Q" if letters[0] != "Q" else "X"
        boxes[0].send_keys(wrong)
        boxes[-1].send_keys(right)
        self.box("#check").click()
        self.assertEqual(boxes[0].get_attribute("aria-invalid"), "true")
        self.assertIsNone(boxes[-1].get_attribute("aria-invalid"))
        self.assertEqual(self.box("#status").text, "1 wrong letter is marked.")

    def test_clicking_and_typing_before_the_first_frame(self):
        # Saved letters and most of the grid's boxes come after the first
        # frame; a student who clicks and types before that (here the page
        # gets no frames or timers) loses no letter, and a click on the
        # last square lands in its box.
        self.box('#grid input[data-square="1"]').send_keys("k")
        with self.run_first(NO_FRAMES_OR_TIMERS):
            self.browser.refresh()
            last = self.browser.find_elements(By.CSS_SELECTOR, "#grid .letter")[-1]
            last.click()
            self.browser.switch_to.active_element.send_keys("m")
            self.box('#grid input[data-square="2"]').send_keys("z")
            self.assertEqual(self.box('#grid input[data-square="1"]').get_attribute("value"), "K")
            saved = json.loads(self.js("return Object.values(localStorage)[0]"))
            squares = str(len(self.browser.find_elements(By.CSS_SELECTOR, "#grid .letter")))
            self.assertEqual(saved, {"1": "K", "2": "Z", squares: "M"})

    def test_printing_at_once_prints_every_question(self):
        # Printed before the page has drawn its questions (it gets no frames
        # or timers here), the page still prints all of them.
        with open(os.path.join(EXAMPLES, "walden.dat"), encoding="cp1252") as f:
            last = [line[4:] for line in f.read().splitlines() if line[2:4] == "Q."][-1]
        with self.run_first(NO_FRAMES_OR_TIMERS):
            self.browser.refresh()
            pdf = base64.b64decode(self.browser.execute_cdp_cmd("Page.printToPDF", {})["data"])
        text = subprocess.run(["pdftotext", "-", "-"], input=pdf, capture_output=True, check=True).stdout
        self.assertIn(last, text.decode())

    def test_reveal_letter_gives_the_quotations_letter(self):
        answer = self.first_answer_box()
        answer.click()
        self.box("#reveal-letter").click()
        square = int(answer.get_attribute("data-square"))
        letter = [c for c in self.quotation if ord(c) >= 65][square - 1].upper()
        self.assertEqual(answer.get_attribute("value"), letter)

    def test_no_reveal_leaves_the_reveals_out(self):
        self.open(self.plain)
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, "#reveal-letter, #reveal-word"), [])
        self.assertTrue(self.box("#check").is_displayed())

    def test_keyboard_moves_on_and_back(self):
        boxes = self.browser.find_elements(By.CSS_SELECTOR, "#clue-A input")
        boxes[0].send_keys("a")
        self.assertEqual(self.js("return document.activeElement.getAttribute('aria-label')"),
                         boxes[1].get_attribute("aria-label"))
        boxes[1].send_keys(Keys.BACKSPACE)
        self.assertEqual(boxes[0].get_attribute("value"), "")
        boxes[0].send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.js("return document.activeElement.closest('li').id"), "clue-B")
        self.js("document.activeElement.blur()")
        boxes[2].send_keys(Keys.TAB)  # from question A's third box to question B
        self.assertEqual(self.js("return document.activeElement.closest('li').id"), "clue-B")
        self.js("document.activeElement.blur()")
        boxes[2].send_keys(Keys.SHIFT, Keys.TAB)  # back out of the questions, into the grid
        self.assertIsNotNone(self.js("return document.activeElement.closest('#grid')"))

    def test_no_overlap_on_a_phone_or_at_double_zoom(self):
        # 320 px wide, and a 1280 px window at 200 % zoom (640 CSS pixels).
        for width, scale in ((320, 1), (640, 2)):
            with self.subTest(width=width):
                self.window(width, scale)
                self.reload()
                self.assertEqual(self.js(OVERLAPS_SCRIPT), [])
                self.assertLessEqual(self.js("return document.documentElement.scrollWidth"), width)

    def window(self, width, scale=1):
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 800, "deviceScaleFactor": scale, "mobile": width < 400})

    def test_squares_keep_their_numbers_and_letters_when_the_window_narrows(self):
        letters = len([c for c in self.quotation if c.isalpha()])
        self.window(1280)
        self.reload()
        self.assertEqual(self.js("return document.getElementById('grid').className"), "rect")
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        self.window(320)  # the same page, now on a phone
        self.js("return new Promise(done => requestAnimationFrame(() => done()))")
        self.assertEqual(self.js("return document.getElementById('grid').className"), "lines")
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        columns, wrong = self.js(LINES_SCRIPT)
        self.assertEqual(wrong, [])
        self.assertLess(columns, 10)
        # Printed from the phone, the grid has the printed puzzle's columns.
        self.js("window.dispatchEvent(new Event('beforeprint'))")
        self.assertEqual(self.js("return document.getElementById('grid').className"), "rect")
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        self.js("window.dispatchEvent(new Event('afterprint'))")
        self.assertEqual(self.js("return document.getElementById('grid').className"), "lines")

    def test_browsers_without_tab_stops_in_lengths_tag_each_square(self):
        with self.run_first("CSS.supports = () => false"):
            self.reload()
        letters = len([c for c in self.quotation if c.isalpha()])
        self.assertEqual(len(self.browser.find_elements(By.CSS_SELECTOR, "#grid .cell .tag")), letters)
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, "#grid .rowtags"), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
