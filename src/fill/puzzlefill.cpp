// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefill.h"

#include <algorithm>
#include <fstream>

#include "questioncheck.h"
#include "text.h"

namespace qbrx {

namespace {

bool isLetter(char c) { return isAlphabetLetter(static_cast<unsigned char>(c)); }

int letterIndex(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return -1;
}

std::string trimmed(const std::string& s) {
    const std::size_t end = s.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// The letter of the crostic that belongs to `slot` (its slot-th letter), 0
// when the crostic has none for it.
char crosticLetter(const std::string& crostic, int slot) {
    int k = 0;
    for (char c : crostic)
        if (isLetter(c) && ++k == slot) return c;
    return 0;
}

bool isProgramQuestion(const std::string& question) {
    return trimmed(question).empty() || isPlaceholderQuestion(question);
}

}  // namespace

bool answerCountsAsEmpty(const std::string& answer) {
    const std::string a = trimmed(answer);
    return a.empty() || a == "no answer" || (a.size() == 1 && isLetter(a[0]));
}

FillPlan planFill(const Document& doc, int addSlots) {
    FillPlan plan;
    for (int l = 0; l < 26; ++l) plan.letters[l] = doc.letterLeftCount[l + 1];
    int crosticLetters = 0;
    for (char c : doc.crostic) crosticLetters += isLetter(c) ? 1 : 0;

    for (int q = 1; q <= doc.questionCount; ++q) {
        const std::string a = trimmed(doc.answer[q]);
        if (!answerCountsAsEmpty(a)) {
            plan.written.push_back(lower(a));
            continue;
        }
        FillTarget t;
        t.slot = q;
        const char c = crosticLetter(doc.crostic, q);
        if (a.size() == 1)
            t.first = c != 0 && upperChar(c) == upperChar(a[0]) ? c : a[0];
        else if (c != 0 && !(a == "no answer" && c == 'n'))
            // A "no answer" slot put its own "n" into a crostic nobody typed.
            t.first = c;
        plan.targets.push_back(t);
        // The letters this slot holds now go back to the fill.
        for (std::size_t k = 0; k < a.size() && k < static_cast<std::size_t>(kAnswerCells); ++k)
            if (doc.answerLetterNo[q][k + 1] > 0 && letterIndex(a[k]) >= 0) ++plan.letters[letterIndex(a[k])];
    }
    int next = doc.questionCount + 1;
    // Crostic letters beyond the last slot ask for slots of their own.
    for (; next <= crosticLetters && next <= kMaxSlots; ++next)
        plan.targets.push_back({next, crosticLetter(doc.crostic, next)});
    for (int i = 0; i < addSlots && next <= kMaxSlots; ++i, ++next) {
        plan.targets.push_back({next, 0});
        ++plan.addedSlots;
    }
    return plan;
}

int suggestedNewSlots(const Document& doc) {
    const FillPlan plan = planFill(doc, 0);
    if (!plan.targets.empty()) return 0;
    int letters = 0;
    for (int n : plan.letters) letters += n;
    const int room = std::max(0, kMaxSlots - doc.questionCount);
    return std::min(std::max((letters + 3) / 6, letters >= kFillMinWord ? 1 : 0), room);
}

FillRequest fillRequest(const FillPlan& plan, std::uint64_t seed) {
    FillRequest r;
    r.letters = plan.letters;
    for (const FillTarget& t : plan.targets)
        r.firstLetters += t.first == 0 ? '\0' : static_cast<char>(lowerChar(t.first));
    r.written = plan.written;
    r.seed = seed;
    return r;
}

FillRequest fillRequest(const FillPlan& plan, std::uint64_t seed, const FillChoices& choices) {
    FillRequest r = fillRequest(plan, seed);
    if (choices.familiarOnly) r.maxRank = kFamiliarRank;
    r.minLength = choices.minLength;
    r.maxLength = choices.maxLength;
    r.exclude = choices.never;
    r.include = choices.include;
    return r;
}

namespace {

std::string countOf(int n, char letter) {
    return std::to_string(n) + " " + std::string(1, static_cast<char>(upperChar(letter))) +
           (n == 1 ? "" : "s");
}

// How far `counts` strays from the mix of letters the words are made of.
double imbalance(const std::array<int, 26>& counts, const FillLexicon& lexicon) {
    int total = 0;
    for (int n : counts) total += n;
    double d = 0;
    for (int l = 0; l < 26; ++l) {
        const double expected = lexicon.frequency()[l] * total;
        d += (counts[l] - expected) * (counts[l] - expected) / (expected + 1.0);
    }
    return d;
}

}  // namespace

std::vector<std::string> fillAdvice(const Document& doc, const FillPlan& plan, const FillRequest& request,
                                    const FillLexicon& lexicon) {
    std::vector<std::string> advice;
    int total = 0;
    for (int n : plan.letters) total += n;
    if (total == 0 || plan.targets.empty()) return advice;

    // Letters far above their share of the words' letters, and the vowels.
    std::vector<std::string> hard;
    for (int l = 0; l < 26; ++l) {
        const double expected = lexicon.frequency()[l] * total;
        if (plan.letters[l] >= 2 && plan.letters[l] > 2 * expected + 1)
            hard.push_back(countOf(plan.letters[l], 'a' + l));
    }
    std::vector<std::string> vowels;
    int vowelCount = 0;
    for (const char v : kVowels) {
        const int n = plan.letters[v - 'a'];
        vowelCount += n;
        if (n > 0) vowels.push_back(countOf(n, v));
    }
    std::string sentence;
    if (!hard.empty()) {
        sentence = "The letters left hold ";
        for (std::size_t i = 0; i < hard.size(); ++i)
            sentence += (i == 0 ? "" : i + 1 == hard.size() ? " and " : ", ") + hard[i];
    }
    if (vowelCount * 100 < 30 * total) {
        sentence += sentence.empty() ? "The letters left hold " : ", and ";
        if (vowelCount == 0)
            sentence += "no vowel";
        else {
            sentence += "only " + std::to_string(vowelCount) + (vowelCount == 1 ? " vowel (" : " vowels (");
            for (std::size_t i = 0; i < vowels.size(); ++i) sentence += (i == 0 ? "" : ", ") + vowels[i];
            sentence += ")";
        }
        sentence += " in " + std::to_string(total) + " letters";
    }
    if (!sentence.empty()) advice.push_back(sentence + ": they are hard to place.");

    if (request.maxRank <= kFamiliarRank) advice.push_back("Allow rarer words than the familiar ones.");
    const int slots = static_cast<int>(plan.targets.size());
    if (total > (request.maxLength - 2) * slots)
        advice.push_back("Add answers, or allow longer ones: the letters left make " +
                         std::to_string(total / slots) + " letters an answer.");
    else if (total < (request.minLength + 1) * slots)
        advice.push_back("Fill fewer answers, or allow shorter ones.");

    // The written answer whose letters, given back, even out the letters left most.
    int bestSlot = 0;
    double best = imbalance(plan.letters, lexicon);
    for (int q = 1; q <= doc.questionCount; ++q) {
        const std::string a = lower(trimmed(doc.answer[q]));
        if (answerCountsAsEmpty(a)) continue;
        std::array<int, 26> back = plan.letters;
        for (char c : a)
            if (letterIndex(c) >= 0) ++back[letterIndex(c)];
        if (const double d = imbalance(back, lexicon); d < best) best = d, bestSlot = q;
    }
    if (bestSlot > 0)
        advice.push_back("Change answer " + questionLetter[static_cast<std::size_t>(bestSlot)] + " (" +
                         trimmed(doc.answer[bestSlot]) + "): its letters would even out the letters left.");
    return advice;
}

FillLexicon fillLexicon(const Dictionary& dictionary) {
    std::vector<std::string_view> words;
    std::vector<int> levels;
    std::vector<std::int32_t> bases;
    std::vector<bool> unfit;
    words.reserve(dictionary.loadedWords());
    for (std::int32_t k = 1; k <= dictionary.loadedWords(); ++k) {
        words.push_back(dictionary.wordList(k));
        levels.push_back(dictionary.level(k));
        bases.push_back(dictionary.baseWord(k) - 1);
        unfit.push_back(dictionary.unfit(k));
    }
    return FillLexicon(words, levels, bases, unfit);
}

std::string answerForm(const FillTarget& target, std::string word) {
    if (!word.empty() && target.first >= 'A' && target.first <= 'Z')
        word[0] = static_cast<char>(upperChar(static_cast<unsigned char>(word[0])));
    return word;
}

int acceptFill(Editor& editor, const FillPlan& plan, const std::vector<std::string>& words,
               const std::vector<std::string>& questions) {
    int written = 0;
    const std::string crostic = editor.doc.crostic;
    for (std::size_t i = 0; i < plan.targets.size() && i < words.size(); ++i) {
        if (words[i].empty()) continue;
        const FillTarget& t = plan.targets[i];
        Document& doc = editor.doc;
        // A new slot is the empty one after the last filled slot.
        const int slot = std::min(t.slot, doc.questionCount + 1);
        if (slot > kMaxSlots) break;
        const std::string word = answerForm(t, words[i]);
        editor.selectListRow(slot - 1);
        const std::string question = slot <= doc.questionCount ? doc.question[slot] : std::string();
        editor.view.questionBox = isProgramQuestion(question) ? std::string() : question;
        if (editor.view.questionBox.empty() && i < questions.size()) editor.view.questionBox = questions[i];
        editor.view.answerBox = word;
        const bool newSlot = slot > doc.questionCount;
        editor.acceptButton();
        if (newSlot && doc.crostic != crostic) {
            // Accept gave the new slot its first letter in the crostic.
            doc.crostic = crostic;
            editor.mapCrostic();
        }
        ++written;
    }
    return written;
}

bool readWordsFile(const std::string& path, std::vector<std::string>& words) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t begin = line.find_first_not_of(" \t\r");
        if (begin == std::string::npos) continue;
        words.push_back(lower(line.substr(begin, line.find_last_not_of(" \t\r") + 1 - begin)));
    }
    return true;
}

bool writeWordsFile(const std::string& path, const std::vector<std::string>& words) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& w : words) out << w << "\n";
    return static_cast<bool>(out);
}

}  // namespace qbrx
