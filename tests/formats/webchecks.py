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

# Script checking the squares' numbers and question letters, drawn a grid
# row at a time: each number starts at its square's left edge and its
# question's letter (from the box's label) ends at the right edge. Returns
# how many numbers it found and up to five that are wrong.
TAGS_SCRIPT = """
            const pieces = (row) => {
              const found = [];
              let column = 0;
              const walk = document.createTreeWalker(row, NodeFilter.SHOW_TEXT);
              for (let node = walk.nextNode(); node; node = walk.nextNode()) {
                for (const m of node.data.matchAll(/\\t|\\S+/g)) {
                  if (m[0] === '\\t') { column++; continue; }
                  const range = document.createRange();
                  range.setStart(node, m.index);
                  range.setEnd(node, m.index + m[0].length);
                  found.push({ text: m[0], column: column, rect: range.getBoundingClientRect() });
                }
              }
              return found;
            };
            const labelRows = document.querySelectorAll('#grid .labels > div');
            const wrong = [];
            let numbers = 0;
            document.querySelectorAll('#grid .numbers > div').forEach((row, r) => {
              const labels = pieces(labelRows[r]);
              pieces(row).forEach((number) => {
                numbers++;
                const box = document.querySelector('#grid input[data-square="' + number.text + '"]');
                const cell = box.closest('.cell').getBoundingClientRect();
                const n = number.rect;
                if (n.left < cell.left || n.left > cell.left + 5 || n.top < cell.top || n.bottom > cell.top + cell.height / 2)
                  wrong.push('number ' + number.text);
                const want = (box.getAttribute('aria-label').match(/question (\\w+)/) || [])[1];
                const label = labels.find((l) => l.column === number.column);
                if ((label && label.text) !== want) {
                  wrong.push('letter of ' + number.text + ': ' + (label && label.text));
                } else if (label) {
                  const l = label.rect;
                  if (l.right > cell.right || l.right < cell.right - 5 || l.left < n.right || Math.abs(l.bottom - n.bottom) > 2)
                    wrong.push('letter of ' + number.text + ' at ' + l.left + '-' + l.right + ' in ' + cell.left + '-' + cell.right);
                }
              });
            });
            return [numbers, wrong.slice(0, 5)];"""

# Script checking the grid with the words wrapped: up to five words (no
# longer than a line) not on one line, lines going backwards, or spaces
# shown at a line's start or end.
LINES_SCRIPT = """
            const columns = Number(getComputedStyle(document.getElementById('grid')).getPropertyValue('--cols'));
            const wrong = [];
            const words = [[]];
            document.querySelectorAll('#grid .cell').forEach((c) => {
              if (c.matches('.black, .outside')) words.push([]);
              else words[words.length - 1].push(c);
            });
            words.forEach((word) => {
              const tops = word.map((c) => c.getBoundingClientRect().top);
              if (word.length <= columns && new Set(tops).size > 1) wrong.push('split: ' + word.map((c) => c.textContent).join(''));
            });
            const shown = [...document.querySelectorAll('#grid .cell')].filter((c) => c.offsetParent !== null)
              .map((c) => ({ cell: c, rect: c.getBoundingClientRect() }));
            shown.forEach((s, i) => {
              const before = shown[i - 1], after = shown[i + 1];
              const starts = !before || before.rect.top !== s.rect.top;
              const ends = !after || after.rect.top !== s.rect.top;
              if (before && !starts && before.rect.left >= s.rect.left) wrong.push('backwards at ' + i);
              if (s.cell.classList.contains('black') && (starts || ends)) wrong.push('space at a line end, ' + i);
            });
            return [columns, wrong.slice(0, 5)];"""


def read_puzzle(path):
    """The quotation and the answers of a data file."""
    with open(path, encoding="cp1252") as f:
        lines = f.read().splitlines()
    answers = [line[4:] for line in lines if len(line) > 3 and line[2:4] == "A."]
    return lines[0], answers


