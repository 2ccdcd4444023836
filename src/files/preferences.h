// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences file "qbrx.ini": its first item names the dictionary
// folder (the folder of words.dic and count.dic). A program run from its
// build folder keeps it in the program's folder (or, when that folder cannot
// be written, in the user's configuration folder); an installed program
// keeps it in the user's configuration folder only, and needs none while its
// own word list (share/quotabrix beside its bin folder) is in place.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "prompter.h"

namespace qbrx {

inline constexpr const char* kPreferenceFileName = "qbrx.ini";
inline constexpr const char* kMissingPreferencesMessage =
    "Can't find Preference File.  Click OK to create a new preference file, or Cancel to end the program.";
inline constexpr const char* kLocateDictionaryMessage = "Please locate the dictionary files [words.dic]";
inline constexpr const char* kDictionaryFilter = "Word List (words.dic)|words.dic|All Files (*.*)|*.*";
inline constexpr int kDictionaryFilterIndex = 1;

// Said when the folder that qbrx.ini names holds no words.dic.
std::string dictionaryMissingMessage(const std::string& folder);

// Where the preferences file is looked for, in this order.
struct PreferenceLocations {
    std::filesystem::path programFolder;  // the folder of the program file
    std::filesystem::path configFolder;   // $XDG_CONFIG_HOME/quotabrix or ~/.config/quotabrix
    // An installed program's word list; empty for a program that is not
    // installed. A program that has one never writes its program folder.
    std::filesystem::path dataFolder = {};

    // The running program's folder, the user's configuration folder and,
    // for an installed program, its word list.
    static PreferenceLocations forProgram();
};

// The folder of the running program file ("." if it cannot be found).
std::filesystem::path programFolder();
// $XDG_CONFIG_HOME/quotabrix, or ~/.config/quotabrix.
std::filesystem::path userConfigFolder();
// The installed word list of a program in `programFolder`: the data folder
// at the place the install step puts it relative to the program
// (../share/quotabrix from bin/); empty when there is no such folder.
std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder);

// The first item of a preferences file: leading spaces skipped; the item ends
// at a comma or the end of the line; an item that starts with a double
// quotation mark ends at the next one, which is not part of it.
std::string firstItem(std::string_view content);

// The name up to and including its last "/" (empty when it has none).
std::string folderOf(const std::string& fileName);

struct PreferencesResult {
    bool endProgram = false;       // the user chose Cancel: end at once
    std::string dictionaryFolder;  // as read or chosen (UTF-8 system path)
};

// Reads the first item of qbrx.ini, from the program folder or else the
// configuration folder. Nothing when neither holds the file; an empty folder
// when a file is there but cannot be read.
std::optional<std::string> readPreferences(const PreferenceLocations& where);

// The dictionary folder known without asking anything: the one qbrx.ini
// names, or else the installed word list when it holds words.dic (with a
// trailing "/", as a located folder has). Nothing when neither.
std::optional<std::string> knownDictionaryFolder(const PreferenceLocations& where);

// Writes qbrx.ini (the folder, CR LF) into the program folder, or into the
// configuration folder when the program folder cannot be written or the
// program is installed (it has a data folder). Returns the file written,
// nothing when neither could be.
std::optional<std::filesystem::path> writePreferences(const PreferenceLocations& where,
                                                      const std::string& dictionaryFolder);

// The start-up's preferences step: reads the file; when there is none, takes
// the installed word list, or, without one, asks the user to locate
// words.dic and creates the file (only when the folder chosen holds
// words.dic: a folder without it serves this session alone). Cancel in the
// first question sets endProgram. When the folder read holds no words.dic
// (with or without trailing spaces), says so and offers to locate words.dic
// again; Cancel there goes on with the folder as read.
PreferencesResult loadPreferences(Prompter& prompter, const PreferenceLocations& where);

}  // namespace qbrx
