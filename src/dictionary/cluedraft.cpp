// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluedraft.h"

#include <algorithm>
#include <iterator>

#include "questioncheck.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr std::string_view kEllipsis = "...";

// Endings that make an inflection or a derived word of a stem.
constexpr std::string_view kSuffixes[] = {
    "s",     "es",   "ed",   "d",    "ing",  "ings",  "er",   "ers",  "est",   "ly",  "ness", "ful", "fully",
    "less",  "able", "ably", "ible", "ment", "ments", "y",    "ish",  "ism",   "ist", "ists", "ity", "ities",
    "ies",   "ied",  "ier",  "iest", "ily",  "iness", "ion",  "ions", "ation", "al",  "ally", "ive", "ward",
    "wards", "like", "hood", "ship", "dom",  "ance",  "ence", "ery",  "ry",    "ize", "ise",  "en",  "ous"};
// Prefixes that make a word of a stem (unhappy, outrun).
constexpr std::string_view kPrefixes[] = {
    "un",    "re", "dis", "over", "under",   "out",  "pre", "non",  "mis",  "in",    "im", "sub",  "super",
    "inter", "co", "de",  "anti", "counter", "fore", "mid", "self", "semi", "trans", "up", "down", "back"};
// Inflectional endings and what replaces them, to find a word's stem.
struct Ending {
    std::string_view ending, replacement;
};
constexpr Ending kEndings[] = {{"ies", "y"},   {"ied", "y"}, {"ier", "y"}, {"iest", "y"}, {"ily", "y"},
                               {"iness", "y"}, {"es", ""},   {"s", ""},    {"ed", ""},    {"ed", "e"},
                               {"ing", ""},    {"ing", "e"}, {"er", ""},   {"er", "e"},   {"est", ""},
                               {"est", "e"},   {"ly", ""},   {"ness", ""}};

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The runs of letters a-z in `text`, lower-cased.
std::vector<std::string> letterWords(std::string_view text) {
    std::vector<std::string> words;
    std::string current;
    for (char c : text) {
        c = lowerAscii(c);
        if (c >= 'a' && c <= 'z') {
            current += c;
        } else if (!current.empty()) {
            words.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) words.push_back(std::move(current));
    return words;
}

template <std::size_t N>
bool listed(const std::string_view (&list)[N], std::string_view s) {
    return std::find(std::begin(list), std::end(list), s) != std::end(list);
}

// A stem of an answer with the forms it takes before an ending: itself,
// with its last consonant doubled, without a final e, with a final y turned
// to i.
struct Stem {
    std::string text;
    std::vector<std::string> variants;

    explicit Stem(std::string stem) : text(std::move(stem)), variants{text} {
        const char last = text.back();
        if (!isVowel(last) && last != 'y' && last != 'w' && last != 'x') variants.push_back(text + last);
        if (last == 'e' && text.size() > 2) variants.push_back(text.substr(0, text.size() - 1));
        if (last == 'y' && text.size() > 2) variants.push_back(text.substr(0, text.size() - 1) + "i");
    }
};

// The stems the answer stands for: the answer's letters run together, each
// word of three letters or more in it, and the base forms of all of them.
std::vector<Stem> answerStems(std::string_view answer, const Definitions& definitions) {
    const std::vector<std::string> words = letterWords(answer);
    std::vector<std::string> stems;
    std::string joined;
    for (const std::string& w : words) joined += w;
    auto add = [&stems](std::string_view s) {
        if (s.size() >= 2 && std::find(stems.begin(), stems.end(), s) == stems.end()) stems.emplace_back(s);
    };
    add(joined);
    if (words.size() > 1)
        for (const std::string& w : words)
            if (w.size() >= 3) add(w);
    for (std::size_t i = 0, n = stems.size(); i < n; ++i)
        for (std::string_view base : definitions.bases(stems[i])) add(base);
    return std::vector<Stem>(stems.begin(), stems.end());
}

// The word and the stems its inflection may come from.
std::vector<std::string> wordStems(const std::string& word, const Definitions& definitions) {
    std::vector<std::string> stems{word};
    for (std::string_view base : definitions.bases(word)) stems.emplace_back(base);
    for (const Ending& e : kEndings) {
        if (word.size() < e.ending.size() + 2 ||
            word.compare(word.size() - e.ending.size(), e.ending.size(), e.ending) != 0)
            continue;
        std::string stem = word.substr(0, word.size() - e.ending.size());
        stems.push_back(stem + std::string(e.replacement));
        // A doubled final consonant: running, runner.
        const std::size_t n = stem.size();
        if (e.replacement.empty() && n >= 3 && stem[n - 1] == stem[n - 2] && !isVowel(stem[n - 1]))
            stems.push_back(stem.substr(0, n - 1));
    }
    return stems;
}

// True when `word` (a stem of a text's word) is `stem`, a derived word of
// it or a compound with it.
bool formOf(const std::string& word, const Stem& s, const Definitions& definitions) {
    const std::string& stem = s.text;
    if (word == stem) return true;
    // Every test below needs the stem at the word's start or end, or a long stem.
    if (word.size() < stem.size() ||
        (word.front() != stem.front() && word.back() != stem.back() && stem.size() < 5))
        return false;
    for (const std::string& v : s.variants) {
        if (word.size() <= v.size() || word.compare(0, v.size(), v) != 0) continue;
        const std::string_view rest = std::string_view(word).substr(v.size());
        if (listed(kSuffixes, rest) || (v == stem && rest.size() >= 3 && definitions.holds(rest)))
            return true;
    }
    if (word.size() > stem.size() && word.compare(word.size() - stem.size(), stem.size(), stem) == 0) {
        const std::string_view head = std::string_view(word).substr(0, word.size() - stem.size());
        if (listed(kPrefixes, head) || (head.size() >= 3 && definitions.holds(head))) return true;
    }
    // A long stem is given away wherever it appears.
    return stem.size() >= 5 && word.find(stem) != std::string::npos;
}

bool mentionsStems(const std::vector<std::string>& words, const std::vector<Stem>& stems,
                   const Definitions& definitions) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::vector<std::string> candidates = wordStems(words[i], definitions);
        // Two words that make the answer together (ice cream).
        if (i + 1 < words.size()) candidates.push_back(words[i] + words[i + 1]);
        for (const std::string& c : candidates)
            for (const Stem& stem : stems)
                if (formOf(c, stem, definitions)) return true;
    }
    return false;
}