class SolvingChecks:
    """Solving checks that the Selenium-driven tests (Chromium, WebKit) share.
    The test class gives browser, quotation and answers, reload() (the page
    afresh, all of it drawn) and open_without_dialogs() (the page as in a
    browser without <dialog>, as Safari before 15.4)."""

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def box(self, css):
        from selenium.webdriver.common.by import By
        return self.browser.find_element(By.CSS_SELECTOR, css)

    def boxes(self, css):
        from selenium.webdriver.common.by import By
        return self.browser.find_elements(By.CSS_SELECTOR, css)

    def state(self):
        return self.box("body").get_attribute("data-state")

    def first_answer_box(self):
        return self.box("#questions input[data-square]")

    def test_every_box_is_an_input_with_its_square(self):
        squares = self.js("return [...document.querySelectorAll('#grid input')].map(b => b.dataset.square)")
        letters = sum(1 for c in self.quotation if ord(c) >= 65)
        self.assertEqual(squares, [str(n) for n in range(1, letters + 1)])
        label = self.first_answer_box().get_attribute("aria-label")
        self.assertRegex(label, r"^Question A, letter \d+, square \d+$")

    def test_grid_square_and_answer_box_are_linked(self):
        answer = self.first_answer_box()
        square = answer.get_attribute("data-square")
        grid = self.box('#grid input[data-square="%s"]' % square)
        answer.send_keys("q")
        self.assertEqual(grid.get_attribute("value"), "Q")
        grid.click()
        classes = self.box("#clue-A").get_attribute("class")
        self.assertIn("active", classes)  # the grid square's question is highlighted
        grid.send_keys("z")
        self.assertEqual(answer.get_attribute("value"), "Z")

    def test_typing_every_answer_solves_the_puzzle(self):
        # Each answer typed in one go from its first box: the cursor moves
        # on by itself, past the letters the puzzle gives.
        for label, answer in zip("ABCDEFGHIJKLMNO", self.answers):
            letters = [c for c in answer.upper() if c.isalpha()]
            boxes = self.boxes("#clue-%s .box:not(.space):not(.other)" % label)
            self.assertEqual(len(boxes), len(letters))
            typed = [letter for box, letter in zip(boxes, letters) if "given" not in box.get_attribute("class")]
            self.box("#clue-%s input" % label).send_keys("".join(typed))
        self.assertEqual(self.state(), "solved")
        self.assertEqual(self.box("#solved-quote").text, self.quotation)
        self.assertTrue(self.box("#solved-dialog").get_attribute("open"))

    def test_reload_keeps_the_letters(self):
        answer = self.first_answer_box()
        square = answer.get_attribute("data-square")
        answer.send_keys("k")
        self.reload()
        self.assertEqual(self.first_answer_box().get_attribute("value"), "K")
        self.assertEqual(self.box('#grid input[data-square="%s"]' % square).get_attribute("value"), "K")

    def test_clear_asks_first(self):
        answer = self.first_answer_box()
        answer.send_keys("m")
        self.box("#clear").click()
        self.assertTrue(self.box("#clear-dialog").get_attribute("open"))
        self.box("#clear-no").click()
        self.assertEqual(answer.get_attribute("value"), "M")
        self.box("#clear").click()
        self.box("#clear-yes").click()
        self.assertEqual(answer.get_attribute("value"), "")

    def test_clear_asks_a_plain_question_where_there_are_no_dialogs(self):
        self.open_without_dialogs()
        answer = self.first_answer_box()
        answer.send_keys("m")
        self.box("#clear").click()
        question = self.browser.switch_to.alert
        self.assertEqual(question.text, "Clear the puzzle?\n\nAll the letters you typed will be removed.")
        question.dismiss()
        self.assertEqual(answer.get_attribute("value"), "M")
        self.box("#clear").click()
        self.browser.switch_to.alert.accept()
        self.assertEqual(answer.get_attribute("value"), "")
