// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of one puzzle: every change to the puzzle is a step that
// Undo takes back and Redo brings again, selection and letter numbers
// included (nothing is drawn afresh).
//
// The editor's whole state is kept as a fixed list of short lines (a text
// each, or a run of 32 numbers); a step keeps only the lines it changed, in
// the form of the other side: applying a step swaps its lines with the
// current ones, which turns the state into the one on the other side of
// the step and the step into its own reverse. A thousand steps of an
// ordinary puzzle take well under a megabyte.
//
// The window calls commit() before and after every operation (its one
// choke point); an operation names itself with name() ("Delete Question C").
// A commit that finds the puzzle changed records a step; one that finds
// only the selection, the boxes or the window changed folds that into the
// latest step, so that Undo returns exactly to the state before the step
// and Redo to the state as the user left it. New and Open (anything that
// resets the document) start a new history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qbrx {

class Editor;

class History {
public:
    // Records nothing while off (the command line); the window and the
    // tests switch it on.
    bool enabled = false;

    // The running operation's name, unless one was given since the last
    // commit (the outermost operation names the step).
    void name(std::string stepName);
    // The document was reset (New, Open): the next commit starts afresh.
    void replaced() { replaced_ = true; }
    // Records what changed since the last commit. Also keeps the changed
    // mark in step with the history: a new step sets it, and a commit that
    // finds it clear remembers this point as the saved one.
    void commit(Editor& editor);
    // Starts a new history from the editor's state.
    void restart(const Editor& editor);

    bool canUndo() const { return enabled && position_ > 0; }
    bool canRedo() const { return enabled && position_ < steps_.size(); }
    // The names of the steps Undo and Redo would take ("" when none).
    std::string undoName() const { return canUndo() ? steps_[position_ - 1].name : std::string(); }
    std::string redoName() const { return canRedo() ? steps_[position_].name : std::string(); }
    // Both commit first. False when there was nothing to undo or redo.
    bool undo(Editor& editor);
    bool redo(Editor& editor);

    std::size_t size() const { return steps_.size(); }
    std::size_t position() const { return position_; }
    // Counts every change the history saw (steps, undo, redo, restarts), so
    // that a watcher can tell the puzzle changed since it last looked.
    std::uint64_t revision() const { return revision_; }
    // Bytes the history holds beyond the editor itself (an estimate from
    // the lengths of what it keeps).
    std::size_t memoryBytes() const;

private:
    using Lines = std::vector<std::string>;
    struct Step {
        std::string name;
        // Line number and that line's content on the other side of the step.
        std::vector<std::pair<std::uint16_t, std::string>> other;
    };
    void apply(Editor& editor, Step& step);
    // Folds the change from current_ to `now` (no puzzle change) into the
    // steps on both sides of the present.
    void fold(const Lines& now);

    Lines current_;            // the state as of the last commit
    std::vector<Step> steps_;  // steps_[0 .. position_) are done
    std::size_t position_ = 0;
    std::ptrdiff_t saved_ = -1;  // position of the saved state; -1 none
    std::string name_;
    bool replaced_ = false;
    std::uint64_t revision_ = 0;
};

// The editor's state as the history keeps it: lines [0, puzzleLines) are the
// puzzle (what a step changes); the rest the selection, the boxes and the
// window. The changed mark is not among them.
struct StateLines {
    std::vector<std::string> lines;
    std::size_t puzzleLines = 0;
};
StateLines saveState(const Editor& editor);
// Puts saved lines back; the grid window's picture is drawn again from the
// restored letters.
void restoreState(Editor& editor, const std::vector<std::string>& lines);

}  // namespace qbrx
