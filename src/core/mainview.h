// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window and the grid window show, as plain data. The core's
// operations write it; the Qt windows only mirror it, and copy what the user
// typed back into the three box texts before they call an operation.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document.h"

namespace qbrx {

enum class Focus { None, Quote, Question, Answer, List };

struct TextSelection {
    int start = 0;
    int length = 0;  // may exceed the text; the window clamps it
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLightGrey{224, 224, 224};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGridBackground{255, 193, 200};

// One drawing operation of the grid window, in twips from its top-left.
struct DrawOp {
    enum class Kind { Box, Text };
    Kind kind = Kind::Box;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Box corners; Text uses x1, y1
    Rgb border = kBlack;                 // Box outline
    std::optional<Rgb> fill;             // Box fill, none for an outline
    std::string text;                    // Text, Windows-1252
    int fontSize = 0;                    // Text, points
    Rgb color = kBlack;                  // Text colour
    bool operator==(const DrawOp&) const = default;
};

struct GridPicture {
    int width = 0;   // twips
    int height = 0;  // twips
    std::vector<DrawOp> ops;
};

struct CrosticLabelView {
    std::string caption;     // one character or empty
    bool blue = false;       // incomplete answer
    bool underline = false;  // first letter of the answer is supplied
    bool grey = false;       // background E0E0E0 (current slot) instead of white
    bool mismatch = false;   // the slot's answer does not start with this letter
};

struct MainView {
    // Text boxes (Windows-1252) and pending selection requests.
    std::string quoteBox;
    std::string questionBox;
    std::string answerBox;
    std::optional<TextSelection> quoteSelection;
    std::optional<TextSelection> questionSelection;
    std::optional<TextSelection> answerSelection;

    // Question list: rows and the selected row (-1 for none).
    std::vector<std::string> listRows;
    int selectedRow = -1;

    // Encoded line and the 24 number labels under it.
    std::string encodedLine;
    std::array<std::string, kNumberLabels> numberLabels;

    // Letters left: 0..25 for A..Z, 26 the total; and the three counts.
    std::array<std::string, 27> lettersLeft;
    std::string totalLetters;
    std::string vowels;
    std::string consonants;
    // Average Answer Length: what the answers still empty can average, one
    // decimal ("10.5"); empty while no answer is empty.
    std::string averageLength;

    std::array<CrosticLabelView, kCrosticLabels> crostic;
    // (The Crostic option buttons show Document::crosticOn.)

    // Register button and the four register-again markers.
    std::string registerCaption = "Register";
    bool markersVisible = false;

    // Show Quote button and the grid window.
    std::string quoteButtonCaption = "Show Quote";
    std::string quoteButtonTag;
    bool gridVisible = false;
    bool gridPlaceRequest = false;  // place at main window left+200, top+1010
    bool gridLogoVisible = true;
    GridPicture grid;

    // Enabling: the controls of enableControls, and the file menu items
    // New, Close, Save, Save As, Revert, Print and Print Key.
    bool controlsEnabled = false;
    bool fileMenusEnabled = false;

    // Keyboard tab order.
    bool quoteTabStop = true;
    bool questionTabStop = true;
    bool crosticOffTabStop = true;

    // Where the focus should go after the operation (None: leave it).
    Focus focus = Focus::None;

    // Forgets the one-shot requests (focus, text selections, grid placement)
    // once the window has carried them out.
    void clearRequests() {
        quoteSelection.reset();
        questionSelection.reset();
        answerSelection.reset();
        gridPlaceRequest = false;
        focus = Focus::None;
    }
};

}  // namespace qbrx
