#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The exported web page's size and how soon it is ready for typing, for the
# largest puzzle the program makes: a quotation of 255 letters and 50
# questions. Ready means the first box can take the focus; it is measured
# inside headless Chromium from the start of the navigation, for the puzzle's
# page and for an empty page with one box, taken in turn in the same run.
#
#   bench/webpage.py [BUILD] [RUNS]      (default: build 10)
#
# Prints the page's size and the medians, and exits 1 when the page is
# 100 KB or more or takes twice the empty page's time or longer.
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
program = os.path.join(build, "app", "quotabrix")
here = os.path.dirname(os.path.abspath(__file__))
work = tempfile.mkdtemp()

# The puzzle: the longest quotation the program takes, 255 characters, all
# of them letters (the letters of the example quotations run together), and
# fifty answers of five letters cut from them, so that the grid supplies
# all but five letters.
text = ""
for name in ("walden-long.dat", "walden.dat"):
    with open(os.path.join(here, "..", "examples", name), encoding="cp1252") as f:
        text += f.read().splitlines()[0]
quotation = "".join(c for c in text if c.isalpha())[:255]
assert len(quotation) == 255
letters = [c.lower() for c in quotation]
random.Random(1).shuffle(letters)
answers = ["".join(letters[i * 5:(i + 1) * 5]) for i in range(50)]
lines = [quotation, "Fifty Questions", "Bench", "", "1", "1", "1", " 50 "]
for i, answer in enumerate(answers, 1):
    lines += ["%2dQ. Question number %d, about as long as a question is" % (i, i), "%2dA. %s" % (i, answer)]
dat = os.path.join(work, "fifty.dat")
with open(dat, "w", encoding="cp1252", newline="\r\n") as f:
    f.write("\n".join(lines) + "\n")

page = os.path.join(work, "fifty.html")
subprocess.run([program, "--html", page, "--seed", "1", dat], check=True)
empty = os.path.join(work, "empty.html")
with open(empty, "w") as f:
    f.write('<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Empty</title></head>'
            '<body><input aria-label="box"></body></html>\n')

# Records, from the start of the navigation, when the first box is ready
# for typing: it is in the page, laid out with a size, shown, and takes
# the focus. The check runs whenever the page changes, so it sees the box
# as soon as the page's own script has put it there.
probe = """
const ready = () => {
  const box = document.querySelector('input');
  if (!box || window.__ready) return;
  box.focus();
  const rect = box.getBoundingClientRect();
  const shown = box.checkVisibility ? box.checkVisibility({visibilityProperty: true}) : true;
  if (document.activeElement === box && rect.width > 0 && rect.height > 0 && shown)
    window.__ready = performance.now();
};
new MutationObserver(ready).observe(document, {childList: true, subtree: true});
"""

options = webdriver.ChromeOptions()
options.binary_location = shutil.which("chromium")
for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + os.path.join(work, "profile")):
    options.add_argument(arg)
browser = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
try:
    browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": probe})
    times = {page: [], empty: []}
    for _ in range(runs + 1):  # the first round warms up and is not counted
        for url in (page, empty):
            # From a blank page each time, so that neither page's time
            # includes taking the other one down.
            browser.get("about:blank")
            browser.get("file://" + url)
            times[url].append(browser.execute_script("return window.__ready"))
            # Let the page finish (the puzzle's page draws its questions
            # after the grid) so that no work of it is left for the next.
            browser.execute_script("return new Promise(done => setTimeout(done, 300))")
finally:
    browser.quit()

kb = os.path.getsize(page) / 1024
ours = statistics.median(times[page][1:])
bare = statistics.median(times[empty][1:])
shutil.rmtree(work, ignore_errors=True)
print("load average (1, 5, 15 min): %.2f %.2f %.2f on %d processors" % (os.getloadavg() + (os.cpu_count(),)))
print("page: %d letters in the grid, 50 questions, %.1f KB (limit 100 KB)" % (len(quotation), kb))
print("first box focusable, median of %d: page %.1f ms, empty page %.1f ms, ratio %.2f (limit 2)"
      % (runs, ours, bare, ours / bare))
sys.exit(0 if kb < 100 and ours < 2 * bare else 1)
