// SPDX-License-Identifier: GPL-3.0-or-later
// --suggest and --fill: answers for the empty slots, found from the word
// list that qbrx.ini names.
#include <algorithm>
#include <chrono>
#include <ostream>

#include "answerfill.h"
#include "cluedraft.h"
#include "commandline.h"
#include "dictionary.h"
#include "editor.h"
#include "fillsearch.h"
#include "preferences.h"
#include "puzzlefill.h"
#include "text.h"

namespace qbrx {

namespace {

// The search stops when it has found nothing for this long, and says so.
constexpr std::chrono::seconds kSearchTime{30};

bool parseLength(const std::string& text, int& n) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    n = std::stoi(text);
    return n >= kFillMinWord && n <= kFillMaxWord;
}

}  // namespace

bool isFillOption(const std::string& name) { return name == "--familiar-only" || fillOptionTakesValue(name); }

bool fillOptionTakesValue(const std::string& name) {
    return name == "--min-length" || name == "--max-length" || name == "--exclude" || name == "--include";
}

std::string setFillOption(FillOptions& options, const std::string& name, const std::string& value) {
    if (name == "--familiar-only") {
        options.familiarOnly = true;
    } else if (name == "--min-length" || name == "--max-length") {
        int n = 0;
        if (!parseLength(value, n))
            return name + " needs a number of letters from " + std::to_string(kFillMinWord) + " to " +
                   std::to_string(kFillMaxWord) + ", not '" + value + "'";
        (name == "--min-length" ? options.minLength : options.maxLength) = n;
    } else if (name == "--exclude") {
        if (value.empty()) return "--exclude needs a file name";
        options.excludeFile = value;
    } else {
        for (std::size_t start = 0; start <= value.size();) {
            const std::size_t comma = std::min(value.find(',', start), value.size());
            const std::string word = value.substr(start, comma - start);
            if (!word.empty()) options.include.push_back(lower(word));
            start = comma + 1;
        }
        if (options.include.empty()) return "--include needs words separated by commas";
    }
    return "";
}

bool suggestFills(Editor& editor, const CommandLine& cl, std::ostream& out, std::ostream& err) {
    if (cl.fill.minLength > cl.fill.maxLength) {
        err << cl.program << ": --min-length " << cl.fill.minLength << " is more than --max-length "
            << cl.fill.maxLength << "\n";
        return false;
    }
    FillChoices choices;
    choices.familiarOnly = cl.fill.familiarOnly;
    choices.minLength = cl.fill.minLength;
    choices.maxLength = cl.fill.maxLength;
    choices.include = cl.fill.include;
    if (!cl.fill.excludeFile.empty() && !readWordsFile(cl.fill.excludeFile, choices.never)) {
        err << cl.program << ": cannot read " << cl.fill.excludeFile << "\n";
        return false;
    }

    std::string folder = cl.dictionaryFolder;
    if (folder.empty()) folder = knownDictionaryFolder(PreferenceLocations::forProgram()).value_or("");
    Dictionary dictionary;
    if (!folder.empty()) loadDictionary(dictionary, folder);
    if (dictionary.loadedWords() == 0) {
        err << cl.program << ": no word list to suggest answers from"
            << (folder.empty() ? std::string(" (no qbrx.ini names its folder)") : " in " + folder) << "\n";
        return false;
    }

    const FillPlan plan = planFill(editor.doc, suggestedNewSlots(editor.doc));
    if (plan.targets.empty()) {
        err << cl.program << ": no empty answer to fill, and no letters left for a new one\n";
        return false;
    }
    const FillLexicon lexicon = fillLexicon(dictionary);
    const std::uint64_t seed =
        cl.seed ? *cl.seed
                : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const FillRequest request = fillRequest(plan, seed, choices);
    FillSearch search(lexicon, request);
    const std::size_t wanted = static_cast<std::size_t>(std::max(cl.suggest, 1));
    const auto start = std::chrono::steady_clock::now();
    while ((search.fills().size() < wanted || !search.hasExactFill()) &&
           std::chrono::steady_clock::now() < start + kSearchTime && search.run(2000)) {
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::vector<Fill>& fills = search.fills();
    for (const std::string& word : choices.include)
        if (std::find(search.included().begin(), search.included().end(), word) == search.included().end())
            err << cl.program << ": " << word << " does not fit the letters left and is left out\n";
    if (!search.hasExactFill()) {
        err << cl.program << ": no set of " << plan.targets.size()
            << (plan.targets.size() == 1 ? " answer" : " answers") << " uses exactly the "
            << search.lettersLeft() << " letters left";
        if (search.provedNone())
            err << " (the search went through every possibility)";
        else
            err << " (searched for " << static_cast<int>(seconds + 0.5) << " s)";
        if (!fills.empty())
            err << "; " << (fills.size() == 1 ? "this one leaves " : "these leave ") << fills.front().gaps
                << (fills.front().gaps == 1 ? " gap" : " gaps");
        err << "\n";
        for (const std::string& line : fillAdvice(editor.doc, plan, request, lexicon))
            err << "  " << line << "\n";
        if (fills.empty()) return false;
    }
    for (std::size_t i = 0; i < fills.size() && i < static_cast<std::size_t>(cl.suggest); ++i) {
        for (std::size_t k = 0; k < fills[i].words.size(); ++k)
            out << (k > 0 ? " " : "") << fills[i].words[k];
        out << "\n";
    }
    for (const OutputRequest& r : cl.outputs)
        if (r.option == "--fill") {
            std::vector<std::string> questions;
            if (cl.clues) {
                Definitions definitions;
                definitions.load(folder);
                questions = draftForEach(definitions, fills.front().words, plan.written);
            }
            acceptFill(editor, plan, fills.front().words, questions);
            break;
        }
    return true;
}

}  // namespace qbrx