// Cuts `text` at the parenthesis that closes the one opened at `open`;
// npos when it is not closed.
std::size_t closingParenthesis(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

std::size_t openingParenthesis(std::string_view text, std::size_t close) {
    int depth = 0;
    for (std::size_t i = close + 1; i-- > 0;) {
        if (text[i] == ')') ++depth;
        if (text[i] == '(' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view s, std::string_view also = "") {
    auto strip = [also](char c) { return c == ' ' || c == '\t' || also.find(c) != std::string_view::npos; };
    while (!s.empty() && strip(s.front())) s.remove_prefix(1);
    while (!s.empty() && strip(s.back())) s.remove_suffix(1);
    return s;
}

// Without parentheticals at its start and its end.
std::string_view withoutParentheticals(std::string_view s) {
    for (;;) {
        s = trimmed(s, ",;:");
        if (!s.empty() && s.front() == '(') {
            const std::size_t close = closingParenthesis(s, 0);
            if (close == std::string_view::npos || close + 1 >= s.size()) return s;
            s.remove_prefix(close + 1);
        } else if (!s.empty() && s.back() == ')') {
            const std::size_t open = openingParenthesis(s, s.size() - 1);
            if (open == std::string_view::npos || open == 0) return s;
            s = s.substr(0, open);
        } else {
            return s;
        }
    }
}

// The longest start of `s` that ends at one of `separator` and fits `room`.
std::string_view upToLast(std::string_view s, std::string_view separator, std::size_t room) {
    std::size_t cut = std::string_view::npos;
    for (std::size_t at = s.find(separator); at != std::string_view::npos && at <= room;
         at = s.find(separator, at + 1))
        cut = at;
    return cut == std::string_view::npos ? std::string_view() : s.substr(0, cut);
}

}  // namespace

std::string tidyClue(std::string_view gloss) {
    std::string_view s = withoutParentheticals(gloss);
    std::string clue;
    if (s.size() <= kClueLength) {
        clue = s;
    } else if (const std::string_view clauses = withoutParentheticals(upToLast(s, "; ", kClueLength));
               !clauses.empty()) {
        clue = clauses;
    } else {
        std::string_view words = upToLast(s, " ", kClueLength - kEllipsis.size());
        // Not in the middle of a parenthesis.
        if (const std::size_t open = words.rfind('(');
            open != std::string_view::npos && words.find(')', open) == std::string_view::npos)
            words = words.substr(0, open);
        words = trimmed(words, ",;:");
        if (words.empty()) words = s.substr(0, kClueLength - kEllipsis.size());
        clue = std::string(words) + std::string(kEllipsis);
    }
    std::replace(clue.begin(), clue.end(), '`', '\'');
    if (!clue.empty() && clue[0] >= 'a' && clue[0] <= 'z') clue[0] = static_cast<char>(clue[0] - 'a' + 'A');
    return clue;
}

bool givesAway(std::string_view text, std::string_view answer, const Definitions& definitions) {
    return mentionsStems(letterWords(text), answerStems(answer, definitions), definitions);
}

std::vector<std::string> draftClues(const Definitions& definitions, std::string_view answer,
                                    const std::vector<std::string>& otherAnswers) {
    std::vector<std::string> drafts;
    std::string key;
    for (const std::string& w : letterWords(answer)) key += w;
    if (key.empty()) return drafts;
    std::vector<Stem> stems = answerStems(answer, definitions);
    for (const std::string& other : otherAnswers)
        if (letterWords(other) != letterWords("no answer"))
            for (Stem& stem : answerStems(other, definitions)) stems.push_back(std::move(stem));
    for (const Sense& sense : definitions.senses(key)) {
        std::string clue = tidyClue(sense.gloss);
        if (clue.empty() || std::find(drafts.begin(), drafts.end(), clue) != drafts.end()) continue;
        if (!mentionsStems(letterWords(clue), stems, definitions)) drafts.push_back(std::move(clue));
    }
    return drafts;
}

std::vector<std::string> draftForEach(const Definitions& definitions, const std::vector<std::string>& words,
                                      const std::vector<std::string>& writtenAnswers) {
    std::vector<std::string> drafts;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::vector<std::string> others = writtenAnswers;
        for (std::size_t k = 0; k < words.size(); ++k)
            if (k != i) others.push_back(words[k]);
        const std::vector<std::string> clues =
            words[i].empty() ? std::vector<std::string>() : draftClues(definitions, words[i], others);
        drafts.push_back(clues.empty() ? std::string() : clues.front());
    }
    return drafts;
}

std::string describeSenses(const Definitions& definitions, std::string_view word, std::size_t count) {
    std::string text;
    const std::vector<Sense> senses = definitions.senses(word);
    for (std::size_t i = 0; i < senses.size() && i < count; ++i)
        text += (i > 0 ? "\n" : "") + std::string(partOfSpeechName(senses[i].partOfSpeech)) + ": " +
                std::string(senses[i].gloss);
    return text;
}

std::optional<DraftChoice> nextDraft(const std::vector<std::string>& drafts, std::string_view question) {
    if (drafts.empty()) return std::nullopt;
    const auto at = std::find(drafts.begin(), drafts.end(), question);
    if (at != drafts.end()) return DraftChoice{at + 1 == drafts.end() ? drafts.front() : *(at + 1), false};
    const std::string_view typed = trimmed(question);
    const bool programs = typed.empty() || isPlaceholderQuestion(std::string(typed));
    return DraftChoice{drafts.front(), !programs};
}

}  // namespace qbrx
