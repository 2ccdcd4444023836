// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo: random operations on random puzzles, every state checked
// on the way back and forth.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "datafile.h"
#include "editor.h"
#include "random.h"
#include "scriptedprompter.h"

namespace qbrx::test {
namespace {

// What one state of the puzzle is checked by: the saved file, the letter
// numbers, the stock, the selection and the window's list and grid.
struct Seen {
    std::string dat;
    std::vector<std::int16_t> numbers;
    std::string pool;
    int selectedRow = 0;
    int currentQuestion = 0;
    std::vector<std::string> rows;
    std::vector<DrawOp> grid;
    bool crosticOn = false;
};

Seen see(const Editor& e) {
    std::vector<std::int16_t> numbers;
    for (int q = 1; q <= kMaxSlots; ++q)
        numbers.insert(numbers.end(), e.doc.answerLetterNo[q].begin(), e.doc.answerLetterNo[q].end());
    return {formatDataFile(e.doc), numbers,         e.doc.letterPool, e.view.selectedRow,
            e.doc.currentQuestion, e.view.listRows, e.view.grid.ops,  e.doc.crosticOn};
}

void expectSame(const Seen& want, const Seen& got) {
    ASSERT_EQ(want.dat, got.dat);
    ASSERT_EQ(want.numbers, got.numbers);
    ASSERT_EQ(want.pool, got.pool);
    ASSERT_EQ(want.selectedRow, got.selectedRow);
    ASSERT_EQ(want.currentQuestion, got.currentQuestion);
    ASSERT_EQ(want.rows, got.rows);
    ASSERT_EQ(want.grid, got.grid);
    ASSERT_EQ(want.crosticOn, got.crosticOn);
}

class RandomSession {
public:
    explicit RandomSession(std::uint64_t seed) : rng_(seed), draws_(seed) {
        ed_.history.enabled = true;
        ed_.startUp();
        ed_.history.commit(ed_);
        seen_.push_back(see(ed_));
    }

    // Runs `count` random operations; after each, the state the history
    // has reached is remembered (or, after Undo and Redo, compared).
    void run(int count) {
        for (int i = 0; i < count; ++i) {
            const int op = pick(0, 19);
            if (op == 0 && ed_.history.canUndo()) {
                ed_.history.undo(ed_);
                expectSame(seen_[ed_.history.position()], see(ed_));
            } else if (op == 1 && ed_.history.canRedo()) {
                ed_.history.redo(ed_);
                expectSame(seen_[ed_.history.position()], see(ed_));
            } else {
                const std::size_t before = ed_.history.position();
                change(op);
                ed_.history.commit(ed_);
                // A new step drops the states Redo could have reached.
                if (ed_.history.position() != before) seen_.resize(ed_.history.position() + 1);
                seen_[ed_.history.position()] = see(ed_);
            }
            if (::testing::Test::HasFatalFailure()) return;
        }
    }

    // Undoes every step, then redoes every step (as far as the history
    // goes, past any undone at the end of the run), checking each state.
    void undoAllThenRedoAll() {
        while (ed_.history.undo(ed_)) {
            expectSame(seen_[ed_.history.position()], see(ed_));
            if (::testing::Test::HasFatalFailure()) return;
        }
        EXPECT_EQ(ed_.history.position(), 0u);
        EXPECT_EQ(formatDataFile(ed_.doc), seen_.front().dat);
        EXPECT_FALSE(ed_.doc.docChanged);
        while (ed_.history.redo(ed_)) {
            expectSame(seen_[ed_.history.position()], see(ed_));
            if (::testing::Test::HasFatalFailure()) return;
        }
        EXPECT_EQ(ed_.history.position(), seen_.size() - 1);
        EXPECT_EQ(formatDataFile(ed_.doc), seen_.back().dat);
    }

    std::size_t steps() const { return ed_.history.size(); }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    std::string words(int most) {
        static const std::vector<std::string> vocabulary{
            "the",      "Quick", "brown",  "fox",         "jumps", "over",    "lazy", "dogs",
            "\"mind\"", "is",    "all,",   "JUST",        "a",     "caf\xe9", "Zeal", "of",
            "  wax",    "hymn",  "quartz", "bright-eyed", "vex",   "yet"};
        std::string out;
        const int n = pick(0, most);
        for (int i = 0; i < n; ++i) out += (i ? " " : "") + vocabulary[static_cast<std::size_t>(pick(0, 21))];
        return out;
    }

    void fillBoxes() {
        ed_.view.questionBox = pick(0, 4) == 0 ? std::string() : words(6);
        ed_.view.answerBox = pick(0, 5) == 0 ? std::string() : words(3);
        if (pick(0, 30) == 0) ed_.view.answerBox += "_x";
    }

    void change(int op) {
        Editor& e = ed_;
        switch (op) {
            case 2:
            case 3:
                e.view.quoteBox = words(40);
                if (e.view.quoteBox.empty()) e.view.quoteBox = "Short one";
                op == 2 ? e.registerButton() : e.quoteEnter();
                break;
            case 4:
            case 5:
            case 6:
            case 7:
                if (pick(0, 2) == 0) e.selectListRow(pick(0, static_cast<int>(e.view.listRows.size())));
                fillBoxes();
                e.acceptButton();
                break;
            case 8:
                fillBoxes();
                e.insertQuestion();
                break;
            case 9:
                e.selectListRow(pick(-1, static_cast<int>(e.view.listRows.size())));
                e.deleteFromPopup();
                break;
            case 10:
                e.moveQuestion(pick(0, 1) ? 1 : -1);
                break;
            case 11:
                prompter_.inputs.push_back(pick(0, 3) == 0 ? std::string() : words(4) + "~" + words(1));
                e.setupCrostic();
                break;
            case 12:
                e.crosticOptionClick(pick(0, 1) == 1);
                break;
            case 13:
                // The header dialog writes the header and names the step.
                e.doc.header.title = words(3);
                e.doc.header.nameLine = pick(0, 1) == 1;
                e.history.name("Header");
                break;
            case 14:
                e.boxKey(static_cast<BoxKey>(pick(0, 7)), pick(0, 1) == 1);
                break;
            case 15:
                e.findGaps();
                break;
            default:
                e.selectListRow(pick(-1, static_cast<int>(e.view.listRows.size())));
                break;
        }
    }

    std::mt19937 rng_;
    ScriptedPrompter prompter_;
    SeededRandom draws_;
    Editor ed_{prompter_, draws_};
    std::vector<Seen> seen_;  // the state at each position of the history
};

TEST(HistoryTest, UndoAllAndRedoAllRetraceRandomSessions) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSession session(seed);
        session.run(520);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        EXPECT_GT(session.steps(), 50u);
        session.undoAllThenRedoAll();
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
    }
}

}  // namespace
}  // namespace qbrx::test
