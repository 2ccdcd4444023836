// SPDX-License-Identifier: GPL-3.0-or-later
// The bench puzzles as Suggest Answers meets them: each quotation
// registered and its crostic set up, and for every other puzzle a third of
// the answers already written, as an author who has started would. The
// written answers are fixed here (they came from a fill of the program's
// own search, seed 1000 + i), so that a change to the search leaves the
// bench set as it was.
#pragma once

#include <chrono>
#include <ctime>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "answerfill.h"
#include "benchpuzzles.h"
#include "dictionary.h"
#include "editor.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace {

constexpr int kPuzzleCount = static_cast<int>(std::size(kPuzzles));

// Per puzzle, the answers written before the fill, one per crostic letter
// in slot order, comma separated; an empty one is left to the fill.
const char* const kWrittenAnswers[] = {
    "",
    "effect,,,recover,,,notify,,,lavatory,,,encounter,,,authority,,,ethics",
    "",
    "latter,,,cheque,,,needed,,,thrown,,,school,,,remain,,,distinct,,,each,,",
    "",
    "henceforth,,,movement,,,mistrusted,,,validity,,,language,,,hospital,,,harpoon,,,election",
    "",
    "debate,,,labelled,,,alphabet,,,others,,,fewest,,,disturb,,,estimate,,,either,,,evaluate",
    "",
    "others,,,attend,,,inform,,,eating,,,rising,,,notify,,,antidote,",
    "",
    "emergency,,,adequate,,,lipreading,,,nowadays,,,emphasis,,,enhanced,,,validity,,",
    "",
    "tomorrow,,,toadstools,,,globally,,,yesterday,,,motorway,,,blissful,,,henceforth",
    "",
    "justifiable,,,newsletter,,,afterwards,,,establish,,,yourselves,,,oppression,",
    "",
    "emphasis,,,letter,,,isthmuses,,,inputted,,,others,,,outdated,,,isolates,,,husband,,,hotbed,,,gather",
    "",
    "habit,,,twenty,,,reduce,,,slower,,,remain,,,town,,,thousand,,,radium",
    "",
    "defeat,,,news,,,emphasis,,,thrown,,,nation,,,each,,,threat,,,issue,,",
    "",
    "disrupt,,,kettle,,,stream,,,disparate,,,though,",
    "",
    "keep,,,euphemism,,,nippy,,,ail,,,yearly",
    "",
    "fairly,,,self,,,other,,,needed,,,thin,,,each,",
    "",
    "prefer,,,than,,,mostly,,,cheque,,,notify,",
    "",
    "poem,,,army,,,lesser,,,order,,,earliest,,,nice,,,inject,,,tire,,,needs,,,tone,,,uniform,,,trend,,,shoe,,"
    ",toss,,",
};
static_assert(std::size(kWrittenAnswers) == std::size(kPuzzles));

const qbrx::Dictionary& dictionary() {
    static const qbrx::Dictionary dict = [] {
        qbrx::Dictionary d;
        qbrx::loadDictionary(d, QBRX_DATA_DIR);
        return d;
    }();
    return dict;
}

const qbrx::FillLexicon& lexicon() {
    static const qbrx::FillLexicon lex = qbrx::fillLexicon(dictionary());
    return lex;
}

// CPU time of this thread: the machine the bench runs on is shared, and wall
// time there says as much about the other programs as about this one.
[[maybe_unused]] double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

[[maybe_unused]] double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The request the dialog makes with its defaults (answers of 3 to 12 letters).
qbrx::FillRequest benchRequest(const qbrx::FillPlan& plan, std::uint64_t seed) {
    return qbrx::fillRequest(plan, seed, qbrx::FillChoices{});
}

struct Puzzle {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random{7};
    qbrx::Editor editor{prompter, random};
    qbrx::FillPlan plan;
};

std::unique_ptr<Puzzle> makePuzzle(int i) {
    auto p = std::make_unique<Puzzle>();
    qbrx::Editor& ed = p->editor;
    ed.startUp();
    ed.view.quoteBox = kPuzzles[i].text;
    ed.registerButton();
    p->prompter.inputs.push_back(std::string(kPuzzles[i].crostic));
    ed.setupCrostic();
    p->plan = qbrx::planFill(ed.doc, 0);
    const std::string written = kWrittenAnswers[i];
    if (!written.empty()) {
        std::vector<std::string> words;
        std::istringstream in(written);
        for (std::string w; std::getline(in, w, ',');) words.push_back(w);
        words.resize(p->plan.targets.size());
        qbrx::acceptFill(ed, p->plan, words);
        p->plan = qbrx::planFill(ed.doc, 0);
    }
    return p;
}

}  // namespace
