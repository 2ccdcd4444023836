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
