// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor.h"

#include <algorithm>
#include <string>
#include <utility>

#include "gridcells.h"
#include "numeric.h"
#include "questioncheck.h"
#include "text.h"

namespace qbrx {

namespace {

constexpr char kUsedMark = '_';
constexpr const char* kPlaceholder = "Question for";

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

bool validSlot(int slot) { return slot >= 1 && slot <= kMaxSlots; }

const std::string& questionOf(const Document& doc, int slot) {
    return validSlot(slot) ? doc.question[slot] : emptyText();
}

const std::string& marksOf(const Document& doc, int slot) {
    return validSlot(slot) ? doc.answerMarks[slot] : emptyText();
}

bool isLetter(char c) { return isAlphabetLetter(static_cast<unsigned char>(c)); }

bool startsWithPlaceholder(const std::string& text) { return text.compare(0, 12, kPlaceholder) == 0; }

// The quotation box never holds more than the letter tables can number.
void cutQuote(std::string& text) {
    if (text.size() > static_cast<std::size_t>(kMaxQuote)) text.resize(kMaxQuote);
}

// Appends c to the crostic unless that would make it longer than it can be.
void appendToCrostic(std::string& crostic, char c) {
    if (crostic.size() < static_cast<std::size_t>(kMaxCrostic)) crostic += c;
}

DrawOp boxOp(int x1, int y1, int x2, int y2, Rgb border, std::optional<Rgb> fill) {
    DrawOp op;
    op.kind = DrawOp::Kind::Box;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.border = border;
    op.fill = fill;
    return op;
}

DrawOp textOp(int x, int y, std::string s, int fontSize, Rgb color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x1 = x;
    op.y1 = y;
    op.text = std::move(s);
    op.fontSize = fontSize;
    op.color = color;
    return op;
}

bool sameLetter(char a, char b) {
    return upperChar(static_cast<unsigned char>(a)) == upperChar(static_cast<unsigned char>(b));
}

}  // namespace

std::string crosticMismatchQuestion(const std::string& answer, char letter) {
    return "\"" + answer + "\" does not start with " + std::string(1, letter) +
           ", the letter of the crostic for this question.\r"
           "Accept it anyway? The crostic stays as you typed it, and its letter is marked.";
}

std::string keepCrosticSlotQuestion(int slot, char letter) {
    return "Question " + questionLetter[static_cast<std::size_t>(slot)] + " holds the letter " +
           std::string(1, letter) +
           " of your crostic.\r"
           "Click Yes to keep the question with only its crostic letter, or No to delete it and take " +
           std::string(1, letter) + " out of the crostic.";
}

Editor::Editor(Prompter& prompter, RandomSource& random) : prompter_(prompter), random_(random) {}

// ---------------------------------------------------------------- start-up

void Editor::startUp() {
    history.replaced();
    doc.quoteRegistered = false;
    view.quoteBox = kQuotePrompt;
    view.quoteSelection = TextSelection{0, 256};
    view.focus = Focus::Quote;
    doc.currentQuestion = 0;
    doc.docChanged = false;
    doc.crosticOnWritten = true;
    view.fileMenusEnabled = false;
    view.controlsEnabled = false;
    doc.header.nameBlank = kNameBlank;
    doc.header.periodBlank = kPeriodBlank;
    doc.header.dateBlank = kDateBlank;
    doc.header.instructions = kMiniInstructions;
    view.listRows = {listPrefix[1]};
    view.selectedRow = -1;
    selectListRow(0);
}

// ----------------------------------------------------- registration, stock

void Editor::registerButton() {
    history.name("Register");
    doc.quoteRegistered = true;
    cutQuote(view.quoteBox);
    registerQuotation(doc.currentQuestion);
    countLetters();
    mapCrosticSlots();
    view.quoteTabStop = false;
    view.questionTabStop = true;
    view.crosticOffTabStop = false;
    view.gridLogoVisible = false;
    showGridWindow();
    view.markersVisible = false;
    view.registerCaption = "Register";
    advanceToEmptyAnswer(std::max(doc.currentQuestion, 1));
}

void Editor::quoteEnter() {
    history.name("Register");
    cutQuote(view.quoteBox);
    registerQuotation(doc.currentQuestion);
}

void Editor::registerQuotation(int& slot) {
    if (view.quoteBox.empty()) {
        MessageRequest m;
        m.text = std::string("You need a quotation.  Possible Sources:") + "\n" +
                 "Bartlett's Familiar Quotations, The Oxford Dictionary of Quotations, "
                 "or the Internet {search for \"Quotations\"}";
        m.title = "Missing Quotation";
        m.buttons = Buttons::Ok;
        m.icon = Icon::Exclamation;
        prompter_.message(m);
        return;
    }
    doc.docChanged = true;

    std::string text = view.quoteBox;
    cutQuote(text);
    cleanQuotation(text);
    const bool kept = keepNumbers(text);
    doc.quotation = text;
    view.quoteBox = text;
    doc.quoteLength = static_cast<int>(text.size());
    numberLetters();

    // Otherwise every letter is free again; the answers draw their letters
    // afresh, in slot order, so earlier slots have first pick.
    if (!kept) {
        doc.letterPool = upper(doc.quotation);
        for (int k = 1; k <= doc.questionCount; ++k) encodeAnswer(k);
    }

    geometry = computeGridGeometry(doc.quoteLength);
    drawQuoteGrid();
    showLettersLeft();
    showGridWindow();
    enableControls();
    showEncoding(slot);
    mapCrostic();
    enableFileMenus();
}

std::string Editor::cleanQuotation(std::string& text) {
    // Straight double quotes become opening or closing marks, left to right:
    // closing when a space follows or the mark ends the text.
    for (std::size_t p = text.find('"'); p != std::string::npos; p = text.find('"')) {
        const bool closing = p + 1 == text.size() || text[p + 1] == ' ';
        text[p] = static_cast<char>(closing ? 211 : 210);
    }
    // Runs of spaces shrink to one space.
    for (std::size_t p = text.find("  "); p != std::string::npos; p = text.find("  ", p))
        text.erase(p + 1, 1);
    return text;
}

void Editor::numberLetters() {
    int n = 1;
    for (int p = 1; p <= doc.quoteLength && p <= kMaxQuote; ++p) {
        if (isNumberedLetter(static_cast<unsigned char>(doc.quotation[p - 1]))) {
            doc.positionLetterNo[p] = static_cast<std::int16_t>(n);
            ++n;
        }
    }
}

void Editor::countLetters() {
    const std::string up = upper(doc.quotation);
    doc.totalLetters =
        static_cast<int>(std::count_if(up.begin(), up.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
    view.totalLetters = std::to_string(doc.totalLetters);
}

void Editor::showLettersLeft() {
    doc.lettersLeft.clear();
    int total = 0;
    int vowels = 0;
    for (int n = 1; n <= 26; ++n) {
        const char letter = static_cast<char>('A' + n - 1);
        const int count = static_cast<int>(std::count(doc.letterPool.begin(), doc.letterPool.end(), letter));
        doc.letterLeftCount[n] = static_cast<std::int16_t>(count);
        doc.lettersLeft.append(static_cast<std::size_t>(count), static_cast<char>('a' + n - 1));
        total += count;
        if (isVowel(static_cast<char>('a' + n - 1))) vowels += count;
        view.lettersLeft[n - 1] = std::to_string(count);
    }
    view.lettersLeft[26] = std::to_string(total);
    view.totalLetters = std::to_string(doc.totalLetters);
    view.vowels = std::to_string(vowels);
    view.consonants = std::to_string(total - vowels);
    view.averageLength = averageAnswerLength(doc, total);
}

std::string averageAnswerLength(const Document& doc, int lettersLeft) {
    // An empty answer holds nothing or its crostic letter alone; that
    // letter, taken from the stock already, is part of the answer to come.
    int empty = 0;
    int held = 0;
    for (int s = 1; s <= doc.questionCount; ++s) {
        const std::size_t length = doc.answer[s].size();
        if (length > 1) continue;
        ++empty;
        held += static_cast<int>(length);
    }
    if (empty == 0) return {};
    const int tenths = ((lettersLeft + held) * 20 + empty) / (2 * empty);  // rounded to the nearest tenth
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

void Editor::enableFileMenus() { view.fileMenusEnabled = true; }

// ------------------------------------------------------ acceptance, encoding

void Editor::acceptButton() {
    focusQuestionOrQuote();
    if (view.questionBox.empty() && view.answerBox.empty()) return;
    if (view.selectedRow >= 0) {
        doc.currentQuestion = view.selectedRow + 1;
    } else if (!(doc.questionCount == kMaxSlots && doc.currentQuestion > kMaxSlots)) {
        // No row selected. After the fiftieth answer the empty row cannot be
        // selected, and the slot stays the (unavailable) 51st.
        doc.currentQuestion = 1;
    }
    if (doc.currentQuestion > kMaxSlots) {
        prompter_.message({kSlotsFullMessage, std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return;
    }
    if (view.questionBox.empty()) view.questionBox = placeholderQuestion(view.answerBox);
    acceptAnswer(doc.currentQuestion);
}

void Editor::acceptAnswer(int& slot) {
    int q = slot;
    if (q < 1) return;
    if (q > kMaxSlots) {
        prompter_.message({kSlotsFullMessage, std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return;
    }
    // A slot beyond the empty one is the empty one.
    q = std::min(q, doc.questionCount + 1);
    history.name("Accept Question " + questionLetter[q]);

    doc.docChanged = true;
    std::string a = view.answerBox;
    std::string t = view.questionBox;
    trimRight(a);
    trimRight(t);
    const bool noAnswer = a.empty();
    if (a.empty()) {
        a = "no answer";
        view.answerBox = a;
    }
    doc.question[q] = t;
    // Rebuilding the list drops its selection; a refused answer keeps the row
    // the author stood on, so the next Accept goes to the same slot.
    const int rowBefore = view.selectedRow;
    fillQuestionList();

    // The answer needs a letter after its first character, and the used
    // mark would match taken letters of the stock.
    const bool hasLetter = std::any_of(a.begin() + 1, a.end(), isLetter);
    if (!hasLetter || a.find(kUsedMark) != std::string::npos) {
        prompter_.beep();
        view.answerBox = doc.answer[q].empty() ? std::string("no answer") : doc.answer[q];
        view.focus = Focus::Answer;
        view.selectedRow = rowBefore;
        return;
    }
    if (a.size() > static_cast<std::size_t>(kMaxAnswer)) {
        MessageRequest m;
        m.text = std::string("Answer is limited to 24 characters") + "\n" +
                 "If you continue, your answer will be truncated";
        m.title = "Answer Limit";
        m.buttons = Buttons::OkCancel;
        m.icon = Icon::Exclamation;
        if (prompter_.message(m) != Reply::Ok) {
            view.selectedRow = rowBefore;
            return;
        }
        a.resize(kMaxAnswer);
    }
    // The author's crostic is theirs: an answer that does not start with
    // its letter is asked about (an empty one is no answer to ask about),
    // and then leaves the crostic alone.
    const char letter = crosticLetterOf(q);
    const bool mismatch = letter != 0 && !noAnswer && !sameLetter(a[0], letter);
    if (mismatch && prompter_.message({crosticMismatchQuestion(a, letter), "Crostic", Buttons::OkCancel,
                                       Icon::Exclamation, 0}) != Reply::Ok) {
        view.selectedRow = rowBefore;
        view.focus = Focus::Answer;
        return;
    }
    const bool wasEmpty = doc.answer[q].size() <= 1;
    doc.answer[q] = a;
    doc.question[q] = t;
    doc.answerMarks[q] = a;

    if (q > doc.questionCount) {
        doc.questionCount += 1;
        encodeAnswer(q);
        showLettersLeft();
        drawQuoteGrid();
        if (!doc.crosticSetUp) appendToCrostic(doc.crostic, a[0]);
        mapCrostic();
        t.clear();
        a.clear();
        ++q;
        slot = q;
    } else {
        // The new first letter takes the slot's place in the crostic; a slot
        // without a crostic character leaves the crostic as it is.
        const int pos = doc.crosticPos[q];
        if (!doc.crosticSetUp && pos >= 1 && pos <= static_cast<int>(doc.crostic.size()))
            doc.crostic[pos - 1] = doc.answer[q][0];
        registerQuotation(q);
        // A slot that waited for its answer (a crostic letter alone): the
        // author goes on to the next one, as after a new answer.
        if (wasEmpty && advanceToEmptyAnswer(q + 1)) return;
    }

    fillQuestionList();
    view.questionBox = t;
    view.answerBox = a;
    selectListRow(q - 1);
    view.focus = Focus::Question;
}

char Editor::crosticLetterOf(int slot) const {
    if (!doc.crosticSetUp || !validSlot(slot)) return 0;
    const int pos = doc.crosticPos[slot];
    if (pos < 1 || pos > static_cast<int>(doc.crostic.size())) return 0;
    const char c = doc.crostic[static_cast<std::size_t>(pos - 1)];
    return isLetter(c) ? c : 0;
}

bool Editor::advanceToEmptyAnswer(int from) {
    // The empty row counts as an empty answer; after fifty slots there is none.
    const int last = std::min(doc.questionCount + 1, kMaxSlots);
    int target = 0;
    for (int s = from; s <= last && target == 0; ++s)
        if (doc.answerOf(s).size() <= 1) target = s;
    for (int s = 1; s < from && s <= last && target == 0; ++s)
        if (doc.answerOf(s).size() <= 1) target = s;
    if (target != 0) selectListRow(target - 1);
    if (view.controlsEnabled) view.focus = Focus::Question;
    return target != 0;
}

void Editor::encodeAnswer(int& slot) {
    const int q = slot;
    if (!validSlot(q)) return;
    std::string& marks = doc.answerMarks[q];
    auto& numbers = doc.answerLetterNo[q];
    // The number table has room for 40 characters.
    const std::string word = doc.answer[q].substr(0, kAnswerCells);
    const std::string up = upper(word);
    marks = word;
    const int n = static_cast<int>(up.size());
    for (int k = 1; k <= n; ++k) {
        const char c = up[k - 1];
        numbers[k] = 0;
        if (!isNumberedLetter(static_cast<unsigned char>(c)) || c == kUsedMark) continue;
        const int start = static_cast<int>(random_.get().next() * doc.quoteLength + 1);
        std::size_t p = doc.letterPool.find(c, static_cast<std::size_t>(start - 1));
        if (p == std::string::npos) p = doc.letterPool.find(c);
        if (p == std::string::npos) continue;  // a gap: the letter stays in the marks
        numbers[k] = doc.positionLetterNo[p + 1];
        marks[k - 1] = kUsedMark;
        doc.letterPool[p] = kUsedMark;
        doc.positionOwner[p + 1] = static_cast<std::int16_t>(q);
    }
    for (int k = n + 1; k <= kAnswerCells; ++k) numbers[k] = 0;
}

void Editor::showEncoding(int& slot) {
    const std::string marks = upper(marksOf(doc, slot));
    view.encodedLine = " ";
    for (char c : marks) {
        view.encodedLine += c;
        view.encodedLine += ' ';
    }
    for (int k = 1; k <= kNumberLabels; ++k) {
        const int n = validSlot(slot) ? doc.answerLetterNo[slot][k] : 0;
        view.numberLabels[k - 1] = n != 0 ? std::to_string(n) : std::string();
    }
}

void Editor::fillQuestionList() {
    view.listRows.clear();
    for (int s = 1; s <= doc.questionCount; ++s) view.listRows.push_back(listPrefix[s] + doc.question[s]);
    view.listRows.push_back(listPrefix[doc.questionCount + 1]);
    view.selectedRow = -1;
}

bool Editor::hasGap(int slot) const {
    if (!validSlot(slot)) return false;
    const std::string& marks = doc.answerMarks[slot];
    const int n = std::min(static_cast<int>(marks.size()), kAnswerCells);
    for (int k = 1; k <= n; ++k)
        if (doc.answerLetterNo[slot][k] == 0 && isLetter(marks[k - 1])) return true;
    return false;
}

// ------------------------------------------------------------ question list

void Editor::selectListRow(int row) {
    if (row == view.selectedRow) return;
    if (row >= static_cast<int>(view.listRows.size()) || row >= kMaxSlots) return;
    view.selectedRow = row < 0 ? -1 : row;
    if (view.selectedRow >= 0) rowSelected();
}

void Editor::rowSelected() {
    if (view.selectedRow < 0) return;
    doc.currentQuestion = view.selectedRow + 1;
    const int cq = doc.currentQuestion;
    showEncoding(doc.currentQuestion);
    view.questionBox = questionOf(doc, cq);
    view.answerBox = doc.answerOf(cq);
    if (startsWithPlaceholder(view.questionBox)) selectQuestionText();

    // Shade the crostic letter of the current slot.
    const auto labelOf = [this](int s) { return validSlot(s) ? doc.slotCrosticPos[s] - 1 : -1; };
    const int before = labelOf(markedSlot);
    if (before >= 0 && before < kCrosticLabels) view.crostic[before].grey = false;
    const int now = labelOf(cq);
    if (now >= 0 && now < kCrosticLabels) view.crostic[now].grey = true;
    markedSlot = cq;

    if (view.controlsEnabled) view.focus = Focus::Question;
}

void Editor::selectSlot(int slot) {
    if (doc.questionCount == 0 || slot < 1 || slot > doc.questionCount + 1) return;
    selectListRow(slot - 1);
}

void Editor::listMouseDown() {
    priorListRow = lastListRow;
    lastListRow = view.selectedRow;
}

void Editor::listMouseUp() {
    selectQuestionText();
    if (view.selectedRow >= 0) rowSelected();
}

void Editor::selectQuestionText() { view.questionSelection = TextSelection{0, 255}; }

void Editor::insertQuestion() {
    int& cq = doc.currentQuestion;
    if (doc.questionCount >= kMaxSlots) {
        prompter_.message({kSlotsFullMessage, std::nullopt, Buttons::Ok, Icon::Exclamation, 0});
        return;
    }
    if (doc.questionCount != 0 && cq >= 1 && cq <= doc.questionCount + 1) {
        history.name("Insert Question " + questionLetter[cq]);
        doc.questionCount += 1;
        for (int j = doc.questionCount; j >= cq + 1; --j) {
            doc.question[j] = doc.question[j - 1];
            doc.answer[j] = doc.answer[j - 1];
            doc.answerMarks[j] = doc.answerMarks[j - 1];
        }
        // The new slot starts as what the boxes show; nothing is encoded.
        doc.question[cq] = view.questionBox;
        doc.answer[cq] = view.answerBox;
        admitAnswer(doc.answer[cq]);
        doc.docChanged = true;
        fillQuestionList();
        // The inserted slot's first letter goes into the crostic at its place,
        // as long as the crostic has room for it.
        const int pos = doc.crosticPos[cq];
        if (pos >= 1) {
            if (!view.answerBox.empty() && pos <= static_cast<int>(doc.crostic.size()) + 1 &&
                doc.crostic.size() < static_cast<std::size_t>(kMaxCrostic))
                doc.crostic.insert(static_cast<std::size_t>(pos - 1), 1, view.answerBox[0]);
            mapCrostic();
        }
        // The slots after the new one keep encodings drawn for the slots
        // they came from: a registration brings them up to date.
        view.markersVisible = true;
        view.registerCaption = "ReRegister";
    }
    selectListRow(cq - 1);
    focusQuestionOrQuote();
}

void Editor::deleteButton() {
    focusQuestionOrQuote();
    const int i = view.selectedRow + 1;
    if (view.selectedRow < 0 || i > doc.questionCount) return;
    if (crosticLetterOf(i) == 0) {
        MessageRequest m;
        m.text = "Are you sure you want to delete \r\"" + questionOf(doc, doc.currentQuestion) + "\"";
        m.buttons = Buttons::OkCancel;
        if (prompter_.message(m) != Reply::Ok) return;
    }
    deleteFromPopup();
}

void Editor::deleteFromPopup() {
    const int i = view.selectedRow + 1;
    if (view.selectedRow < 0 || i > doc.questionCount) return;
    history.name("Delete Question " + questionLetter[i]);
    if (const char letter = crosticLetterOf(i)) {
        const Reply keep = prompter_.message(
            {keepCrosticSlotQuestion(i, letter), "Crostic", Buttons::YesNoCancel, Icon::Exclamation, 0});
        if (keep == Reply::Cancel) return;
        if (keep == Reply::Yes) {
            keepCrosticLetter(i);
            return;
        }
    }
    removeSlot(i);
}

void Editor::keepCrosticLetter(int i) {
    doc.question[i] = placeholderQuestion("");
    doc.answer[i] = std::string(1, crosticLetterOf(i));
    doc.answerMarks[i] = doc.answer[i];
    doc.docChanged = true;
    fillQuestionList();
    registerQuotation(i);
    selectListRow(i - 1);
}

void Editor::removeSlot(int i) {
    const int last = doc.questionCount;
    for (int j = i; j <= last - 1; ++j) {
        doc.answer[j] = doc.answer[j + 1];
        doc.question[j] = doc.question[j + 1];
        doc.answerMarks[j] = doc.answerMarks[j + 1];
    }
    doc.answer[last].clear();
    doc.question[last].clear();
    doc.answerMarks[last].clear();
    for (int k = 1; k <= kMaxAnswer; ++k) doc.answerLetterNo[last][k] = 0;
    doc.questionCount -= 1;
    fillQuestionList();
    const int pos = doc.crosticPos[i];
    if (pos >= 1 && pos <= static_cast<int>(doc.crostic.size()))
        doc.crostic.erase(static_cast<std::size_t>(pos - 1), 1);
    registerQuotation(i);
    selectListRow(i - 1);
}

void Editor::moveQuestion(int direction) {
    const int cq = doc.currentQuestion;
    const bool emptyRow = questionOf(doc, cq).empty() && doc.answerOf(cq).empty();
    const int i = view.selectedRow + 1;
    const int j = i + direction;
    if (doc.questionCount != 0 && !emptyRow && i >= 1 && i <= doc.questionCount && j >= 1 &&
        j <= doc.questionCount) {
        history.name("Move Question " + questionLetter[i] + (direction < 0 ? " Up" : " Down"));
        std::swap(doc.question[i], doc.question[j]);
        std::swap(doc.answer[i], doc.answer[j]);
        doc.docChanged = true;

        view.listRows.clear();
        for (int s = 1; s <= doc.questionCount; ++s) view.listRows.push_back(listPrefix[s] + doc.question[s]);
        view.selectedRow = -1;

        const int len = static_cast<int>(doc.crostic.size());
        const int pi = doc.crosticPos[i];
        const int pj = doc.crosticPos[j];
        if (pi >= 1 && pi <= len && pj >= 1 && pj <= len) std::swap(doc.crostic[pi - 1], doc.crostic[pj - 1]);
        mapCrostic();

        selectListRow(j - 1);
        view.markersVisible = true;
        view.registerCaption = "ReRegister";
        view.listRows.push_back(listPrefix[doc.questionCount + 1]);
    }
    if (view.controlsEnabled) view.focus = Focus::Question;
}

void Editor::jumpToLast() {
    focusQuestionOrQuote();
    selectSlot(priorListRow + 1);
    std::swap(lastListRow, priorListRow);
}

void Editor::findEmptyAnswers() {
    const int c = doc.currentQuestion;
    const bool standsOnEmpty = questionOf(doc, c).empty() && doc.answerOf(c).empty();
    if (standsOnEmpty) selectListRow(1);
    const int count = doc.questionCount;
    if (count != 0) {
        const int s = view.selectedRow >= 0 ? view.selectedRow + 1 : 1;
        // Slots after s first, then from slot 1 round to s itself.
        bool found = false;
        for (int step = 0, k = s; step < count && !found; ++step) {
            k = k + 1 > count ? 1 : k + 1;
            if (doc.answer[k].size() < 2) {
                selectSlot(k);
                found = true;
            }
        }
        if (!found) prompter_.tell("No empty answers");
    }
    if (standsOnEmpty) selectListRow(c - 1);
    focusQuestionOrQuote();
}

void Editor::findGaps() {
    const int count = doc.questionCount;
    if (count != 0) {
        // From the empty row the search starts at slot 1; the current slot
        // stays where it is unless a gap is found.
        const int s = doc.currentQuestion > count ? 1 : std::max(doc.currentQuestion, 1);
        bool found = false;
        for (int step = 0, k = s; step < count && !found; ++step) {
            k = k + 1 > count ? 1 : k + 1;
            if (hasGap(k)) {
                selectSlot(k);
                found = true;
            }
        }
        if (!found) prompter_.tell("All answers are fully coded.");
    }
    focusQuestionOrQuote();
}

BoxKey Editor::boxKey(BoxKey key, bool questionBox) {
    int& cq = doc.currentQuestion;
    const int before = cq;
    BoxKey passOn = key;
    switch (key) {
        case BoxKey::PageUp:
            if (cq > 1) --cq;
            break;
        case BoxKey::PageDown:
            if (cq < static_cast<int>(view.listRows.size())) ++cq;
            break;
        case BoxKey::Home:
            cq = 1;
            break;
        case BoxKey::End:
            cq = doc.questionCount + 1;
            break;
        case BoxKey::Up:
            passOn = BoxKey::Home;
            break;
        case BoxKey::Down:
            passOn = BoxKey::End;
            break;
        case BoxKey::Enter:
            if (questionBox && !view.questionBox.empty() && view.answerBox.empty())
                view.focus = Focus::Answer;
            break;
        case BoxKey::Other:
            break;
    }
    // The empty row after fifty filled slots is out of reach.
    if (cq > kMaxSlots) cq = before;
    selectSlot(cq);
    return passOn;
}

// ----------------------------------------------------------------- crostic

void Editor::setupCrostic() {
    // The setup registers the quotation box: before a quotation is
    // registered (or after New) that is the prompt text or nothing.
    if (!view.controlsEnabled) return;
    history.name("Crostic Setup");
    if (doc.questionCount != 0) {
        MessageRequest m;
        m.text =
            "You have already entered questions. Are you sure you want to continue?\r"
            "Click Yes to create a new crostic, or No to use your existing Answers";
        m.title = "Crostic";
        m.buttons = Buttons::YesNoCancel;
        m.icon = Icon::Exclamation;
        const Reply reply = prompter_.message(m);
        if (reply == Reply::Cancel) return;
        if (doc.crostic.empty()) {
            for (int s = 1; s <= doc.questionCount; ++s)
                if (!doc.answer[s].empty()) appendToCrostic(doc.crostic, doc.answer[s][0]);
        }
    }
    const std::optional<std::string> typed =
        prompter_.input("Type in the Crostic. Use tilde (~) to signal cutoff point (if desired).",
                        "Enter a Crostic", doc.crostic);
    if (!typed || typed->empty()) return;
    doc.crostic = typed->substr(0, kMaxCrostic);
    doc.crosticSetUp = true;

    int j = 0;
    for (char c : doc.crostic) {
        if (!isLetter(c)) continue;
        ++j;
        std::string& ans = doc.answer[j];
        if (!ans.empty()) {
            if (upperChar(static_cast<unsigned char>(ans[0])) == upperChar(static_cast<unsigned char>(c)))
                continue;
            // Replace an earlier letter-and-hyphen prefix rather than stack one.
            if (ans.size() >= 2 && ans[1] == '-') ans.erase(0, 2);
            ans = std::string(1, c) + "-" + ans;
        } else {
            doc.question[j] = placeholderQuestion("");
            const int row = j - 1;
            if (row < static_cast<int>(view.listRows.size()) && !view.listRows[row].empty()) {
                view.listRows.erase(view.listRows.begin() + row);
                if (view.selectedRow == row)
                    view.selectedRow = -1;
                else if (view.selectedRow > row)
                    --view.selectedRow;
            }
            view.listRows.push_back(listPrefix[j] + doc.question[j]);
            ans = std::string(1, c);
        }
    }
    if (doc.questionCount < j) {
        doc.questionCount = j;
    } else {
        for (int s = j + 1; s <= doc.questionCount; ++s)
            if (!doc.answer[s].empty()) appendToCrostic(doc.crostic, doc.answer[s][0]);
    }
    // The empty row for the next question, unless the list already ends with it.
    if (questionOf(doc, j + 1).empty() && static_cast<int>(view.listRows.size()) <= j)
        view.listRows.push_back(listPrefix[j + 1]);

    int one = 1;
    registerQuotation(one);
    mapCrosticSlots();
    // The answers may have gained a prefix: the slot is shown afresh even
    // when its row was already selected, so the boxes never hold a stale
    // answer that the next Accept would write back.
    view.selectedRow = -1;
    advanceToEmptyAnswer(1);
    doc.crosticOn = true;
    doc.crosticOnWritten = true;
}

void Editor::mapCrostic() {
    if (doc.crostic.empty()) doc.crostic.assign(static_cast<std::size_t>(doc.questionCount), ' ');
    const int len = std::min(static_cast<int>(doc.crostic.size()), kMaxCrostic);
    int k = 0;
    for (int i = 1; i <= len; ++i) {
        if (isLetter(doc.crostic[i - 1])) {
            ++k;
            doc.crosticPos[k] = static_cast<std::int16_t>(i);
        }
        doc.crosticQuestion[i] = static_cast<std::int16_t>(k);
    }
    for (int s = k + 1; s <= kMaxSlots; ++s) doc.crosticPos[s] = static_cast<std::int16_t>(len + 1);
    for (int p = len + 1; p <= kMaxCrostic; ++p)
        doc.crosticQuestion[p] = static_cast<std::int16_t>(doc.questionCount);
    showCrostic();
}

void Editor::showCrostic() {
    for (auto& label : view.crostic) label.caption.clear();
    const std::string shown = doc.crostic.substr(0, doc.crostic.find('~'));
    int k = 0;
    for (int i = 1; i <= kShownCrostic; ++i) {
        const char c = i <= static_cast<int>(shown.size()) ? shown[i - 1] : '\0';
        CrosticLabelView& label = view.crostic[i - 1];
        if (c != '\0' && isLetter(c)) ++k;
        const std::string& marks = marksOf(doc, k);
        label.blue = doc.answerOf(k).size() <= 1;
        label.underline = c != ' ' && !marks.empty() && isLetter(marks[0]);
        const std::string& answer = doc.answerOf(k);
        label.mismatch = c != '\0' && isLetter(c) && !answer.empty() && !sameLetter(answer[0], c);
        label.caption = c != '\0' ? std::string(1, c) : std::string();
    }
}

void Editor::mapCrosticSlots() {
    int j = 1;
    const int len = std::min(static_cast<int>(doc.crostic.size()), kMaxCrostic);
    for (int i = 1; i <= len && j <= kMaxSlots; ++i) {
        if (isLetter(doc.crostic[i - 1])) {
            doc.slotCrosticPos[j] = static_cast<std::int16_t>(i);
            ++j;
        }
    }
}

void Editor::crosticLabelClick(int n) {
    if (n < 0 || n >= kCrosticLabels) return;
    selectSlot(doc.crosticQuestion[n + 1]);
}

void Editor::crosticOptionClick(bool on) {
    history.name(on ? "Crostic On" : "Crostic Off");
    doc.crosticOn = on;
    doc.crosticOnWritten = true;
    if (view.controlsEnabled) view.focus = Focus::Question;
}

// ------------------------------------------------------------------ header

void Editor::setHeader(const HeaderValues& header) {
    if (header == doc.header) return;
    history.name("Header");
    doc.header = header;
    doc.docChanged = true;
}

// ------------------------------------------------------ window-level rules

void Editor::enableControls() { view.controlsEnabled = true; }

void Editor::disableControls() { view.controlsEnabled = false; }

void Editor::resetDocument() {
    history.replaced();
    resetDocumentValues(doc);
    geometry = GridGeometry{};
    if (onReset) onReset();
    for (auto& label : view.numberLabels) label.clear();
    for (auto& label : view.crostic) label.caption.clear();
    for (auto& label : view.lettersLeft) label.clear();
    view.totalLetters.clear();
    view.vowels.clear();
    view.consonants.clear();
    view.averageLength.clear();
    view.questionBox.clear();
    view.answerBox.clear();
    view.quoteBox.clear();
    view.encodedLine.clear();
    view.listRows.clear();
    view.selectedRow = -1;
    view.markersVisible = false;
    view.grid.ops.clear();
}

void Editor::drawQuoteGrid() {
    const GridGeometry& g = geometry;
    const int cell = g.cellSize;
    GridPicture& pic = view.grid;
    pic.ops.clear();
    pic.height = g.rows * cell + 400;
    pic.width = quoteBoxWidth + 10;
    pic.ops.push_back(boxOp(0, 0, pic.width - 10, pic.height - 12, kBlack, kGridBackground));

    const int gx = static_cast<int>(roundHalfEven((quoteBoxWidth - g.columns * cell) / 2.0));
    // The window shows the puzzle: free letters, and taken ones as number and label.
    for (const GridCell& gc : gridCells(doc, g)) {
        Rgb fill = kWhite;
        const int x = gc.column * cell + gx;
        const int y = gc.row * cell + 200;
        std::string number, label, shown;

        const unsigned char ch = gc.stockCode();
        if (ch >= 65 && ch <= 90) {
            number = std::to_string(gc.number);
            shown = std::string(1, static_cast<char>(ch));
        } else if (ch > 90) {
            number = std::to_string(gc.number);
            // Only a taken letter carries its owner's label; an accented
            // letter or a curly quote is above 90 while still free.
            label = gc.ownerLabel;
        } else if (ch >= 33) {
            shown = std::string(1, static_cast<char>(ch));
        } else {
            fill = kLightGrey;
            pic.ops.push_back(boxOp(x, y, x + cell, y + cell, kLightGrey, kLightGrey));
        }
        pic.ops.push_back(boxOp(x, y, x + cell + 12, y + cell + 12, kBlack, fill));
        if (!number.empty())
            pic.ops.push_back(textOp(x + 32, y + g.numberOffset - 60, number, g.numberFont, kRed));
        if (!label.empty()) {
            const int w = g.labelSlotWidth * (label.size() == 2 ? 2 : 1);
            pic.ops.push_back(textOp(x + cell - w + 20, y + g.numberOffset - 60, label, g.numberFont, kBlue));
        }
        if (!shown.empty())
            pic.ops.push_back(
                textOp(x + g.letterXOffset, y + cell - g.letterOffset - 290, shown, g.letterFont, kBlack));
    }
    showGridWindow();
}

void Editor::quoteButtonClick() {
    if (view.quoteButtonCaption == "Show Quote") {
        showGridWindow();
    } else {
        view.gridVisible = false;
        view.quoteButtonCaption = "Show Quote";
        focusQuestionOrQuote();
    }
}

void Editor::quoteGridMenu() {
    if (doc.quoteRegistered) showGridWindow();
}

void Editor::gridWindowFocus(bool gained) {
    if (gained) {
        view.quoteButtonTag.clear();
        return;
    }
    view.quoteButtonTag = "Off";
    if (view.controlsEnabled) view.focus = Focus::Question;
}

void Editor::questionBoxFocus() {
    if (view.quoteButtonTag == "Off") view.quoteButtonCaption = "Show Quote";
    if (startsWithPlaceholder(view.questionBox)) selectQuestionText();
}

void Editor::answerBoxFocus() { view.answerSelection = TextSelection{0, 255}; }

void Editor::focusQuestionOrQuote() { view.focus = view.controlsEnabled ? Focus::Question : Focus::Quote; }

void Editor::showGridWindow() {
    view.gridPlaceRequest = true;
    view.gridVisible = true;
    view.quoteButtonCaption = "Hide Quote";
}

}  // namespace qbrx
