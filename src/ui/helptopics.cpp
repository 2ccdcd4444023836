// SPDX-License-Identifier: GPL-3.0-or-later
#include "helptopics.h"

#include <initializer_list>

namespace qbrx {

std::array<std::string, kHelpEntries> helpTitle;
std::array<std::string, kHelpEntries> helpBody;

namespace {

// List items start with the middle dot. Kept as a separate literal so that
// the hex escape never swallows the first letter of the item.
#define DOT "\xB7"

// Sets topic i: its title, then its body built from the pieces in order,
// each piece ended by a line feed except the last. An empty piece makes a
// blank line between paragraphs.
void topic(int i, const char* title, std::initializer_list<const char*> pieces) {
    helpTitle[i] = title;
    std::string& body = helpBody[i];
    body.clear();
    bool first = true;
    for (const char* piece : pieces) {
        if (!first) body += '\n';
        body += piece;
        first = false;
    }
}

}  // namespace

void makeHelp() {
    helpTitle.fill({});
    helpBody.fill({});

    topic(1, "Alternate keyboards",
          {
              "Some keyboards have no Help, Home, End, Page Up or Page Down keys. On such a keyboard "
              "use the Option key (Alt on most keyboards) and the mouse instead:",
              DOT "Option-H:  opens the Help menu; its first item, Help Topics, opens this window",
              DOT "One question up or down:  click the question in the question list, or its letter in "
                  "the crostic",
              DOT "Top of the question list:  click the first question",
              DOT "Bottom of the question list:  click the empty row after the last question",
              "",
              "Every menu can be opened the same way: Option-F for File, Option-E for Edit, Option-Q "
              "for Qbrx and Option-W for Windows.",
          });

    topic(2, "Tip: Creating content-specific puzzles",
          {
              "A puzzle can review the vocabulary of the unit you are teaching. One way to build it:",
              "1. Find a quotation that suits the theme, type it into the Edit Quotation box and click "
              "Register.",
              "2. Write down the terms of the unit that could serve as answers.",
              "3. Check each term with the Dictionary in Limited mode: a word that is listed can still "
              "be built from the free letters.",
              "4. Accept a term even when it is short by one letter; that letter is simply printed as a "
              "supplied letter.",
              "5. When the themed terms run out, look in the Dictionary for ordinary words that use up "
              "the leftover letters and invent questions for them.",
              "",
              "Example, for a unit on weather:",
              "Question: Rain, snow, sleet or hail falling from the clouds",
              "Answer: precipitation",
          });

    topic(3, "Tip: Using Clues",
          {
              "A puzzle does not have to be perfect. Quotation letters that no answer uses are printed "
              "in the quotation grid as they are, and they give the solver useful clues.",
              "",
              "An answer that the letter stock cannot fully supply can still be used: its missing "
              "letters are gaps and are printed on the answer blanks as supplied letters. Students "
              "rarely mind a few free letters.",
          });

    topic(4, "Tip: Multiple-word answers",
          {
              "Answers may be phrases as well as single words, for example \"sea level\" or "
              "\"Gold Rush\". Spaces, hyphens and apostrophes are printed as they are and take no "
              "letter from the quotation.",
              "",
              "The Dictionary lists single words only, so it helps less with phrases: check each word "
              "of the phrase on its own.",
              "",
              "An answer holds at most 24 characters, spaces included.",
          });

    topic(5, "Tip: Freeing up letters",
          {
              "Near the end of a puzzle the letters left are often mostly consonants, and no word "
              "fits. Look at Letters Left: when the vowels have run out, free some.",
              "",
              "Find an answer that uses many vowels, select it in the question list and click Delete. "
              "Its letters return to the stock, and the Dictionary in Limited mode can now find words "
              "for the leftover consonants. Then write a new question for the deleted answer's place, "
              "using fewer vowels.",
          });

    topic(6, "Tip: Creating answers",
          {
              "Answers do not have to be dictionary words. When the leftover letters are awkward, "
              "try abbreviations, initials, names, sounds and puns.",
              "",
              "Examples:",
              DOT "Question: Four letters that mean right now  (ASAP)",
              DOT "Question: What a cow listens to on the radio  (moosic)",
          });

    topic(7, "Tip: Creating questions",
          {
              "1. Keep questions short: the printed page holds all of them in two columns.",
              "2. A question need not be a question. A statement to complete works well: "
              "\"The capital of France is ___.\"",
              "3. Mix the difficulty: about one third easy, one third medium and one third hard, so "
              "every student can start and every student is challenged.",
              "4. When an answer was forced on you by the leftover letters, a joke question makes it "
              "fun instead of frustrating.",
              "5. Personalise: mention your school, your town or events your class shares.",
              "",
              "Samples:",
              DOT "Opposite of more  (less)",
              DOT "Our class pet's favourite food  (lettuce)",
              DOT "Frozen water  (ice)",
          });

    topic(8, "Crostics",
          {
              "A crostic is a phrase spelled out by the first letters of the answers, read from the "
              "first question to the last. It gives students a second way into the puzzle and a check "
              "on their answers. Against it: it makes the puzzle much harder to write, because every "
              "answer must begin with a given letter.",
              "",
              "If you want a crostic, set it up right after registering the quotation, before you "
              "write questions (Setup, or Crostic Setup on the Qbrx menu). Every answer is then started "
              "with its crostic letter. The crostic phrase also fixes the number of answers, so a long "
              "phrase means many short answers.",
              "",
              "The usual crostic is the author and the work the quotation comes from. Alternatives:",
              DOT "the name of the unit or topic you are teaching",
              DOT "the class name or the name of your school",
              DOT "a holiday or season greeting",
              DOT "a hint to the quotation itself",
          });

    topic(9, "Setup (Crostic)",
          {
              "A crostic is a phrase spelled out by the first letters of the answers. Click Setup (or "
              "choose Crostic Setup on the Qbrx menu, Ctrl-G) right after registering the quotation, "
              "type the phrase and click OK. Quotabrix creates one question for each letter and starts "
              "each answer with its letter.",
              "",
              "Rules:",
              DOT "The crostic holds at most 50 characters.",
              DOT "Spaces and punctuation are allowed; they take no question.",
              DOT "For a short crostic, type a tilde (~) at the cut-off point; only the part before it is "
                  "shown.",
              DOT "Capitalisation does not matter for matching answers to letters.",
              DOT "The On and Off buttons choose whether the printed puzzle carries the crostic "
                  "instructions.",
              DOT "Moving a question up or down moves its letter in the crostic as well.",
              DOT "Otherwise the phrase stays as you typed it: an answer that starts with another "
                  "letter is accepted only when you agree, and its letter shows red; deleting a question "
                  "asks whether to keep it with only its crostic letter.",
              "",
              "Click a letter of the crostic to jump to its question.",
          });

    topic(10, "Move Up/Down",
          {
              "The two arrow buttons beside Move (or Move Up, Ctrl-E, and Move Down, Ctrl-F, on the "
              "Qbrx menu) move the selected question and its answer one place up or down the list. "
              "Because the crostic is spelled by the first letters of the answers, a move changes the "
              "crostic too.",
              "",
              "Select the question in the question list, then click an arrow as often as needed. After "
              "a move the Register button reads ReRegister: click it when you are done moving, so that "
              "the letter numbers of all answers are worked out again.",
          });

    topic(11, "Selecting a question to edit",
          {
              "Click a question in the question list to load it into the Question and Answer boxes, "
              "where you can change it; click Accept to store the change.",
              "",
              "You can also click a letter of the crostic to jump to the question whose answer it "
              "begins.",
              "",
              "One row of the list is always selected. The empty row at the bottom is where a new "
              "question is written.",
          });

    topic(12, "Jump to Last",
          {
              "The Jump to Last ? button jumps back to the question you clicked before the last one. "
              "Press it again to return: it switches back and forth between the two.",
              "",
              "This is useful late in the work, when letters must be released: compare an answer that "
              "holds letters you need with the question you are working on, without scrolling the list.",
          });

    topic(13, "Accept",
          {
              "Accept (or Return) does four things:",
              "1. It records the question. If the Question box is empty, \"Question for [answer]\" is "
              "recorded in its place.",
              "2. It records the answer and encodes it: each letter is tied to a free letter of the "
              "quotation. The result shows below the Answer box: letters taken from the quotation as "
              "\"_\", with their numbers underneath, and missing letters (gaps) as themselves.",
              "3. When you were writing a new question, or answering one that held only its crostic "
              "letter, it moves on to the next empty answer; when you were editing an earlier answer, "
              "it stays there.",
              "4. It updates Letters Left.",
          });

    topic(14, "Find gaps in answers",
          {
              "A gap is an answer letter that the letter stock could not supply, because the quotation "
              "has no free copy of it left. Gaps are printed on the answer blanks as supplied letters.",
              "",
              "Find Gaps in Answers selects the next question whose answer has a gap; click it again "
              "for the next one. When every answer is complete it says \"All answers are fully "
              "coded.\"",
              "",
              "Remember that a puzzle without gaps is not needed in class: a few supplied letters "
              "make a fine puzzle.",
          });

    topic(15, "Dictionary",
          {
              "The Dictionary button (or Dictionary on the Qbrx menu, Ctrl-D) opens a window in which "
              "you can check words against a dictionary of 90,000 words and find answers "
              "that fit the letters still free. The dictionary holds ordinary lower-case words only: "
              "no names, abbreviations, single letters, profanity or slurs.",
              "",
              "Type a word or its first letters and press Check. The window lists ten words at a "
              "time. Double-click a word, or use Add & Edit or Add & Advance, to send it to the Answer "
              "box.",
              "",
              "Tick Familiar words to list only everyday words, the kind a class knows; rarer words "
              "are skipped. It works with All Words and with Limited, and stays as you set it until "
              "you change it.",
              "",
              "For the last answers, Suggest Answers on the Qbrx menu looks for sets of familiar words "
              "that use up exactly the letters left, one word for each empty answer. Choose a set, "
              "untick any answer you want to write yourself, and click Use Answers; answers you wrote "
              "are never changed.",
              "",
              "Draft Clue (the button beside the Question box, or Ctrl-L) writes a question for the "
              "answer from its dictionary definition; press it again for the word's next sense. It "
              "asks before it replaces a question you typed. A draft never names the answer, a form "
              "of it or another answer of the puzzle, and senses that are slang, offensive or about "
              "sex or drugs are left out. The dictionary window shows the selected word's "
              "definitions, and Suggest Answers shows each word's first one; with Draft clues ticked, "
              "Use Answers writes drafts as the new questions.",
              "",
              "The definitions come from WordNet 3.0, Copyright 2006 by Princeton University, used "
              "under the WordNet licence (definitions.dic and COPYING.wordnet beside the word list).",
          });

    topic(16, "Dictionary / Limited",
          {
              "With Limited selected, the dictionary lists only words whose letters are all "
              "available: each free letter of the quotation can serve one letter of a word, so a word "
              "with two E's needs two free E's.",
              "",
              "The letters of the answer of the currently selected question count as available too, "
              "so you can look for a replacement answer while editing a question.",
              "",
              "Limited is selected when the dictionary window opens for the first time, and again "
              "whenever it opens after you closed it. When it comes back after Add & Edit, or from "
              "behind the main window, it keeps the choice you made.",
          });

    topic(17, "Dictionary / All Words",
          {
              "With All Words selected, the dictionary lists every word, whether or not the free "
              "letters can build it.",
              "",
              "Type a word and press Check: the list starts at that word. Use it to check spelling or "
              "to see whether a word is in the dictionary at all.",
          });

    topic(18, "Dictionary / Check",
          {
              "Type a letter or a word in the box at the top and press Check (or Return). The letter or "
              "word is the starting point of the list, and up to ten words are added.",
              "",
              "A single letter starts at the beginning of that letter. A word that is not in the "
              "dictionary starts the list at the next word in alphabetical order. The listing stops at "
              "the end of the starting letter.",
              "",
              "In Limited mode, a starting letter that is not free moves on to the next letter that is.",
          });

    topic(19, "Dictionary / Top",
          {
              "Top jumps to the first word of the present list and puts it in the box at the top.",
              "",
              "The Home key in that box does the same.",
          });

    topic(20, "Dictionary / Bottom",
          {
              "Bottom jumps to the last word of the present list and puts it in the box at the top.",
              "",
              "The End key in that box does the same.",
          });

    topic(21, "Dictionary / Next 10",
          {
              "Next 10 searches for the next ten words that fit and adds them to the list. This is not "
              "the same as scrolling: scrolling only shows words already found, Next 10 finds new ones.",
              "",
              "Next 10 carries on past the end of a letter into the next one. Page Down on the last "
              "word of the list does the same. At the end of the word list it says so.",
          });

    topic(22, "Dictionary / Next Ltr",
          {
              "Next Ltr starts a new search at the next letter of the alphabet. In Limited mode, "
              "letters that are not in the letter stock are skipped.",
              "",
              "Next Ltr stops at Y. To see the words beginning with Z, type z and press Check.",
          });

    topic(23, "Dictionary / Clear",
          {
              "Clear empties the word list and the box at the top.",
              "",
              "Closing the dictionary window also empties the list. Merely clicking the main window "
              "keeps the dictionary open behind it with its list intact, and Add & Edit hides it with "
              "its list intact.",
          });

    topic(24, "Menu: Revert",
          {
              "Revert (Ctrl-R) brings back the version of the puzzle last saved or opened, after "
              "asking whether you are sure.",
              "",
              "Everything you did since then is lost.",
          });

    topic(25, "Menu: Header",
          {
              "The header is printed above the quotation grid. Choose Header on the Qbrx menu (Ctrl-H) "
              "to set it:",
              DOT "Puzzle Title: the title of the puzzle",
              DOT "Created by: the creator's name, printed after \"Created by\"",
              DOT "a Name line for the student's name",
              DOT "a Period and Date line",
              DOT "Include Mini-Instructions: a one-line instruction under the grid",
              "",
              "Click Okay to keep your choices or Cancel to leave the header as it was. The header is "
              "saved with the puzzle.",
          });

    topic(26, "Menu: Save",
          {
              "Save (Ctrl-S) writes the puzzle to its file: the quotation, the header, the crostic and "
              "all questions and answers. If the puzzle was not opened from a file, Save asks for a "
              "name, like Save As.",
              "",
              "The letter numbers are not saved in a \".dat\" file. Opening the puzzle again encodes the "
              "answers anew, so the numbers change: print the puzzle and its key in the same session. "
              "A puzzle saved as an ipuz file (\".ipuz\") keeps its letter numbers.",
              "",
              "The title bar shows the file's name, and a * while there are changes not yet saved. "
              "New, Open, Quit (Ctrl-Q) and closing the window offer to save them first. If a save "
              "fails (a read-only file, a full disk), Quotabrix says why, keeps the puzzle as it is and "
              "does not go on with the command: use Save As to save it elsewhere.",
          });

    topic(27, "Menu: Save As",
          {
              "Save As (Ctrl-Shift-S) always asks for a file name and writes the puzzle under that name; "
              "Save writes to the file you opened without asking.",
              "",
              "Save As makes a copy: Save goes on writing to the file that was opened. Only one puzzle "
              "is open at a time.",
              "",
              "A name typed without an ending gets \".dat\", or \".ipuz\" when ipuz Files is chosen "
              "as the file type. A name ending in \".ipuz\" is saved as an ipuz file, which keeps the "
              "letter numbers and which puzzle-solving programs open. Export on the File menu writes "
              "a PDF, ipuz or JPZ file for printing or solving elsewhere, or a web page that students "
              "open and solve in any browser, with nothing to install.",
          });

    topic(28, "Menu: New",
          {
              "New (Ctrl-N) closes the open puzzle and starts an empty one. If the puzzle has changed, "
              "Quotabrix first offers to save it, and then asks whether to keep the quotation for the "
              "new puzzle.",
              "",
              "If nothing has changed since the puzzle was opened or last saved, New does nothing: the "
              "puzzle stays as it is. To start afresh from there, change something first, or open "
              "another puzzle.",
          });

    topic(29, "Menu: Open (Ctrl-O)",
          {
              "Open shows a file dialog that lists puzzle files (\".dat\") by default. Choose a "
              "puzzle and click Open. To open an ipuz acrostic (\".ipuz\"), one saved or exported by "
              "Quotabrix or made by another program, choose ipuz Files or All Files as the file type.",
              "",
              "If the open puzzle has changed, Quotabrix first offers to save it. The answers of a "
              "\".dat\" file are encoded anew when it is opened; an ipuz file keeps the letter numbers "
              "it holds. A file that is no puzzle is refused with a message, and nothing changes.",
          });

    topic(30, "Menu: Preview (Ctrl-J)",
          {
              "Print Preview on the File menu (Ctrl-J) shows the puzzle and then its key, page by "
              "page, as they will print on the paper of the printer that Print uses. Zoom in to check "
              "a page; nothing is printed from the preview.",
          });

    topic(31, "Menu: Print Key (Ctrl-K)",
          {
              "Print Key prints the teacher's key: the same pages as the puzzle, with every letter "
              "filled in on the quotation grid and the answer blanks.",
          });

    topic(32, "Menu: Print (Ctrl-P)",
          {
              "Print shows the print dialog and then prints the puzzle on one page: the header, the "
              "numbered quotation grid, the questions with their answer blanks in two columns, and "
              "the crostic. Questions that do not fit continue on a second page. Cancel in the print "
              "dialog prints nothing.",
          });

    topic(33, "Menu: Print Setup",
          {
              "Print Setup (Ctrl-Y) shows the page setup dialog of the printer that Print uses: the "
              "paper size and source, the orientation and the margins. The printer itself is chosen in "
              "the print dialog that Print and Print Key show.",
              "",
              "Quotabrix prints the puzzle and the key in portrait, whatever orientation is chosen "
              "here. Print Preview shows the pages on the paper chosen here; a PDF written with Export "
              "is on A4 when A4 is chosen here, otherwise on Letter.",
          });

    topic(34, "Info: Letters Left",
          {
              "Beside the quotation, Letters Left shows how many free copies of each letter A to Z are "
              "left, with their total and the counts of vowels and consonants. It changes with every "
              "answer you accept.",
              "",
              "Tip: keep about 30 to 40 percent of the letters left vowels. When the vowels fall "
              "below that, choose answers that use consonants.",
          });

    topic(35, "Info: Average Answer Length",
          {
              "Average Answer Length, beside the letter counts, tells how long the answers still to be "
              "written can be on average when they use up the letters left: the letters left, together "
              "with the crostic letters that stand alone in empty answers, divided by the number of "
              "answers still empty (those holding nothing or only their crostic letter).",
              "",
              "With 60 letters left and six empty answers that hold only their crostic letters, each "
              "answer can be about 11 letters long. The count is blank while no answer is empty; after "
              "Setup it is worth a look before each answer, since short answers early leave long ones "
              "for the end.",
          });

    topic(36, "Tech: Re-editing questions and answers",
          {
              "Any question and answer can be edited again at any time: select it in the question "
              "list, change it in the Question and Answer boxes, and click Accept.",
              "",
              "When an edited answer is accepted, all answers are encoded anew, so their letter "
              "numbers may change.",
          });

    topic(37, "Tech: Dictionary / Double-clicking",
          {
              "Double-clicking a word in the dictionary list sends it to the Answer box of the main "
              "window. The dictionary stays open, so you can try another word.",
          });

    topic(38, "Tech: Examining the Quote Grid",
          {
              "The quotation grid window shows the quotation as it will be printed, with the letter "
              "numbers and the questions that took them. It is rebuilt whenever the quotation is "
              "registered or an answer changes.",
              "",
              "Show Quote (or Quote Grid on the Windows menu, F7) brings it to the front; Hide Quote "
              "puts it away.",
          });

    topic(39, "Key: PageUp/PageDown",
          {
              "With the cursor in the Question or Answer box, Page Up and Page Down move one question "
              "up or down the question list. Page Down on the last question moves to the empty row for "
              "a new question.",
          });

    topic(40, "Key: Home/End",
          {
              "With the cursor in the Question or Answer box, Home jumps to the first question and End "
              "to the empty row after the last question.",
          });

    topic(41, "Key: Tab",
          {
              "Tab moves the cursor from control to control of the main window, in this order: the "
              "Question box, the Answer box, Accept, Dictionary, the Question List, the Move Up and Move "
              "Down arrows, Insert, Delete, Jump to Last ?, Find Empty Answers, Find Gaps in Answers, "
              "the Crostic On button, Setup, Register, and Show Quote (Hide Quote while the grid is "
              "shown); then back to the Question box. Shift-Tab goes the other way.",
              "",
              "Until a quotation is registered, only the Quotation box and Register can be reached. "
              "Afterwards Tab passes over the Quotation box and the Crostic Off button: click them "
              "to use them.",
          });

    topic(42, "Shortcuts",
          {
              "PgUp/PgDn:  Moves up or down through the questions list",
              DOT "Home:  Moves to top of questions list",
              DOT "End:  Moves to bottom of questions list",
              DOT "Click on individual letter in crostic:  moves to corresponding question/answer",
              DOT "Save:  Ctrl-S",
              DOT "Save As:  Ctrl-Shift-S",
              DOT "Revert:  Ctrl-R",
              DOT "New:  Ctrl-N",
              DOT "Open:  Ctrl-O",
              DOT "Close:  Ctrl-W",
              DOT "Print Setup:  Ctrl-Y",
              DOT "Print:  Ctrl-P",
              DOT "Quit:  Ctrl-Q",
              DOT "Undo:  Ctrl-Z",
              DOT "Cut:  Ctrl-X",
              DOT "Copy:  Ctrl-C",
              DOT "Paste:  Ctrl-V",
              DOT "Header:  Ctrl-H",
              DOT "Help: F1",
          });
}

#undef DOT

}  // namespace qbrx
