#include "puzzlefill.h"

#include <algorithm>

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
    const std::string q = trimmed(question);
    return q.empty() || (q.rfind("Question for [", 0) == 0 && q.back() == ']');
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
    for (; next <= crosticLetters && next <= kMaxSlots; ++next) plan.targets.push_back({next, crosticLetter(doc.crostic, next)});
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
    for (const FillTarget& t : plan.targets) r.firstLetters += t.first == 0 ? '\0' : static_cast<char>(lowerChar(t.first));
    r.exclude = plan.written;
    r.seed = seed;
    return r;
}

FillLexicon fillLexicon(const Dictionary& dictionary) {
    std::vector<std::string_view> words;
    std::vector<int> levels;
    words.reserve(dictionary.loadedWords());
    for (std::int32_t k = 1; k <= dictionary.loadedWords(); ++k) {
        words.push_back(dictionary.wordList(k));
        levels.push_back(dictionary.level(k));
    }
    return FillLexicon(words, levels);
}

int acceptFill(Editor& editor, const FillPlan& plan, const std::vector<std::string>& words,
               const std::vector<std::string>& questions) {
    int written = 0;
    for (std::size_t i = 0; i < plan.targets.size() && i < words.size(); ++i) {
        if (words[i].empty()) continue;
        const FillTarget& t = plan.targets[i];
        Document& doc = editor.doc;
        // A new slot is the empty one after the last filled slot.
        const int slot = std::min(t.slot, doc.questionCount + 1);
        if (slot > kMaxSlots) break;
        std::string word = words[i];
        if (t.first != 0 && t.first >= 'A' && t.first <= 'Z') word[0] = static_cast<char>(upperChar(word[0]));
        editor.selectListRow(slot - 1);
        const std::string question = slot <= doc.questionCount ? doc.question[slot] : std::string();
        editor.view.questionBox = isProgramQuestion(question) ? std::string() : question;
        if (editor.view.questionBox.empty() && i < questions.size()) editor.view.questionBox = questions[i];
        editor.view.answerBox = word;
        editor.acceptButton();
        ++written;
    }
    return written;
}

}  // namespace qbrx
