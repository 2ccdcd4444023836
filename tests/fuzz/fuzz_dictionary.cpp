// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the dictionary loaders, then runs a search on
// what was loaded: nothing may crash, hang or read outside the word list,
// and the loaded values stay within the list's bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dictionary.h"
#include "fuzzsupport.h"
#include "scriptedprompter.h"
#include "wordsearch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static qbrx::Dictionary dict;
    dict.readWordList(text);
    dict.readCountIndex(text);
    dict.readLevels(text);

    const std::int32_t n = dict.loadedWords();
    fuzz::require(n >= 0 && n < qbrx::kWordCapacity);
    fuzz::require(n == 0 || n <= std::int64_t{dict.wordCount()} - 1);
    fuzz::require(dict.wordList(0).empty() && dict.wordList(n + 1).empty());
    std::size_t total = 0;
    for (std::int32_t k = 1; k <= n; ++k) total += dict.wordList(k).size();
    fuzz::require(total <= size);
    for (std::int32_t k = 0; k <= n + 1; ++k) {
        const int level = dict.level(k);
        fuzz::require(level == 0 || (level >= 10 && level <= 70));
    }
    for (int f = 0; f <= 26; ++f)
        for (int s = 0; s <= 26; ++s) {
            const std::int32_t start = dict.startIndex(f, s);
            fuzz::require(start >= 0 && start <= qbrx::kWordCapacity);
        }

    // A search from the first loaded word, in both modes, and a Next 10.
    // A scan runs over the whole list, so only one input length in 32
    // gets one: the loaders keep most of the time.
    if (size % 32 != 1) return 0;
    qbrx::Document doc;
    doc.lettersLeft = "aeeinrst";
    for (char c : doc.lettersLeft) ++doc.letterLeftCount[c - 'a' + 1];
    qbrx::ScriptedPrompter prompter;
    qbrx::WordSearch search(dict, doc, prompter);
    search.txtDict = std::string(dict.wordList(1));
    if (search.txtDict.empty()) search.txtDict = "e";
    search.check();
    search.allWords();
    search.check();
    search.familiarWords(true);
    search.nextTen();
    search.keyPressed(qbrx::DictKey::PageUp);
    fuzz::require(search.lstDict.size() <= 30);
    return 0;
}
