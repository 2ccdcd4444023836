#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the exported web page in headless Chromium for docs/:
# desktop width, a 390 px phone, and the page solved (its message shown).
#
#   tools/web_screenshots.py QUOTABRIX DATA.dat OUTDIR
import os
import shutil
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

program, data, out = sys.argv[1:4]
work = tempfile.mkdtemp()
page = os.path.join(work, "puzzle.html")
subprocess.run([program, "--html", page, "--seed", "5", data], check=True)

options = webdriver.ChromeOptions()
options.binary_location = shutil.which("chromium")
for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
            "--user-data-dir=" + os.path.join(work, "profile"), "--window-size=1280,900"):
    options.add_argument(arg)
browser = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


def shoot(name, width, scale=1):
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": width, "height": 800, "deviceScaleFactor": scale, "mobile": width < 600})
    height = browser.execute_script("return document.documentElement.scrollHeight")
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": width < 600})
    browser.save_screenshot(os.path.join(out, name))


try:
    browser.get("file://" + page)
    # The questions are drawn just after the grid.
    WebDriverWait(browser, 10).until(
        lambda b: b.execute_script("return !document.getElementById('clues').hasAttribute('aria-busy')"))
    # A few letters in, one question in use.
    boxes = browser.find_elements(By.CSS_SELECTOR, "#clue-B input")
    boxes[0].send_keys("DEF")
    shoot("webpage-desktop.png", 1280)
    shoot("webpage-phone.png", 390, 2)
    browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    # Solved: every answer typed in, and the message that says so.
    with open(data, encoding="cp1252") as f:
        answers = [line[4:] for line in f.read().splitlines() if len(line) > 3 and line[2:4] == "A."]
    for clue, answer in zip(browser.find_elements(By.CSS_SELECTOR, "#questions li"), answers):
        letters = [c for c in answer.upper() if c.isalpha()]
        boxes = clue.find_elements(By.CSS_SELECTOR, ".box:not(.space):not(.other)")
        typed = [c for box, c in zip(boxes, letters) if "given" not in box.get_attribute("class")]
        if typed:
            clue.find_element(By.TAG_NAME, "input").send_keys("".join(typed))
    shoot("webpage-solved.png", 1280)
finally:
    browser.quit()
    shutil.rmtree(work, ignore_errors=True)
