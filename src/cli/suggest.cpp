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
#include "preferences.h"
#include "puzzlefill.h"

namespace qbrx {

namespace {

// The search gives up when it has found nothing for this long; without an
// exact set after the first part of it, sets with gaps are looked for.
constexpr std::chrono::seconds kSearchTime{30};
constexpr std::chrono::seconds kExactTime{10};

}  // namespace

bool suggestFills(Editor& editor, const CommandLine& cl, std::ostream& out, std::ostream& err) {
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
    const std::uint64_t seed = cl.seed ? *cl.seed : static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    AnswerFiller filler(lexicon, fillRequest(plan, seed));
    const std::size_t wanted = static_cast<std::size_t>(std::max(cl.suggest, 1));
    const auto start = std::chrono::steady_clock::now();
    while (filler.fills().size() < wanted && std::chrono::steady_clock::now() < start + kSearchTime &&
           filler.run(2000))
        if (filler.fills().empty() && std::chrono::steady_clock::now() > start + kExactTime) filler.lookForGapsNow();
    const std::vector<Fill>& fills = filler.fills();
    if (fills.empty()) {
        err << cl.program << ": no set of " << plan.targets.size() << " answers fits the " << filler.lettersLeft()
            << " letters left\n";
        return false;
    }
    if (fills.front().gaps > 0)
        err << cl.program << ": no set of answers uses exactly the letters left; "
            << (fills.size() == 1 ? "this one leaves " : "these leave ") << fills.front().gaps
            << (fills.front().gaps == 1 ? " gap" : " gaps") << "\n";
    for (std::size_t i = 0; i < fills.size() && i < static_cast<std::size_t>(cl.suggest); ++i) {
        for (std::size_t k = 0; k < fills[i].words.size(); ++k) out << (k > 0 ? " " : "") << fills[i].words[k];
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
