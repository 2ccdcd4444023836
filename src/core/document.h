// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle document: every value one open puzzle consists of, and the
// fixed tables built once at start-up. Text is Windows-1252 bytes.
//
// Arrays are indexed from 0 but element 0 is never used: slots and
// character positions count from 1, as the author sees them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace qbrx {

constexpr int kMaxQuote = 255;      // characters of the quotation
constexpr int kMaxSlots = 50;       // question slots
constexpr int kMaxAnswer = 24;      // characters of an accepted answer
constexpr int kAnswerCells = 40;    // answerLetterNo holds letters 1..40
constexpr int kMaxCrostic = 50;     // characters of the crostic
constexpr int kCrosticLabels = 39;  // lblCrostic_0 .. lblCrostic_38
constexpr int kShownCrostic = 38;   // labels that can show a character
constexpr int kNumberLabels = 24;   // lblUnderCrostic_0 .. _23
constexpr int kFileQuote = 253;     // quotation characters written to a data file

inline constexpr const char* kProgramName = "Quotabrix";
inline constexpr const char* kQuotePrompt = "Begin typing your quote here. Click Register when done";
inline constexpr const char* kMiniInstructions = "Answer questions and transpose letters into Quotation grid";
inline constexpr const char* kNameBlank = "Name ___________________________";
inline constexpr const char* kPeriodBlank = "Period ______  ";
inline constexpr const char* kDateBlank = "Date _______________";

// "abcdefghijklmnopqrstuvwxyz" + "ABCDEFGHIJKLMNOPQRSTUVWXYZ".
extern const std::string alphabet;
// Slot labels: "" for 0, "A".."Z" for 1..26, "AA".."ZZ" for 27..52.
extern const std::array<std::string, 53> questionLetter;
// List prefixes: " A. " for slot 1 .. " Z. ", then "AA. " .. "ZZ. ".
extern const std::array<std::string, 53> listPrefix;

// A character is an alphabet letter when it occurs in `alphabet`.
bool isAlphabetLetter(unsigned char c);
// The numbering test: code 65 and above (A-Z, a-z, 91..96, 123..255).
inline bool isNumberedLetter(unsigned char c) { return c >= 65; }

// The used mark "_" stands for a taken letter in the stock and in the
// answer marks; left in an answer it would print as a blank that no grid
// cell answers. Accept refuses such an answer; one that enters the document
// another way (a data file, Insert) has each "_" turned into a hyphen, which
// is no letter.
void admitAnswer(std::string& answer);

// Header values printed at the top of the page (set by the Header dialog
// and by reading a data file).
struct HeaderValues {
    std::string title;                             // puzzle title
    std::string createdBy;                         // printed after "Created by "
    std::string quotationBy;                       // the quotation's author and work, on the key only
    bool titleGiven = false;                       // once on, never switched off
    bool createdByGiven = false;                   // likewise
    bool nameLine = false;                         // Name-line option
    bool periodDateLine = false;                   // Period-and-Date-line option
    bool miniInstructions = false;                 // "Include Mini-Instructions"
    std::string instructions = kMiniInstructions;  // line under the grid
    std::string nameBlank = kNameBlank;
    std::string periodBlank = kPeriodBlank;
    std::string dateBlank = kDateBlank;
    bool operator==(const HeaderValues&) const = default;
};

struct Document {
    // Quotation and letter stock.
    std::string quotation;                             // cleaned, at most 255 characters
    int quoteLength = 0;                               // characters of quotation
    std::string letterPool;                            // upper case; taken letters are "_"
    std::array<std::int16_t, 256> positionLetterNo{};  // letter number per position
    std::array<std::int16_t, 256> positionOwner{};     // slot that took the position
    std::array<std::int16_t, 256> letterLeftCount{};   // free copies of A..Z (1..26)
    std::string lettersLeft;                           // free letters, lower case, grouped a..z
    int totalLetters = 0;                              // A-Z characters of the quotation

    // Question slots 1..50; slot questionCount + 1 is the empty one.
    int questionCount = 0;
    int currentQuestion = 0;
    std::array<std::string, 51> question;
    std::array<std::string, 51> answer;
    std::array<std::string, 51> answerMarks;
    std::array<std::array<std::int16_t, kAnswerCells + 1>, 51> answerLetterNo{};

    // Crostic.
    std::string crostic;                             // at most 50 characters
    std::array<std::int16_t, 53> crosticPos{};       // per slot: position of its letter
    std::array<std::int16_t, 51> crosticQuestion{};  // per position: slot at or before
    std::array<std::int16_t, 51> slotCrosticPos{};   // per slot: position (Setup/Register)
    // On once the author has typed the crostic (Setup): the phrase is then
    // theirs, and no answer, acceptance or deletion changes it unasked.
    bool crosticSetUp = false;

    // The Crostic option: the window shows it, Print and Export follow it.
    bool crosticOn = false;
    // Saving writes the option: the author set it (at start-up or since),
    // or the file opened keeps it. A file that kept none opens with the
    // option as it was and is saved without it, as it was.
    bool crosticOnWritten = false;
    // The letter numbers drawn when a file that kept none was opened: until
    // they change, saving writes the file as it was.
    std::optional<std::array<std::array<std::int16_t, kAnswerCells + 1>, 51>> numbersDrawnOnOpen;

    // Bookkeeping.
    bool docChanged = false;
    bool quoteRegistered = false;

    HeaderValues header;

    // Answer of `slot`, or "" for slots outside 1..50 (the empty slot after
    // fifty filled ones has no entry).
    const std::string& answerOf(int slot) const;
};

// The reset of New and Open, on the document values only (the window side
// is Editor::resetDocument). Leaves quotation, totalLetters, docChanged,
// quoteRegistered, the three header options and the given-flags alone;
// empties title, created-by text and instructions; currentQuestion = 1.
void resetDocumentValues(Document& doc);

}  // namespace qbrx
