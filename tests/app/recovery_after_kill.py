#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program on a virtual display, driven by keys as a user drives it:
# a puzzle is typed, the program killed (SIGKILL) before anything is saved,
# started again, the puzzle recovered and saved, and the saved bytes compared
# with the puzzle that was on the screen. Run under xvfb-run; needs xdotool.
# Usage: recovery_after_kill.py PROGRAM DICTIONARY-FOLDER
import os
import signal
import subprocess
import sys
import tempfile
import time

PROGRAM = sys.argv[1]
PAIRS = [("Opposite of more", "less"), ("Opposite of less", "more")]
# The data file of the puzzle typed: the answers' first letters make the crostic.
EXPECTED = (b"Less is more than enough\r\n\r\n\r\nlm\r\n0\r\n0\r\n0\r\n 2 \r\n"
            b" 1Q. Opposite of more\r\n 1A. less\r\n 2Q. Opposite of less\r\n 2A. more\r\n")


def xdo(*args, check=True):
    return subprocess.run(["xdotool", *args], check=check, capture_output=True, text=True,
                          timeout=30).stdout.strip()


def wait_for(test, seconds):
    end = time.monotonic() + seconds
    while not test():
        if time.monotonic() > end:
            return False
        time.sleep(0.05)
    return True


def window(name):
    found = []
    assert wait_for(lambda: found.extend(xdo("search", "--onlyvisible", "--name", name, check=False).split())
                    or found, 20), "no window named " + name
    return found[0]


def keys(target, *combos):
    xdo("windowfocus", "--sync", target)
    for combo in combos:
        xdo("key", "--clearmodifiers", combo)
        time.sleep(0.15)


def type_text(target, text):
    keys(target)
    xdo("type", "--delay", "20", text)


def recovery_files(state):
    folder = os.path.join(state, "quotabrix")
    return sorted(f for f in os.listdir(folder) if f.endswith(".recovery")) if os.path.isdir(folder) else []


def recovered_puzzle(state):
    """The puzzle the one recovery file holds (after its own three lines),
    letter numbers and all; None unless there is exactly one."""
    files = recovery_files(state)
    if len(files) != 1:
        return None
    with open(os.path.join(state, "quotabrix", files[0]), "rb") as f:
        return f.read().split(b"\r\n", 3)[-1]


def main():
    scratch = tempfile.mkdtemp(prefix="qbrx-kill-")
    env = dict(os.environ, HOME=scratch, XDG_STATE_HOME=os.path.join(scratch, "state"),
               XDG_CONFIG_HOME=os.path.join(scratch, "config"))
    env.pop("QT_QPA_PLATFORM", None)
    state = env["XDG_STATE_HOME"]
    # The word list, for a program that finds no qbrx.ini beside itself.
    os.makedirs(os.path.join(scratch, "config", "quotabrix"))
    with open(os.path.join(scratch, "config", "quotabrix", "qbrx.ini"), "w") as f:
        f.write(sys.argv[2] + "\n")

    first = subprocess.Popen([PROGRAM, "--seed", "1"], env=env)
    try:
        main_window = window("^Quotabrix$")
        time.sleep(0.5)
        # The prompt in the quotation box is selected: typing replaces it,
        # Enter registers; Tab passes Register and Show Quote to the question.
        type_text(main_window, "Less is more than enough")
        keys(main_window, "Return", "Tab", "Tab", "Tab")
        for question, answer in PAIRS:
            type_text(main_window, question)
            keys(main_window, "Tab")
            type_text(main_window, answer)
            keys(main_window, "Return")
        kept_now = lambda: (recovered_puzzle(state) or b"").startswith(EXPECTED + b"[Quotabrix]\r\n")  # noqa: E731
        assert wait_for(kept_now, 2.0), "the last change not kept within two seconds"
        assert xdo("getwindowname", main_window).endswith(" *")
    finally:
        first.send_signal(signal.SIGKILL)
        first.wait()
    assert len(recovery_files(state)) == 1, "the killed copy's file is kept"
    kept = recovered_puzzle(state)

    second = subprocess.Popen([PROGRAM], env=env)
    try:
        keys(window("^Unsaved Puzzle$"), "Return")  # Recover, the default
        main_window = window("^Quotabrix")
        assert wait_for(lambda: xdo("getwindowname", main_window).endswith(" *"), 5), "recovered puzzle not marked"
        saved = os.path.join(scratch, "recovered.dat")
        keys(main_window, "ctrl+shift+s")
        dialog = window("^Save As$")
        time.sleep(0.3)
        type_text(dialog, saved)
        keys(dialog, "Return")
        assert wait_for(lambda: os.path.exists(saved), 10), "nothing saved"
        time.sleep(0.3)
        with open(saved, "rb") as f:
            got = f.read()
        assert got == kept, "saved %r, on screen was %r" % (got, kept)
        # Saved: the recovery files are gone, the old copy's and this one's.
        assert wait_for(lambda: not recovery_files(state), 3), recovery_files(state)
    finally:
        second.send_signal(signal.SIGKILL)
        second.wait()


main()
