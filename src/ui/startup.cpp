// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <optional>
#include <string>
#include <utility>

#include "dictionary.h"
#include "helptopics.h"
#include "mainwindow.h"
#include "preferences.h"
#include "splashscreen.h"

namespace qbrx {

std::unique_ptr<BackgroundLoad> startLoadingDictionary(Dictionary& dictionary,
                                                       const PreferenceLocations& where) {
    std::optional<std::string> folder = knownDictionaryFolder(where);
    if (!folder) return nullptr;
    return std::make_unique<BackgroundLoad>(dictionary, std::move(*folder));
}

bool startProgram(MainWindow& form, Dictionary& dictionary, Prompter& prompter,
                  const PreferenceLocations& where, std::unique_ptr<BackgroundLoad> preload) {
    showSplash();

    const PreferencesResult preferences = loadPreferences(prompter, where);
    if (preferences.endProgram) {
        hideSplash();
        return false;
    }

    // A missing or damaged dictionary file leaves the dictionary empty; the
    // start-up goes on without a word.
    if (preload) preload->wait();
    if (!preload || preload->folder() != preferences.dictionaryFolder)
        loadDictionary(dictionary, preferences.dictionaryFolder);
    hideSplash();

    form.startUp();
    // The printer's page size is read when the printer is first used
    // (MainWindow::printer); the print system is not asked before the window
    // shows.
    makeHelp();
    return true;
}

}  // namespace qbrx
