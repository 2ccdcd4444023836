// SPDX-License-Identifier: GPL-3.0-or-later
#include "history.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "editor.h"

namespace qbrx {

namespace {

// Numbers are kept in runs of 32, so that a step that takes a few letters
// keeps a few runs, not the whole table.
constexpr std::size_t kRun = 32;
// The question list has at most fifty filled rows, the empty one, and a
// spare for the row a move appends.
constexpr std::size_t kListRows = kMaxSlots + 2;
// The quotation's letter stock, in runs of kRun characters.
constexpr std::size_t kPoolRuns = (kMaxQuote + kRun - 1) / kRun;

std::string runOf(const std::string& s, std::size_t run) {
    return run * kRun < s.size() ? s.substr(run * kRun, kRun) : std::string();
}

// A run of numbers as a line. Letter numbers and slots are below 256: such
// a run is one byte a number, up to its last non-zero one, which keeps most
// runs short enough to need no memory of their own; any other run is kept
// whole, two bytes a number.
std::string packRun(const std::int16_t* run, std::size_t count) {
    const bool small = std::all_of(run, run + count, [](std::int16_t n) { return n >= 0 && n < 256; });
    if (!small) return "w" + std::string(reinterpret_cast<const char*>(run), count * sizeof(std::int16_t));
    std::size_t used = count;
    while (used > 0 && run[used - 1] == 0) --used;
    std::string line = "b";
    for (std::size_t k = 0; k < used; ++k) line += static_cast<char>(run[k]);
    return line;
}

void unpackRun(const std::string& line, std::int16_t* run, std::size_t count) {
    if (line[0] == 'w') {
        std::memcpy(run, line.data() + 1, count * sizeof(std::int16_t));
        return;
    }
    for (std::size_t k = 0; k < count; ++k)
        run[k] = static_cast<std::int16_t>(k + 1 < line.size() ? static_cast<unsigned char>(line[k + 1]) : 0);
}

class Writer {
public:
    explicit Writer(StateLines& out) : out_(out) {}
    void text(const std::string& s) { out_.lines.push_back(s); }
    void value(int v) { out_.lines.push_back(std::to_string(v)); }
    void flag(bool b) { out_.lines.emplace_back(b ? "1" : "0"); }
    template <std::size_t N>
    void numbers(const std::array<std::int16_t, N>& a) {
        for (std::size_t i = 0; i < N; i += kRun) out_.lines.push_back(packRun(&a[i], std::min(kRun, N - i)));
    }
    void pool(const std::string& s) {
        value(static_cast<int>(s.size()));
        for (std::size_t run = 0; run < kPoolRuns; ++run) out_.lines.push_back(runOf(s, run));
    }
    void rows(const std::vector<std::string>& rows) {
        value(static_cast<int>(std::min(rows.size(), kListRows)));
        for (std::size_t i = 0; i < kListRows; ++i)
            out_.lines.push_back(i < rows.size() ? rows[i] : std::string());
    }
    void grid(const Editor& e) {
        flag(!e.view.grid.ops.empty());
        value(e.view.grid.width);
        value(e.view.grid.height);
    }
    void endOfPuzzle() { out_.puzzleLines = out_.lines.size(); }

private:
    StateLines& out_;
};

class Reader {
public:
    explicit Reader(const std::vector<std::string>& in) : in_(in) {}
    void text(std::string& s) { s = in_[next_++]; }
    void value(int& v) { v = std::stoi(in_[next_++]); }
    void flag(bool& b) { b = in_[next_++] == "1"; }
    template <std::size_t N>
    void numbers(std::array<std::int16_t, N>& a) {
        for (std::size_t i = 0; i < N; i += kRun) unpackRun(in_[next_++], &a[i], std::min(kRun, N - i));
    }
    void pool(std::string& s) {
        int size = 0;
        value(size);
        s.clear();
        for (std::size_t run = 0; run < kPoolRuns; ++run) s += in_[next_++];
        s.resize(static_cast<std::size_t>(size));
    }
    void rows(std::vector<std::string>& rows) {
        int size = 0;
        value(size);
        rows.assign(in_.begin() + static_cast<std::ptrdiff_t>(next_),
                    in_.begin() + static_cast<std::ptrdiff_t>(next_ + static_cast<std::size_t>(size)));
        next_ += kListRows;
    }
    // The picture is drawn again from the letters restored before it.
    void grid(Editor& e) {
        bool drawn = false;
        int width = 0;
        int height = 0;
        flag(drawn);
        value(width);
        value(height);
        if (drawn) {
            e.drawQuoteGrid();
            return;
        }
        e.view.grid.ops.clear();
        e.view.grid.width = width;
        e.view.grid.height = height;
    }
    void endOfPuzzle() {}

private:
    const std::vector<std::string>& in_;
    std::size_t next_ = 0;
};

// Every value of the editor's state, in one order for saving and restoring.
template <typename Ed, typename V>
void visit(Ed& e, V& v) {
    auto& d = e.doc;
    v.text(d.quotation);
    v.value(d.quoteLength);
    v.pool(d.letterPool);
    v.numbers(d.positionLetterNo);
    v.numbers(d.positionOwner);
    v.numbers(d.letterLeftCount);
    v.text(d.lettersLeft);
    v.value(d.totalLetters);
    v.value(d.questionCount);
    for (int s = 1; s <= kMaxSlots; ++s) {
        v.text(d.question[s]);
        v.text(d.answer[s]);
        v.text(d.answerMarks[s]);
        v.numbers(d.answerLetterNo[s]);
    }
    v.text(d.crostic);
    v.flag(d.crosticSetUp);
    v.numbers(d.crosticPos);
    v.numbers(d.crosticQuestion);
    v.numbers(d.slotCrosticPos);
    v.flag(d.quoteRegistered);
    auto& h = d.header;
    for (auto* t : {&h.title, &h.createdBy, &h.instructions, &h.nameBlank, &h.periodBlank, &h.dateBlank,
                    &h.quotationBy})
        v.text(*t);
    for (auto* b : {&h.titleGiven, &h.createdByGiven, &h.nameLine, &h.periodDateLine, &h.miniInstructions})
        v.flag(*b);
    v.flag(d.crosticOn);
    v.flag(d.crosticOnWritten);
    v.endOfPuzzle();

    v.value(d.currentQuestion);
    auto& g = e.geometry;
    for (auto* n : {&g.columnsWanted, &g.cellSize, &g.rows, &g.columns, &g.leadingBlanks, &g.numberFont,
                    &g.letterFont, &g.numberOffset, &g.letterOffset, &g.letterXOffset, &g.labelSlotWidth})
        v.value(*n);
    v.grid(e);
    auto& w = e.view;
    for (auto* t : {&w.quoteBox, &w.questionBox, &w.answerBox, &w.encodedLine, &w.totalLetters, &w.vowels,
                    &w.consonants, &w.registerCaption, &w.quoteButtonCaption, &w.quoteButtonTag})
        v.text(*t);
    v.rows(w.listRows);
    v.value(w.selectedRow);
    for (auto& label : w.numberLabels) v.text(label);
    for (auto& label : w.lettersLeft) v.text(label);
    for (auto& label : w.crostic) {
        v.text(label.caption);
        for (auto* b : {&label.blue, &label.underline, &label.grey}) v.flag(*b);
    }
    for (auto* b : {&w.markersVisible, &w.gridVisible, &w.gridLogoVisible, &w.controlsEnabled,
                    &w.fileMenusEnabled, &w.quoteTabStop, &w.questionTabStop, &w.crosticOffTabStop})
        v.flag(*b);
    for (auto* n : {&e.lastListRow, &e.priorListRow, &e.markedSlot}) v.value(*n);
}

std::size_t heapBytes(const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; }

}  // namespace

StateLines saveState(const Editor& editor) {
    StateLines out;
    out.lines.reserve(700);
    Writer writer(out);
    visit(editor, writer);
    return out;
}

void restoreState(Editor& editor, const std::vector<std::string>& lines) {
    const bool placeRequest = editor.view.gridPlaceRequest;
    Reader reader(lines);
    visit(editor, reader);
    editor.view.gridPlaceRequest = placeRequest;
}

void History::name(std::string stepName) {
    if (name_.empty()) name_ = std::move(stepName);
}

void History::restart(const Editor& editor) {
    steps_.clear();
    position_ = 0;
    current_ = saveState(editor).lines;
    saved_ = editor.doc.docChanged ? -1 : 0;
    name_.clear();
    replaced_ = false;
    ++revision_;
}

void History::commit(Editor& editor) {
    if (!enabled) {
        name_.clear();
        replaced_ = false;
        return;
    }
    if (replaced_ || current_.empty()) {
        restart(editor);
        return;
    }
    StateLines now = saveState(editor);
    const auto puzzleEnd = static_cast<std::ptrdiff_t>(now.puzzleLines);
    const bool puzzleChanged = !std::equal(now.lines.begin(), now.lines.begin() + puzzleEnd, current_.begin(),
                                           current_.begin() + puzzleEnd);
    if (puzzleChanged) {
        Step step;
        step.name = name_.empty() ? std::string("Change") : name_;
        for (std::size_t i = 0; i < now.lines.size(); ++i)
            if (now.lines[i] != current_[i])
                step.other.emplace_back(static_cast<std::uint16_t>(i), std::move(current_[i]));
        step.other.shrink_to_fit();
        current_ = std::move(now.lines);
        steps_.resize(position_);
        if (saved_ > static_cast<std::ptrdiff_t>(position_)) saved_ = -1;
        steps_.push_back(std::move(step));
        ++position_;
        ++revision_;
        editor.doc.docChanged = true;
    } else if (now.lines != current_) {
        fold(now.lines);
    }
    if (!editor.doc.docChanged) saved_ = static_cast<std::ptrdiff_t>(position_);
    // Back at the saved state (an operation that changed nothing but the mark).
    editor.doc.docChanged = saved_ != static_cast<std::ptrdiff_t>(position_);
    name_.clear();
}

void History::fold(const Lines& now) {
    Step* below = position_ > 0 ? &steps_[position_ - 1] : nullptr;
    Step* above = position_ < steps_.size() ? &steps_[position_] : nullptr;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] == current_[i]) continue;
        for (Step* step : {below, above}) {
            if (!step) continue;
            const bool kept = std::any_of(step->other.begin(), step->other.end(),
                                          [i](const auto& line) { return line.first == i; });
            if (!kept) step->other.emplace_back(static_cast<std::uint16_t>(i), current_[i]);
        }
        current_[i] = now[i];
    }
}

void History::apply(Editor& editor, Step& step) {
    for (auto& [line, content] : step.other) std::swap(current_[line], content);
    restoreState(editor, current_);
    editor.doc.docChanged = saved_ != static_cast<std::ptrdiff_t>(position_);
    ++revision_;
}

bool History::undo(Editor& editor) {
    commit(editor);
    if (!canUndo()) return false;
    --position_;
    apply(editor, steps_[position_]);
    return true;
}

bool History::redo(Editor& editor) {
    commit(editor);
    if (!canRedo()) return false;
    ++position_;
    apply(editor, steps_[position_ - 1]);
    return true;
}

std::size_t History::memoryBytes() const {
    std::size_t bytes = current_.capacity() * sizeof(std::string) + steps_.capacity() * sizeof(Step);
    for (const std::string& line : current_) bytes += heapBytes(line);
    for (const Step& step : steps_) {
        bytes += heapBytes(step.name) + step.other.capacity() * sizeof(step.other[0]);
        for (const auto& line : step.other) bytes += heapBytes(line.second);
    }
    return bytes;
}

}  // namespace qbrx
