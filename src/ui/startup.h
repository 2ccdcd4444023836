// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up, in order: the splash window, the preferences
// (asking for the dictionary when qbrx.ini is missing), the dictionary, the
// main window's first state and the help topics.
#pragma once

#include <memory>

#include "backgroundload.h"
#include "preferences.h"

namespace qbrx {

class Dictionary;
class MainWindow;
class Prompter;

// Starts loading `dictionary`, on a thread of its own, from the folder that
// qbrx.ini at `where` names (or the installed word list), so that the word
// list is read while Qt starts and the main window is built. Asks nothing:
// without either there is nothing to load yet, and the start-up's
// preferences step asks.
std::unique_ptr<BackgroundLoad> startLoadingDictionary(Dictionary& dictionary,
                                                       const PreferenceLocations& where);

// Runs the start-up for `form`, reading qbrx.ini at `where` (the program
// folder, or the user's configuration folder). The dictionary is the one
// `preload` loads when the preferences step settles on its folder, and is
// loaded here otherwise. Returns false when the user chose to end the
// program instead of creating a preferences file; the main window has not
// been shown then.
bool startProgram(MainWindow& form, Dictionary& dictionary, Prompter& prompter,
                  const PreferenceLocations& where, std::unique_ptr<BackgroundLoad> preload);

}  // namespace qbrx
