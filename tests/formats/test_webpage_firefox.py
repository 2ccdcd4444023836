#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The exported web page in headless Firefox, driven through Firefox's own
# remote protocol (Marionette, so no separate driver is needed): the page
# draws all its boxes, a letter typed in an answer reaches its grid square,
# typing every answer solves the puzzle, a reload keeps the letters, nothing
# overlaps on a narrow window, and its screenshot shows the puzzle.
#
#   test_webpage_firefox.py QUOTABRIX EXAMPLES_DIR
#
# Exits 77 (skipped) when Firefox is not installed.
import base64
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest
from webchecks import LINES_SCRIPT, OVERLAPS_SCRIPT, TAGS_SCRIPT, read_puzzle

FIREFOX = shutil.which("firefox-esr") or shutil.which("firefox")
if not FIREFOX:
    print("firefox is not installed")
    sys.exit(77)

PROGRAM = sys.argv[1]
EXAMPLES = sys.argv[2]
ELEMENT = "element-6066-11e4-a52e-4f735466cecf"

# A fresh profile: Marionette on a free port (Firefox writes it into the
# profile), and every connection sent to a proxy that leads nowhere.
PREFS = {
    "marionette.port": 0,
    "network.proxy.type": 1,
    "network.proxy.http": "127.0.0.1",
    "network.proxy.http_port": 9,
    "network.proxy.ssl": "127.0.0.1",
    "network.proxy.ssl_port": 9,
    "browser.shell.checkDefaultBrowser": False,
    "datareporting.policy.dataSubmissionEnabled": False,
}


class Marionette:
    """Commands to Firefox: each message is its length, a colon and JSON."""

    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=60)
        self.pending = b""
        self.last = 0
        self.receive()  # Firefox's greeting

    def receive(self):
        while b":" not in self.pending:
            self.pending += self.read()
        size, _, rest = self.pending.partition(b":")
        while len(rest) < int(size):
            rest += self.read()
        self.pending = rest[int(size):]
        return json.loads(rest[:int(size)])

    def read(self):
        data = self.sock.recv(65536)
        if not data:
            raise ConnectionError("Firefox closed the connection")
        return data

    def __call__(self, command, **params):
        self.last += 1
        message = json.dumps([0, self.last, command, params]).encode()
        self.sock.sendall(str(len(message)).encode() + b":" + message)
        reply = self.receive()
        while reply[1] != self.last:
            reply = self.receive()
        if reply[2]:
            raise RuntimeError("%s: %s" % (command, reply[2].get("message")))
        return reply[3]


def read_port(path):
    """The port in Firefox's port file, or 0 while there is none."""
    try:
        with open(path) as f:
            return int(f.read().strip() or 0)
    except FileNotFoundError:
        return 0


