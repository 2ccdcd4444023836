# SPDX-License-Identifier: GPL-3.0-or-later
"""What the web page's browser tests share."""

# Script returning up to five pairs of visible boxes (answer boxes, grid
# cells, buttons) whose rectangles overlap by more than a pixel each way.
OVERLAPS_SCRIPT = """
            const els = [...document.querySelectorAll('input[data-square], .box, .cell:not(.outside), button')]
                .filter(e => e.offsetParent !== null && !e.closest('dialog'));
            const r = els.map(e => e.getBoundingClientRect());
            const found = [];
            for (let i = 0; i < els.length; i++)
              for (let j = i + 1; j < els.length; j++) {
                if (els[i].contains(els[j]) || els[j].contains(els[i])) continue;
                const w = Math.min(r[i].right, r[j].right) - Math.max(r[i].left, r[j].left);
                const h = Math.min(r[i].bottom, r[j].bottom) - Math.max(r[i].top, r[j].top);
                if (w > 1 && h > 1) found.push(els[i].outerHTML.slice(0, 60) + ' / ' + els[j].outerHTML.slice(0, 60));
              }
            return found.slice(0, 5);"""


def read_puzzle(path):
    """The quotation and the answers of a data file."""
    with open(path, encoding="cp1252") as f:
        lines = f.read().splitlines()
    answers = [line[4:] for line in lines if len(line) > 3 and line[2:4] == "A."]
    return lines[0], answers
