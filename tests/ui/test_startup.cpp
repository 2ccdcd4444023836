// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up's word list: read on a thread from the folder qbrx.ini names,
// and read again in place when the preferences step settles on another
// folder (the named one holds no words.dic and the user points elsewhere).
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "backgroundload.h"
#include "dictionary.h"
#include "mainwindow.h"
#include "preferences.h"
#include "random.h"
#include "scriptedprompter.h"
#include "startup.h"

using namespace qbrx;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    PreferenceLocations where() const {
        const fs::path top = dir.path().toStdString();
        return {top / "program", top / "config"};
    }
    std::string folder(const char* name) const { return dir.path().toStdString() + "/" + name + "/"; }

    // Runs the start-up as the program does; the dictionary's first word.
    std::string startWith(ScriptedPrompter& prompter) {
        Dictionary dictionary;
        std::unique_ptr<BackgroundLoad> preload = startLoadingDictionary(dictionary, where());
        ScriptedRandom random({0.0});
        MainWindow form(prompter, random, dictionary);
        if (!startProgram(form, dictionary, prompter, where(), std::move(preload))) return "(ended)";
        return std::string(dictionary.wordList(1));
    }

private slots:
    void readsTheNamedFolderElseTheOneTheUserPointsTo() {
        write(fs::path(folder("first")) / "words.dic", "3\r\nalpha\r\nbeta\r\n");
        write(fs::path(folder("second")) / "words.dic", "3\r\ngamma\r\ndelta\r\n");
        write(where().programFolder / "qbrx.ini", folder("first") + "\r\n");
        ScriptedPrompter named;
        QCOMPARE(startWith(named), std::string("alpha"));

        write(where().programFolder / "qbrx.ini", folder("gone") + "\r\n");
        ScriptedPrompter pointed;
        pointed.files.push_back(folder("second") + "words.dic");
        QCOMPARE(startWith(pointed), std::string("gamma"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