class WebPageInFirefox(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        page = os.path.join(cls.dir, "walden.html")
        subprocess.run([PROGRAM, "--html", page, "--seed", "5", os.path.join(EXAMPLES, "walden.dat")], check=True)
        cls.url = "file://" + page
        cls.quotation, cls.answers = read_puzzle(os.path.join(EXAMPLES, "walden.dat"))
        profile = os.path.join(cls.dir, "profile")
        os.mkdir(profile)
        with open(os.path.join(profile, "user.js"), "w") as f:
            for name, value in PREFS.items():
                f.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        cls.firefox = subprocess.Popen([FIREFOX, "--headless", "--marionette", "--no-remote", "--profile", profile,
                                        "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(profile, "MarionetteActivePort")
        deadline = time.monotonic() + 90
        while not read_port(port_file):
            if time.monotonic() > deadline or cls.firefox.poll() is not None:
                cls.tearDownClass()
                raise RuntimeError("Firefox did not start its remote protocol")
            time.sleep(0.2)
        cls.ff = Marionette(read_port(port_file))
        cls.ff("WebDriver:NewSession", capabilities={})
        cls.ff("WebDriver:SetWindowRect", width=1280, height=900)

    @classmethod
    def tearDownClass(cls):
        if getattr(cls, "ff", None):
            cls.ff.sock.close()
        if cls.firefox.poll() is None:
            cls.firefox.terminate()
            try:
                cls.firefox.wait(30)
            except subprocess.TimeoutExpired:
                cls.firefox.kill()
                cls.firefox.wait()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def js(self, script, *args):
        return self.ff("WebDriver:ExecuteScript", script=script, args=list(args))["value"]

    def built(self):
        """Waits until the page has drawn all its questions (it draws the grid first)."""
        deadline = time.monotonic() + 20
        while self.js("return document.getElementById('clues').hasAttribute('aria-busy')"):
            self.assertLess(time.monotonic(), deadline, "the questions are never drawn")
            time.sleep(0.05)

    def setUp(self):
        # The page afresh, with nothing saved.
        self.ff("WebDriver:SetWindowRect", width=1280, height=900)
        self.ff("WebDriver:Navigate", url=self.url)
        self.js("localStorage.clear()")
        self.ff("WebDriver:Refresh")
        self.built()

    def type_into(self, css, text):
        box = self.ff("WebDriver:FindElement", using="css selector", value=css)["value"]
        self.ff("WebDriver:ElementSendKeys", id=box[ELEMENT], text=text)

    def test_draws_every_box(self):
        letters = sum(1 for c in self.quotation if ord(c) >= 65)
        self.assertEqual(self.js("return document.querySelectorAll('#grid input[data-square]').length"), letters)
        self.assertEqual(self.js("return document.querySelectorAll('#questions li').length"), len(self.answers))
        self.assertEqual(self.js("return document.body.dataset.state"), "solving")

    def test_answer_and_grid_square_are_linked(self):
        square = self.js("return document.querySelector('#questions input').dataset.square")
        self.type_into("#questions input", "q")
        grid = self.js("return document.querySelector('#grid input[data-square=\"' + arguments[0] + '\"]').value",
                       square)
        self.assertEqual(grid, "Q")

    def test_typing_every_answer_solves_and_a_reload_keeps_it(self):
        for label, answer in zip("ABCDEFGHIJKLMNO", self.answers):
            letters = [c for c in answer.upper() if c.isalpha()]
            given = self.js("return [...document.querySelectorAll('#clue-' + arguments[0] + "
                            "' .box:not(.space):not(.other)')].map(b => b.classList.contains('given'))", label)
            self.assertEqual(len(given), len(letters))
            self.type_into("#clue-%s input" % label, "".join(c for c, g in zip(letters, given) if not g))
        self.assertEqual(self.js("return document.body.dataset.state"), "solved")
        self.assertEqual(self.js("return document.getElementById('solved-quote').textContent"), self.quotation)
        self.ff("WebDriver:Refresh")
        self.built()
        self.assertEqual(self.js("return document.body.dataset.state"), "solved")

    def test_squares_tagged_and_nothing_overlapping_in_a_wide_then_narrow_window(self):
        letters = len([c for c in self.quotation if c.isalpha()])
        self.ff("WebDriver:SetWindowRect", width=1280, height=800)
        self.built()
        self.assertEqual(self.js("return document.getElementById('grid').className"), "rect")
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        # Firefox's headless window is at least 450 px wide.
        self.ff("WebDriver:SetWindowRect", width=450, height=800)
        self.built()
        overlaps = self.js(OVERLAPS_SCRIPT)
        self.assertEqual(overlaps, [])
        self.assertEqual(self.js("return document.getElementById('grid').className"), "lines")
        self.assertEqual(self.js(TAGS_SCRIPT), [letters, []])
        self.assertEqual(self.js(LINES_SCRIPT)[1], [])

    @unittest.skipUnless(shutil.which("identify"), "ImageMagick's identify is not installed")
    def test_screenshot_shows_the_puzzle(self):
        shot = os.path.join(self.dir, "firefox.png")
        with open(shot, "wb") as f:
            f.write(base64.b64decode(self.ff("WebDriver:TakeScreenshot", full=False)["value"]))
        colours = subprocess.run(["identify", "-format", "%k", shot], capture_output=True, text=True, check=True)
        self.assertGreater(int(colours.stdout), 16)  # a blank or failed page has one or two
        if os.environ.get("QBRX_KEEP_SCREENSHOT"):
            shutil.copy(shot, os.environ["QBRX_KEEP_SCREENSHOT"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
