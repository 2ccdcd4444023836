// The program's start-up, in order: the splash window, the preferences
// (asking for the dictionary when qbrx.ini is missing), the dictionary, the
// main window's first state and the help topics.
#pragma once

#include <filesystem>

namespace qbrx {

class Dictionary;
class Mainform;
class Prompter;

// Runs the start-up for `form`, reading qbrx.ini from `programFolder` (or
// the user's configuration folder). Returns false when the user chose to
// end the program instead of creating a preferences file; the main window
// has not been shown then.
bool startProgram(Mainform& form, Dictionary& dictionary, Prompter& prompter,
                  const std::filesystem::path& programFolder);

}  // namespace qbrx
