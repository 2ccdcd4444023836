// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the definitions reader, then drafts clues for
// the words read: nothing may crash or hang, and every draft fits the
// clue length and names none of the words it was drafted against.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cluedraft.h"
#include "definitions.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qbrx::Definitions definitions;
    definitions.read(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> words;
    for (std::size_t i = 0; i < definitions.wordCount() && i < 8; ++i)
        words.emplace_back(definitions.word(i));
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (const qbrx::Sense& sense : definitions.senses(words[i])) {
            const std::string clue = qbrx::tidyClue(sense.gloss);
            fuzz::require(clue.size() <= qbrx::kClueLength);
        }
        const std::vector<std::string> others(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                              words.end());
        for (const std::string& draft : qbrx::draftClues(definitions, words[i], others)) {
            fuzz::require(draft.size() <= qbrx::kClueLength);
            fuzz::require(!qbrx::givesAway(draft, words[i], definitions));
        }
    }
    return 0;
}
