#include "startup.h"

#include "dictionary.h"
#include "frmsplash.h"
#include "helptopics.h"
#include "mainform.h"
#include "preferences.h"

namespace qbrx {

bool startProgram(Mainform& form, Dictionary& dictionary, Prompter& prompter,
                  const std::filesystem::path& programFolder) {
    showSplash();

    PreferenceLocations where;
    where.programFolder = programFolder;
    where.configFolder = userConfigFolder();
    const PreferencesResult preferences = loadPreferences(prompter, where);
    if (preferences.endProgram) {
        hideSplash();
        return false;
    }

    // A missing or damaged dictionary file leaves the dictionary empty; the
    // start-up goes on without a word.
    dictionary.loadCountIndex(preferences.dictionaryFolder);
    dictionary.loadWordList(preferences.dictionaryFolder);
    dictionary.loadLevels(preferences.dictionaryFolder);
    hideSplash();

    form.startUp();
    // The printer's page size is read when the printer is first used
    // (Mainform::printer); the print system is not asked before the window
    // shows.
    MakeHelp();
    return true;
}

}  // namespace qbrx
